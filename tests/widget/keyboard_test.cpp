// The keyboard: the tab order, and the keys people expect of each control.
#include "platform/qt/qt_front_end.h"
#include "shown_form.h"

using testing_support::ShownForm1Test;

class Keyboard : public ShownForm1Test {};

TEST_F(Keyboard, FocusStartsOnCreditsAndTabsThroughTheShownControls)
{
    EXPECT_EQ(focused(), "Credits");
    const char* order[] = {"Instructions", "Diff", "civcheck", "Credits"};
    for (const char* next : order) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focused(), next);
    }
}

TEST_F(Keyboard, TheCreditsBoxJoinsTheTabOrderWhileShown)
{
    key(Qt::Key_Space); // Credits: the box opens
    ASSERT_TRUE(f().Creditbox.visible());
    const char* order[] = {"Instructions", "Diff", "Creditbox"};
    for (const char* next : order) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focused(), next);
    }
}

TEST_F(Keyboard, SpaceAndEnterPressTheFocusedButton)
{
    key(Qt::Key_Space);
    EXPECT_EQ(f().crednum, 1);
    key(Qt::Key_Return);
    EXPECT_EQ(f().crednum, 0);
    key(Qt::Key_Tab);
    key(Qt::Key_Enter);
    EXPECT_EQ(f().instnum, 1);
    EXPECT_TRUE(f().Inst.visible());
}

TEST_F(Keyboard, SpaceTogglesTheFocusedCheckBoxAndRaisesItsClick)
{
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Tab);
    ASSERT_EQ(focused(), "civcheck");
    key(Qt::Key_Space);
    EXPECT_EQ(f().civcheck.value(), 1);
    EXPECT_TRUE(f().civ1.visible());
    key(Qt::Key_Space);
    EXPECT_EQ(f().civcheck.value(), 0);
    EXPECT_FALSE(f().civ2.visible());
}

TEST_F(Keyboard, TheScrollBarStepsBySmallAndLargeChangeAndJumpsToItsEnds)
{
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    ASSERT_EQ(focused(), "Diff");
    struct Step {
        Qt::Key key;
        std::int16_t value;
    };
    const Step steps[] = {{Qt::Key_Right, 25}, {Qt::Key_PageDown, 100}, {Qt::Key_Left, 75},
                          {Qt::Key_End, 450},  {Qt::Key_Right, 450},    {Qt::Key_PageUp, 375},
                          {Qt::Key_Home, 0},   {Qt::Key_Left, 0}};
    for (const Step& step : steps) {
        key(step.key);
        EXPECT_EQ(f().Diff.value(), step.value) << step.key;
        EXPECT_EQ(f().appear.interval(), 650 - step.value) << step.key;
    }
}

TEST_F(Keyboard, APlayersClicksGiveTheCheckBoxOnlyCheckedOrUnchecked)
{
    f().civcheck.setValue(2);
    int clicks = 0;
    f().civcheck.onClick = [&, handler = f().civcheck.onClick] {
        ++clicks;
        handler();
    };
    const QPoint box = platform::qt::widgetOf(f().civcheck)->geometry().center();
    for (std::int16_t expected : {0, 1, 0}) {
        clicks = 0;
        QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, box);
        EXPECT_EQ(f().civcheck.value(), expected);
        EXPECT_EQ(f().civ1.visible(), expected == 1);
        EXPECT_EQ(clicks, 1) << "one click, one Click";
    }
}
