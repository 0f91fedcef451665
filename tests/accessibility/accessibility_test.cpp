// The shipped game in a real X window, read and played through the accessibility bus by the
// library Orca is built on: what a screen reader finds, and that each action it offers does
// what the same act with the mouse does, on the screen and on the bus.
#include "harness/window_actions.h"
#include "scene/texts.h"
#include "tests/accessibility/screen_reader.h"
#include "tests/e2e/game_test.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <QJsonDocument>
#include <X11/keysym.h>
#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace e2e {
namespace {

using accessibility::hasState;
using accessibility::ScreenReader;

constexpr milliseconds kShown{3000};

class AccessibilityTest : public GameTest {
protected:
    GameSession::Options sessionOptions() const override
    {
        GameSession::Options options;
        options.sessionBus = true;
        return options;
    }

    void SetUp() override
    {
        try {
            ScreenReader::enableAccessibility();
        } catch (const std::exception& error) {
            FAIL() << error.what();
        }
        GameTest::SetUp();
    }

    // The screen reader's client of this test's game.
    ScreenReader reader() { return ScreenReader(game().process().pid()); }

    // Waits until the screen shows what `shown` looks for.
    bool screenShows(const std::function<bool(const QImage&)>& shown)
    {
        return waitForScreen(game(), kShown, shown).has_value();
    }

    // Waits until what the screen reader reads satisfies `said`.
    static bool busSays(const std::function<bool()>& said)
    {
        return waitUntil(kShown, said, milliseconds(200));
    }

