// The Credits and Instructions panels: shown and put away by their buttons, pausing the target.
#include "tests/e2e/game_test.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <thread>

namespace e2e {
namespace {

struct Panel {
    const char* name;
    QRect button;
    QRect panel;
    // Whether the button reads differently while its panel is open.
    bool buttonChanges;
};

// The button's caption, inside the focus frame that a toolkit may draw round a pressed button
// (Windows does): what tells a button that reads differently.
QRect captionOf(const Panel& panel)
{
    constexpr int kFocusFrame = 5;
    return panel.button.adjusted(kFocusFrame, kFocusFrame, -kFocusFrame, -kFocusFrame);
}

const Panel kCredits{"Credits", kCreditsButton, kCreditsPanel, true};
const Panel kInstructions{"Instructions", kInstructionsButton, kInstructionsPanel, false};

class PanelTest : public GameTest {
protected:
    // Clicks the button and takes the pointer off the window, so that no hover effect shows.
    void clickButton(const Panel& panel)
    {
        game().clickAt(panel.button.center());
        game().moveTo(game().geometry().bottomRight() + QPoint(100, 100));
    }

    // A capture once the button has looked the same for a while: a repaint may lag the pointer.
    QImage settled(const Panel& panel)
    {
        QImage last = game().capture();
        Clock::time_point sameSince = Clock::now();
        waitUntil(milliseconds(5000), [&] {
            const QImage screen = game().capture();
            if (!sameArea(last, screen, captionOf(panel))) {
                last = screen;
                sameSince = Clock::now();
            }
            return msSince(sameSince) >= 300;
        });
        return last;
    }

    // Opens the panel early, checks that no target shows until well after the first one was
    // due, closes the panel and checks that the screen is as it was and the target comes back.
    void checkPanel(const Panel& panel)
    {
        SCOPED_TRACE(panel.name);
        game().moveTo(game().geometry().bottomRight() + QPoint(100, 100));
        const QImage before = settled(panel);
        ASSERT_TRUE(showsBareMap(before, panel.panel));

        clickButton(panel);
        ASSERT_TRUE(waitForScreen(game(), milliseconds(3000), [&](const QImage& screen) {
            return panelShown(screen, panel.panel);
        })) << "the panel never showed";
        const QImage open = settled(panel);
        EXPECT_EQ(!sameArea(before, open, captionOf(panel)), panel.buttonChanges);
        ASSERT_LT(msSince(game().launchedAt()), 2900) << "the panel opened too late to tell";

        // The first target was due 3 s after the launch.
        while (msSince(game().launchedAt()) < 5000) {
            const QImage screen = game().capture();
            ASSERT_TRUE(panelShown(screen, panel.panel));
            ASSERT_EQ(countColour(screen, targetColour(), screen.rect()), 0)
                << "a target showed " << msSince(game().launchedAt()) << " ms after the launch";
            std::this_thread::sleep_for(milliseconds(20));
        }

        clickButton(panel);
        EXPECT_TRUE(waitForScreen(game(), milliseconds(3000), [&](const QImage& screen) {
            return showsBareMap(screen, panel.panel) && sameArea(before, screen, captionOf(panel));
        })) << "the map or the button did not come back as they were";
        EXPECT_TRUE(waitForTarget(game(), milliseconds(8000))) << "no target after the panel";
    }
};

TEST_F(PanelTest, CreditsShowsTheCreditsAndChangesItsButtonPausingTheTargetUntilPressedAgain)
{
    checkPanel(kCredits);
}

TEST_F(PanelTest, InstructionsShowsTheInstructionsPausingTheTargetUntilPressedAgain)
{
    checkPanel(kInstructions);
}

} // namespace
} // namespace e2e
