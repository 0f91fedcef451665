// Checks shared by the plain X tests and the Weston ones.
#include "tests/e2e/game_checks.h"

#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

namespace e2e {
namespace {

enum class Shown { BareMap, Explosion1, Explosion2, Other };

const char* name(Shown shown)
{
    switch (shown) {
    case Shown::BareMap:
        return "bare map";
    case Shown::Explosion1:
        return "explosion1";
    case Shown::Explosion2:
        return "explosion2";
    case Shown::Other:
        break;
    }
    return "something else";
}

struct Phase {
    Shown shown;
    long long firstSeenMs;
    QPoint topLeft;
};

// The explosion's square, and around it room for the search that reports a misplaced one.
const QRect kSquare(kBareMapPoint - kHalfExplosion, kExplosionSize);
constexpr int kSearchRadius = 12;
const QRect kWatched =
    kSquare.adjusted(-kSearchRadius, -kSearchRadius, kSearchRadius, kSearchRadius);
// The square's corner within a capture of kWatched.
const QPoint kSquareInWatched = kSquare.topLeft() - kWatched.topLeft();

// What a capture of kWatched shows in the square, given a capture of it before the press, and
// where an explosion picture's corner lies if one does, in client coordinates.
Phase classify(const QImage& watched, const QImage& bare, long long atMs)
{
    if (sameArea(watched, bare, QRect(kSquareInWatched, kExplosionSize)))
        return {Shown::BareMap, atMs, {}};
    const GamePictures& pictures = gamePictures();
    // A few pixels of search, so that a misplaced explosion is reported where it is.
    const BestMatch one = bestMatchNear(watched, pictures.explosion1, kSquareInWatched, 3);
    const BestMatch two = bestMatchNear(watched, pictures.explosion2, kSquareInWatched, 3);
    const QPoint toClient = kWatched.topLeft();
    if (one.fraction >= 0.95 && two.fraction < 0.95)
        return {Shown::Explosion1, atMs, one.topLeft + toClient};
    if (two.fraction >= 0.95 && one.fraction < 0.95)
        return {Shown::Explosion2, atMs, two.topLeft + toClient};
    return {Shown::Other, atMs, {}};
}

std::string describe(const std::vector<Phase>& phases)
{
    std::ostringstream text;
    for (const Phase& phase : phases)
        text << name(phase.shown) << " from " << phase.firstSeenMs << " ms; ";
    return text.str();
}

// Where the explosion pictures show best around the press on a frame that was neither.
std::string describeOther(const QImage& watched)
{
    if (watched.isNull())
        return "no other frame";
    const BestMatch one =
        bestMatchNear(watched, gamePictures().explosion1, kSquareInWatched, kSearchRadius);
    const BestMatch two =
        bestMatchNear(watched, gamePictures().explosion2, kSquareInWatched, kSearchRadius);
    const QPoint toClient = kWatched.topLeft();
    const QPoint oneAt = one.topLeft + toClient;
    const QPoint twoAt = two.topLeft + toClient;
    std::ostringstream text;
    text << "on another frame, explosion1 best at " << oneAt.x() << "," << oneAt.y() << " ("
         << one.fraction << "), explosion2 best at " << twoAt.x() << "," << twoAt.y() << " ("
         << two.fraction << "), expected at " << kSquare.x() << "," << kSquare.y();
    return text.str();
}

} // namespace

void checkFirstTargetShowsAboutThreeSecondsIn(const GameSession& game)
{
    std::optional<QImage> shown = waitForScreen(game, milliseconds(9000), [](const QImage& s) {
        return countColour(s, targetColour(), s.rect()) > 0;
    });
    const long long shownAt = msSince(game.launchedAt());
    ASSERT_TRUE(shown) << "no target within 9 s";
    // The game's timer starts after the launch, so it cannot be early; it may be late.
    EXPECT_GE(shownAt, 2900);
    EXPECT_LE(shownAt, 3000 + 2500);

    const QRect olive = colourBounds(*shown, targetColour());
    const std::vector<QPoint> holders = spotsHolding(olive, kTargetSize);
    ASSERT_EQ(holders.size(), 1u) << "olive at " << olive.x() << "," << olive.y() << " "
                                  << olive.width() << "x" << olive.height();
    EXPECT_GE(shownFraction(*shown, gamePictures().target, holders.front()), 0.9);

    // Up 650 ms: both ends are seen with the same lag, so only the jitter of a busy machine.
    constexpr long long kUp = 650;
    constexpr long long kJitter = 450;
    // `moveT` may move the target within a showing, and may also show it again within one capture
    // of the hide, where no bare frame is seen between the two showings. So a move at least
    // kUp - kJitter into a showing is read as a hide and a new showing, which must end in turn.
    std::optional<long long> firstEnd;
    QPoint at = holders.front();
    long long showingFrom = shownAt;
    std::ostringstream seen;
    seen << "shown at " << at.x() << "," << at.y() << " from " << shownAt << " ms; ";
    for (;;) {
        const QImage screen = game.capture();
        const long long now = msSince(game.launchedAt());
        ASSERT_FALSE(screen.isNull());
        ASSERT_LE(now - showingFrom, kUp + kJitter) << seen.str() << "still shown at " << now;
        if (countColour(screen, targetColour(), screen.rect()) == 0) {
            EXPECT_TRUE(showsBareMap(screen, QRect(at, kTargetSize))) << seen.str();
            firstEnd = firstEnd.value_or(now);
            break;
        }
        // A frame caught mid-move may show the target at two spots at once; it tells nothing.
        const std::vector<QPoint> spotNow =
            spotsHolding(colourBounds(screen, targetColour()), kTargetSize);
        if (spotNow.size() == 1 && spotNow.front() != at) {
            at = spotNow.front();
            seen << "at " << at.x() << "," << at.y() << " from " << now << " ms; ";
            if (now - showingFrom >= kUp - kJitter) {
                firstEnd = firstEnd.value_or(now);
                showingFrom = now;
            }
        }
        std::this_thread::sleep_for(game.pollPace());
    }
    EXPECT_GE(*firstEnd - shownAt, kUp - kJitter) << seen.str();
}

void checkBareMapPressExplodesCentredOnIt(const GameSession& game)
{
    ASSERT_TRUE(showsBareMap(game.capture(), kSquare));
    // Only the square and its margin are read back at each poll.
    const QImage bare = game.capture(kWatched);
    const Clock::time_point pressedAt = Clock::now();
    game.clickAt(kBareMapPoint);

    // The phases in the order first seen; frames showing something else are left out.
    std::vector<Phase> phases;
    QImage other;
    while (msSince(pressedAt) < 3000) {
        const QImage watched = game.capture(kWatched);
        const Phase seen = classify(watched, bare, msSince(pressedAt));
        if (seen.shown == Shown::Other && other.isNull())
            other = watched;
        if (seen.shown != Shown::Other && (phases.empty() || phases.back().shown != seen.shown))
            phases.push_back(seen);
        if (phases.size() == 5)
            break;
        std::this_thread::sleep_for(milliseconds(5));
    }

    const std::vector<Shown> expected{Shown::BareMap, Shown::Explosion1, Shown::Explosion2,
                                      Shown::Explosion1, Shown::BareMap};
    ASSERT_EQ(phases.size(), expected.size()) << describe(phases) << describeOther(other);
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(phases[i].shown, expected[i]) << describe(phases) << describeOther(other);

    for (std::size_t i = 1; i <= 3; ++i)
        EXPECT_EQ(phases[i].topLeft, kSquare.topLeft())
            << name(phases[i].shown) << " is not centred on the press";

    // Every 300 ms after the press; never early, and late by at most the slack of a busy
    // machine.
    for (std::size_t i = 1; i < phases.size(); ++i) {
        const long long due = 300 * static_cast<long long>(i);
        EXPECT_GE(phases[i].firstSeenMs, due - 50) << describe(phases);
        EXPECT_LE(phases[i].firstSeenMs, due + 800) << describe(phases);
    }
}

} // namespace e2e
