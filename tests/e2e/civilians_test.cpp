// The Civilian check box: two civilians jumping between the spots, and gone when cleared.
#include "tests/e2e/game_test.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <cmath>
#include <sstream>
#include <thread>

namespace e2e {
namespace {

constexpr long long kJumpMs = 750;

bool twoCivilians(const QImage& screen) { return civilianSpots(screen).size() == 2; }

std::string describe(const std::vector<long long>& jumps)
{
    std::ostringstream text;
    text << "jumps at";
    for (long long at : jumps)
        text << " " << at;
    text << " ms";
    return text.str();
}

using CivilianTest = GameTest;

TEST_F(CivilianTest, TickingCivilianShowsTwoCiviliansThatJumpBetweenTheSpotsEvery750Ms)
{
    game().clickAt(kCivilianCheckBox);
    std::optional<QImage> shown = waitForScreen(game(), milliseconds(3000), twoCivilians);
    ASSERT_TRUE(shown) << "no two civilians after ticking Civilian";

    // When the pair of spots changes; a jump may also land where a civilian already stood.
    const Clock::time_point watchFrom = Clock::now();
    std::vector<QPoint> spots = civilianSpots(*shown);
    std::vector<long long> jumps;
    while (msSince(watchFrom) < 4200) {
        QImage screen = game().capture();
        std::vector<QPoint> now = civilianSpots(screen);
        // A desktop may put a repaint on the screen in several pieces (Qt's, or wine's window
        // by window), and a capture may fall between two of them; within a frame or two the
        // pieces are whole.
        const Clock::time_point torn = Clock::now();
        while (now.size() != 2 && msSince(torn) < 50) {
            screen = game().capture();
            now = civilianSpots(screen);
        }
        ASSERT_EQ(now.size(), 2u) << "at " << msSince(watchFrom) << " ms";
        EXPECT_GT(countColour(screen, civilianColour(), screen.rect()), 0);
        if (now != spots)
            jumps.push_back(msSince(watchFrom));
        spots = now;
        std::this_thread::sleep_for(milliseconds(10));
    }

    ASSERT_GE(jumps.size(), 3u) << describe(jumps);
    for (std::size_t i = 1; i < jumps.size(); ++i) {
        const long long gap = jumps[i] - jumps[i - 1];
        const long long periods = std::llround(static_cast<double>(gap) / kJumpMs);
        EXPECT_GE(periods, 1) << describe(jumps);
        EXPECT_LE(std::abs(gap - periods * kJumpMs), 250) << describe(jumps);
    }
}

TEST_F(CivilianTest, ClearingCivilianHidesBothCivilians)
{
    game().clickAt(kCivilianCheckBox);
    ASSERT_TRUE(waitForScreen(game(), milliseconds(3000), twoCivilians));

    game().clickAt(kCivilianCheckBox);
    ASSERT_TRUE(waitForScreen(game(), milliseconds(3000), [](const QImage& screen) {
        return civilianSpots(screen).empty();
    })) << "the civilians stayed after clearing Civilian";

    // Through two jumps: hidden civilians may move, but must not show.
    const Clock::time_point watchFrom = Clock::now();
    while (msSince(watchFrom) < 1800) {
        const QImage screen = game().capture();
        ASSERT_TRUE(civilianSpots(screen).empty()) << "at " << msSince(watchFrom) << " ms";
        ASSERT_EQ(countColour(screen, civilianColour(), screen.rect()), 0);
        std::this_thread::sleep_for(milliseconds(20));
    }
}

} // namespace
} // namespace e2e
