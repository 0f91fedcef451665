// What a screen reader finds: every control with a name and a role, read through Qt's
// accessibility interfaces.
#include "platform/qt/qt_front_end.h"
#include "scene/texts.h"
#include "shown_form.h"

#include <QAccessible>
#include <QLabel>
#include <initializer_list>
#include <map>
#include <string_view>

using testing_support::ShownForm1Test;

namespace {

struct Announced {
    QAccessible::Role role;
    QString name;
    bool invisible;
};

QAccessibleInterface* accessibleOf(const platform::Control& control)
{
    return QAccessible::queryAccessibleInterface(platform::qt::widgetOf(control));
}

class Accessibility : public ShownForm1Test {
protected:
    // The window's accessible children, by the object name of their widget.
    std::map<std::string, Announced> children()
    {
        std::map<std::string, Announced> found;
        QAccessibleInterface* window =
            QAccessible::queryAccessibleInterface(platform::qt::windowOf(f()));
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            found[child->object()->objectName().toStdString()] = {
                child->role(), child->text(QAccessible::Name), child->state().invisible != 0};
        }
        return found;
    }
};

} // namespace

TEST_F(Accessibility, TheWindowIsAnnouncedByItsCaptionAndPurpose)
{
    QAccessibleInterface* window =
        QAccessible::queryAccessibleInterface(platform::qt::windowOf(f()));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Blastmap");
    EXPECT_FALSE(window->text(QAccessible::Description).isEmpty());
}

TEST_F(Accessibility, EveryControlHasANameAndTheRoleOfWhatItIs)
{
    const std::map<std::string, std::pair<QAccessible::Role, QString>> expected = {
        {"Iraq", {QAccessible::Graphic, "Map of Iraq"}},
        {"Despot", {QAccessible::Graphic, "Target"}},
        {"Deboom", {QAccessible::Graphic, "Target, hit"}},
        {"boom1", {QAccessible::Graphic, "Explosion"}},
        {"boom2", {QAccessible::Graphic, "Explosion"}},
        {"civ1", {QAccessible::Graphic, "Civilian"}},
        {"civ2", {QAccessible::Graphic, "Civilian"}},
        {"civboom", {QAccessible::Graphic, "Civilian, hit"}},
        {"civcheck", {QAccessible::CheckBox, "Civilian"}},
        {"Diff", {QAccessible::ScrollBar, "Difficulty, milliseconds the target stays up"}},
        {"Difficulty", {QAccessible::StaticText, "Difficulty"}},
        {"Instructions", {QAccessible::Button, "Instructions"}},
        {"Credits", {QAccessible::Button, "Credits!"}},
        // Read out whole as it shows, and by name in a flat review.
        {"Inst", {QAccessible::Notification, QString::fromUtf8(scene::kInstructions)}},
        {"Creditbox", {QAccessible::EditableText, "Credits"}},
        {"announcer", {QAccessible::Notification, ""}},
    };
    const auto found = children();
    EXPECT_EQ(found.size(), expected.size());
    for (const auto& [name, roleAndName] : expected) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(found.contains(name));
        EXPECT_EQ(found.at(name).role, roleAndName.first);
        EXPECT_EQ(found.at(name).name, roleAndName.second);
    }
}

TEST_F(Accessibility, WhatIsHiddenIsAnnouncedAsInvisibleAndFollowsThePlay)
{
    EXPECT_TRUE(children().at("Despot").invisible);
    EXPECT_FALSE(children().at("Iraq").invisible);
    showTargetAtSpot(3);
    EXPECT_FALSE(children().at("Despot").invisible);
    f().Credits.raiseClick();
    EXPECT_FALSE(children().at("Creditbox").invisible);
    EXPECT_EQ(children().at("Credits").name, "Done");
}

TEST_F(Accessibility, APanelSaysWhenItOpensOrClosesAndTheBarReadsHowLongTheTargetStaysUp)
{
    QAccessibleInterface* announcer = QAccessible::queryAccessibleInterface(
        platform::qt::windowOf(f())->findChild<QWidget*>("announcer"));
    ASSERT_NE(announcer, nullptr);
    struct Step {
        platform::CommandButton& button;
        const char* said; // by the announcer; "" where the panel itself is read out
    };
    const Step steps[] = {{f().Instructions, ""},
                          {f().Credits, "Credits shown; the button now reads Done"},
                          {f().Instructions, "Instructions closed"},
                          {f().Credits, "Credits closed; the button reads Credits! again"}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.said);
        static_cast<QWidget*>(announcer->object())->hide();
        step.button.raiseClick();
        EXPECT_EQ(announcer->text(QAccessible::Name), step.said);
        EXPECT_EQ(announcer->state().invisible, std::string_view(step.said).empty());
    }

    QAccessibleValueInterface* bar = accessibleOf(f().Diff)->valueInterface();
    EXPECT_EQ(bar->minimumValue().toInt(), 200);
    EXPECT_EQ(bar->maximumValue().toInt(), 650);
    EXPECT_EQ(bar->minimumStepSize().toInt(), 25);
    for (const int value : {0, 225, 450}) {
        f().Diff.setValue(static_cast<std::int16_t>(value));
        EXPECT_EQ(bar->currentValue().toInt(), f().appear.interval()) << value;
    }
    bar->setCurrentValue(550);
    EXPECT_EQ(f().appear.interval(), 550);
}

namespace {

// Every action a screen reader offers on the form's controls, as it performs them.
void actOnEveryControl(game::Form1& form)
{
    for (const platform::Control* button : {static_cast<platform::Control*>(&form.Instructions),
                                            static_cast<platform::Control*>(&form.Credits)})
        accessibleOf(*button)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    accessibleOf(form.civcheck)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    accessibleOf(form.Diff)->valueInterface()->setCurrentValue(300);
    accessibleOf(form.Credits)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::setFocusAction());
}

} // namespace

TEST_F(Accessibility, NoActionGoesThroughBehindAnOpenBoxWhichSaysTheControlsAreUnavailable)
{
    ASSERT_EQ(focused(), "Credits");
    accessibleOf(f().civcheck)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::setFocusAction());
    ASSERT_EQ(focused(), "civcheck");
    f().civcheck.setValue(1);

    bool openWhileActing = false;
    boxes().whileOpen([&] {
        openWhileActing = f().boxOpen();
        for (const platform::Control* control : std::initializer_list<platform::Control*>{
                 &f().civcheck, &f().Diff, &f().Instructions, &f().Credits})
            EXPECT_TRUE(accessibleOf(*control)->state().disabled) << control->name();
        EXPECT_FALSE(accessibleOf(f().Iraq)->state().disabled);
        actOnEveryControl(f());
        EXPECT_FALSE(platform::qt::widgetOf(f().Instructions)->property("down").toBool())
            << "pressed behind";
    });
    f().dispatch([&] { f().civ1_Click(); });
    ASSERT_TRUE(openWhileActing);
    EXPECT_EQ(f().civcheck.value(), 1);
    EXPECT_TRUE(f().civ1.visible());
    EXPECT_EQ(f().Diff.value(), 0);
    EXPECT_EQ(f().instnum, 0);
    EXPECT_EQ(f().crednum, 0);
    EXPECT_EQ(focused(), "civcheck");
    EXPECT_FALSE(accessibleOf(f().civcheck)->state().disabled);

    // Once it is closed, each works.
    actOnEveryControl(f());
    EXPECT_EQ(f().civcheck.value(), 0);
    EXPECT_EQ(f().Diff.value(), 350);
    EXPECT_EQ(focused(), "Credits");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f().instnum == 1 && f().crednum == 1; }));
}
