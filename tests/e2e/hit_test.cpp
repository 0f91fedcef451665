// A press on the shown target: the hit picture and the modal message box, and play after OK.
#include "harness/window_actions.h"
#include "harness/x_windows.h"
#include "tests/e2e/game_test.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <X11/keysym.h>
#include <thread>

namespace e2e {
namespace {

using HitTest = GameTest;

TEST_F(HitTest, APressOnTheTargetOpensABoxOverTheHitPictureAndNoTargetShowsUntilOk)
{
    const std::optional<Hit> hit = hitTheTarget(game());
    ASSERT_TRUE(hit) << "no press got the target";

    const std::vector<XWindow> boxes = game().messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(harness::windowName(game().display(), hit->box), "Blastmap");
    EXPECT_EQ(harness::transientFor(game().display(), hit->box), game().window());

    ASSERT_TRUE(moveAside(game(), hit->box));
    // Until the game draws again where the box stood, the window shows the box's pixels there.
    EXPECT_TRUE(waitForScreen(game(), milliseconds(3000), [&](const QImage& screen) {
        return hitShownAt(screen, hit->spot) && mapIsDrawn(screen);
    })) << "no hit picture where the target was";

    // The box is modal: a press on Credits does not open the panel.
    game().clickAt(kCreditsButton.center());

    // Longer than the longest pause between two targets and a target's time up.
    const Clock::time_point watchFrom = Clock::now();
    while (msSince(watchFrom) < 3800) {
        const QImage screen = game().capture();
        ASSERT_FALSE(panelShown(screen, kCreditsPanel)) << "the credits opened under the box";
        ASSERT_FALSE(targetSpot(screen)) << "a target showed under the box";
        ASSERT_TRUE(hitShownAt(screen, hit->spot)) << "the hit picture went under the box";
        ASSERT_EQ(countColour(screen, targetColour(), screen.rect()),
                  countColour(screen, targetColour(), QRect(hit->spot, kTargetSize)))
            << "olive outside the hit picture";
        std::this_thread::sleep_for(milliseconds(20));
    }
    ASSERT_EQ(game().messageBoxes(), boxes);

    // Nor does Space on the game window, where the focus starts on Credits: the desktop drops it
    // or hands it to the box, whose OK takes it.
    harness::focusWindow(game().display(), game().window());
    game().tapKey(XK_space);
    EXPECT_FALSE(waitForScreen(game(), milliseconds(500), [](const QImage& screen) {
        return panelShown(screen, kCreditsPanel);
    })) << "Space on the game window opened the credits under the box";

    // OK, from the keyboard, with the box focused as a window manager would focus it.
    if (!game().messageBoxes().empty()) {
        harness::focusWindow(game().display(), hit->box);
        game().tapKey(XK_Return);
    }
    EXPECT_TRUE(waitUntil(milliseconds(5000), [&] { return game().messageBoxes().empty(); }))
        << "the box stayed open";
    EXPECT_TRUE(waitForScreen(game(), milliseconds(3000), [&](const QImage& screen) {
        return !hitShownAt(screen, hit->spot);
    })) << "the hit picture stayed";
    EXPECT_TRUE(waitForTarget(game(), milliseconds(8000))) << "the target never came back";
}

} // namespace
} // namespace e2e