    // How long the next target stays up, as seen on the screen.
    std::optional<long long> nextTargetUpMs()
    {
        if (!waitForTarget(game(), milliseconds(8000)))
            return std::nullopt;
        const Clock::time_point shownAt = Clock::now();
        if (!waitForScreen(game(), milliseconds(3000), [](const QImage& s) {
                return countColour(s, targetColour(), s.rect()) == 0;
            }))
            return std::nullopt;
        return msSince(shownAt);
    }
};

// The bar reads as how long the target stays up; the instructions read out whole.
constexpr const char* kBar = "Difficulty, milliseconds the target stays up";
const char* const kInstructionsText = scene::kInstructions.data();

struct Expected {
    const char* role;
    const char* name;
    bool showing;
    std::vector<QString> actions;
};

// What a screen reader finds at the start, control by control.
const Expected kAtStart[] = {
    {"image", "Map of Iraq", true, {}},
    {"image", "Target", false, {}},
    {"image", "Target, hit", false, {}},
    {"image", "Explosion", false, {}},
    {"image", "Explosion", false, {}},
    {"image", "Civilian", false, {}},
    {"image", "Civilian", false, {}},
    {"image", "Civilian, hit", false, {}},
    {"check box", "Civilian", true, {"Toggle"}},
    {"scroll bar", "Difficulty, milliseconds the target stays up", true, {"Increase", "Decrease"}},
    {"label", "Difficulty", true, {}},
    {"push button", "Instructions", true, {"Press"}},
    {"push button", "Credits!", true, {"Press"}},
    {"notification", kInstructionsText, false, {}},
    {"text", "Credits", false, {}},
    {"notification", "", false, {}},
};

std::string describe(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

TEST_F(AccessibilityTest, TheWindowIsAFrameNamedByItsCaptionWithItsPurposeAsDescription)
{
    const QJsonArray windows = reader().windows();
    ASSERT_EQ(windows.size(), 1);
    const QJsonObject window = windows.first().toObject();
    EXPECT_EQ(window["role"].toString(), "frame");
    EXPECT_EQ(window["name"].toString(), "Blastmap");
    EXPECT_FALSE(window["description"].toString().isEmpty());
}

TEST_F(AccessibilityTest, EveryControlIsFoundOnceWithItsRoleNameVisibilityAndActions)
{
    const QJsonObject window = reader().windows().first().toObject();
    const QJsonArray children = window["children"].toArray();
    EXPECT_EQ(children.size(), static_cast<qsizetype>(std::size(kAtStart))) << describe(window);
    for (const Expected& expected : kAtStart) {
        SCOPED_TRACE(std::string(expected.role) + " " + expected.name);
        const auto alike = [&](const Expected& other) {
            return std::string_view(other.role) == expected.role &&
                   std::string_view(other.name) == expected.name;
        };
        const std::vector<QJsonObject> found = reader().children(expected.role, expected.name);
        ASSERT_EQ(found.size(), static_cast<std::size_t>(
                                    std::count_if(std::begin(kAtStart), std::end(kAtStart), alike)))
            << describe(window);
        for (const QJsonObject& child : found) {
            EXPECT_EQ(hasState(child, "showing"), expected.showing) << describe(child);
            for (const QString& action : expected.actions)
                EXPECT_TRUE(child["actions"].toArray().contains(action)) << describe(child);
        }
    }
    EXPECT_FALSE(hasState(reader().child("check box", "Civilian"), "checked"));
}

TEST_F(AccessibilityTest, TheBarReadsHowLongTheTargetStaysUpFrom650To200)
{
    const QJsonObject bar = reader().child("scroll bar", kBar)["value"].toObject();
    EXPECT_EQ(bar["minimum"].toDouble(), 200);
    EXPECT_EQ(bar["maximum"].toDouble(), 650);
    EXPECT_EQ(bar["increment"].toDouble(), 25);
    EXPECT_EQ(bar["current"].toDouble(), 650);
}

TEST_F(AccessibilityTest, ToggleOnTheCheckBoxShowsBothCiviliansAndHidesThemAgain)
{
    const auto civiliansShowing = [&] {
        int showing = 0;
        for (const QJsonObject& civilian : reader().children("image", "Civilian"))
            showing += hasState(civilian, "showing");
        return showing;
    };
    for (const bool ticked : {true, false}) {
        SCOPED_TRACE(ticked ? "ticked" : "cleared");
        reader().act("check box", "Civilian", "Toggle");
        EXPECT_TRUE(screenShows(
            [&](const QImage& s) { return civilianSpots(s).size() == (ticked ? 2u : 0u); }));
        EXPECT_TRUE(busSays([&] {
            return hasState(reader().child("check box", "Civilian"), "checked") == ticked &&
                   civiliansShowing() == (ticked ? 2 : 0);
        }));
    }
}

TEST_F(AccessibilityTest, PressOnInstructionsOpensItsPanelAndClosesItAgain)
{
    for (const bool open : {true, false}) {
        SCOPED_TRACE(open ? "instructions opened" : "instructions closed");
        reader().act("push button", "Instructions", "Press");
        EXPECT_TRUE(screenShows(
            [&](const QImage& s) { return panelShown(s, kInstructionsPanel) == open; }));
        EXPECT_TRUE(busSays([&] {
            return hasState(reader().child("notification", kInstructionsText), "showing") == open;
        }));
    }
}

TEST_F(AccessibilityTest, PressOnCreditsOpensItsPanelAndTheButtonSaysDoneUntilPressedAgain)
{
    for (const auto& [button, open] : {std::pair{"Credits!", true}, {"Done", false}}) {
        SCOPED_TRACE(button);
        reader().act("push button", button, "Press");
        EXPECT_TRUE(
            screenShows([&](const QImage& s) { return panelShown(s, kCreditsPanel) == open; }));
        EXPECT_TRUE(busSays([&] {
            return hasState(reader().child("text", "Credits"), "showing") == open &&
                   !reader().child("push button", open ? "Done" : "Credits!").isEmpty();
        }));
    }
}

TEST_F(AccessibilityTest, TheBarSetAndSteppedAsTheKeysDoShortensTheTargetsTimeUp)
{
    const auto barAt = [&](double value) {
        return busSays([&] {
            return reader().child("scroll bar", kBar)["value"].toObject()["current"] == value;
        });
    };
    reader().setValue("scroll bar", kBar, 200);
    EXPECT_TRUE(barAt(200));
    reader().act("scroll bar", kBar, "Increase");
    EXPECT_TRUE(barAt(225));
    reader().act("scroll bar", kBar, "Decrease");
    EXPECT_TRUE(barAt(200));
    const std::optional<long long> upMs = nextTargetUpMs();
    ASSERT_TRUE(upMs) << "no target came and went";
    // Both ends are seen with the same lag: only the jitter of a busy machine comes on top.
    EXPECT_LE(*upMs, 200 + 250) << "the target stayed up as long as before";
}

// What the player can change and a screen reader reads back: the box, the bar, the panels.
struct Controls {
    bool civilianTicked;
    double difficulty;
    bool instructionsShowing;
    bool creditsShowing;
    bool creditsButtonSaysDone;
    bool operator==(const Controls&) const = default;
};

Controls readControls(const ScreenReader& reader)
{
    return {hasState(reader.child("check box", "Civilian"), "checked"),
            reader.child("scroll bar", kBar)["value"].toObject()["current"].toDouble(),
            hasState(reader.child("notification", kInstructionsText), "showing"),
            hasState(reader.child("text", "Credits"), "showing"),
            !reader.child("push button", "Done").isEmpty()};
}

std::string describe(const Controls& controls)
{
    return std::string("civilian ") + (controls.civilianTicked ? "ticked" : "clear") +
           ", difficulty " + std::to_string(controls.difficulty) + ", instructions " +
           (controls.instructionsShowing ? "shown" : "hidden") + ", credits " +
           (controls.creditsShowing ? "shown" : "hidden") + ", button " +
           (controls.creditsButtonSaysDone ? "Done" : "Credits!");
}

// Every action a screen reader offers on the window's controls, once each.
void actOnEveryControl(const ScreenReader& reader, const Controls& now)
{
    reader.act("check box", "Civilian", "Toggle");
    reader.act("push button", "Instructions", "Press");
    reader.act("push button", now.creditsButtonSaysDone ? "Done" : "Credits!", "Press");
    reader.setValue("scroll bar", kBar, 450);
    reader.act("scroll bar", kBar, "Decrease");
    reader.act("scroll bar", kBar, "Decrease");
    reader.act("scroll bar", kBar, "Increase");
    reader.act("scroll bar", kBar, "SetFocus");
}

// A message box of the game, opened by the mouse as a player opens it.
enum class Box { Scolding, Congratulation };

class BoxHoldsTheScreenReader : public AccessibilityTest,
                                public ::testing::WithParamInterface<Box> {
protected:
    // Clicks a shown civilian until its box opens; a jump may take it from under the press.
    std::optional<XWindow> hitACivilian()
    {
        const QSize civilian = harness::controlRect(scene::form1Design(), "civ1").size();
        for (int attempt = 0; attempt < 5; ++attempt) {
            const std::optional<QImage> shown = waitForScreen(
                game(), kShown, [](const QImage& s) { return !civilianSpots(s).empty(); });
            if (!shown)
                return std::nullopt;
            const QPoint spot = civilianSpots(*shown).front();
            game().clickAt(spot + QPoint(civilian.width() / 2, civilian.height() / 2));
            std::vector<XWindow> boxes;
            if (waitUntil(milliseconds(2000), [&] {
                    boxes = game().messageBoxes();
                    return !boxes.empty();
                }))
                return boxes.front();
        }
        return std::nullopt;
    }

    std::optional<XWindow> openTheBox(const ScreenReader& client)
    {
        if (GetParam() == Box::Congratulation) {
            const std::optional<Hit> hit = hitTheTarget(game());
            return hit ? std::optional(hit->box) : std::nullopt;
        }
        client.act("check box", "Civilian", "Toggle");
        return hitACivilian();
    }
};

TEST_P(BoxHoldsTheScreenReader, NoActionGoesThroughBehindTheBoxAndEachWorksAfterOk)
{
    const ScreenReader client = reader();
    const std::optional<XWindow> box = openTheBox(client);
    ASSERT_TRUE(box) << "the box never opened";
    ASSERT_TRUE(moveAside(game(), *box));
    const Controls before = readControls(client);
    // Unavailable, as a desktop says of a window behind a modal dialog.
    for (const auto& [role, name] : {std::pair{"check box", "Civilian"},
                                     {"scroll bar", kBar},
                                     {"push button", "Instructions"}})
        EXPECT_FALSE(hasState(client.child(role, name), "sensitive")) << role << " " << name;

    actOnEveryControl(client, before);
    EXPECT_EQ(readControls(client), before) << describe(readControls(client));
    const QImage screen = game().capture();
    EXPECT_FALSE(panelShown(screen, kInstructionsPanel));
    EXPECT_FALSE(panelShown(screen, kCreditsPanel));
    EXPECT_EQ(game().messageBoxes(), std::vector<XWindow>{*box});

    // OK, from the keyboard, with the box focused as a window manager would focus it.
    harness::focusWindow(game().display(), *box);
    game().tapKey(XK_Return);
    ASSERT_TRUE(waitUntil(milliseconds(5000), [&] { return game().messageBoxes().empty(); }));
    EXPECT_TRUE(hasState(client.child("push button", "Instructions"), "sensitive"));
    actOnEveryControl(client, before);
    EXPECT_TRUE(busSays([&] {
        const Controls after = readControls(client);
        return after.civilianTicked != before.civilianTicked && after.difficulty == 425 &&
               after.instructionsShowing && after.creditsShowing && after.creditsButtonSaysDone;
    })) << describe(readControls(client));
    EXPECT_TRUE(screenShows([](const QImage& s) {
        return panelShown(s, kInstructionsPanel) && panelShown(s, kCreditsPanel);
    }));
}

INSTANTIATE_TEST_SUITE_P(EitherBox, BoxHoldsTheScreenReader,
                         ::testing::Values(Box::Scolding, Box::Congratulation),
                         [](const auto& box) {
                             return box.param == Box::Scolding ? "Scolding" : "Congratulation";
                         });

} // namespace
} // namespace e2e
