// The window as a window manager sees it, and the first seconds of a game.
#include "harness/x_windows.h"
#include "tests/e2e/desktop_entry.h"
#include "tests/e2e/game_checks.h"
#include "tests/e2e/game_test.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/scene_view.h"

#include <algorithm>
#include <thread>

namespace e2e {
namespace {

using WindowTest = GameTest;

TEST_F(WindowTest, TheWindowIsCalledBlastmapHasAFixedClientAreaAnIconAndTakesDeleteRequests)
{
    EXPECT_EQ(harness::windowName(game().display(), game().window()), "Blastmap");
    EXPECT_EQ(game().geometry().size(), kClientSize);
    if (!game().desktop().traits().windowPropertiesAreTheProgramsOwn)
        GTEST_SKIP() << "the window's class, hints, icon and protocols are the desktop's";
    // A desktop matches the window to its menu entry by the class of WM_CLASS.
    EXPECT_EQ(harness::windowClass(game().display(), game().window()),
              desktopEntryValue("StartupWMClass"));

    const harness::SizeHints hints = harness::normalHints(game().display(), game().window());
    EXPECT_TRUE(hints.hasMinimum);
    EXPECT_TRUE(hints.hasMaximum);
    EXPECT_EQ(hints.minimum, kClientSize);
    EXPECT_EQ(hints.maximum, kClientSize);

    // _NET_WM_ICON: width, height, then that many ARGB pixels, for one size or more.
    const std::vector<unsigned long> icon =
        harness::longProperty(game().display(), game().window(), "_NET_WM_ICON", "CARDINAL");
    ASSERT_GE(icon.size(), 3u) << "no _NET_WM_ICON";
    const unsigned long width = icon[0];
    const unsigned long height = icon[1];
    EXPECT_GT(width, 0u);
    EXPECT_GT(height, 0u);
    ASSERT_GE(icon.size(), 2 + width * height);
    const bool drawn = std::any_of(icon.begin() + 2, icon.begin() + 2 + width * height,
                                   [](unsigned long argb) { return (argb >> 24) != 0; });
    EXPECT_TRUE(drawn) << "the icon is fully transparent";

    EXPECT_TRUE(harness::supportsProtocol(game().display(), game().window(), "WM_DELETE_WINDOW"));
}

TEST_F(WindowTest, NothingChangesOnScreenInTheFirstTwoAndAHalfSeconds)
{
    const QImage first = game().capture();
    EXPECT_TRUE(showsBareMap(first, QRect(spots().front(), kTargetSize)));
    EXPECT_EQ(countColour(first, targetColour(), first.rect()), 0);
    EXPECT_EQ(countColour(first, civilianColour(), first.rect()), 0);

    const long long startedAt = msSince(game().launchedAt());
    long long lastCompared = startedAt;
    int captures = 0;
    while (msSince(game().launchedAt()) < 2500) {
        const QImage screen = game().capture();
        const long long at = msSince(game().launchedAt());
        if (at >= 2500)
            break;
        ++captures;
        lastCompared = at;
        ASSERT_EQ(differingPixels(first, screen, first.rect()), 0)
            << "the screen changed " << at << " ms after the launch";
        std::this_thread::sleep_for(milliseconds(20));
    }
    // A machine too slow to show the window well before 2.5 s proves nothing here: under load a
    // wine game shows its window late, counted from its runner's launch. Said, not failed.
    if (lastCompared - startedAt < 1000)
        GTEST_SKIP() << "only " << captures << " captures from " << startedAt << " ms to "
                     << lastCompared << " ms: the window showed too late to tell";
}

TEST_F(WindowTest, TheFirstTargetShowsAboutThreeSecondsInAtOneOfTheSpotsForAboutSixHundredMs)
{
    checkFirstTargetShowsAboutThreeSecondsIn(game());
}

} // namespace
} // namespace e2e
