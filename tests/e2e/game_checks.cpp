// Checks shared by the plain X tests and the Weston ones.
#include "tests/e2e/game_checks.h"

#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <vector>

namespace e2e {
namespace {

constexpr QPoint kHalfExplosion{32, 32};

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

// What the explosion's square shows, and where an explosion picture's corner lies if one does.
Phase classify(const QImage& screen, long long atMs)
{
    const QRect square(kBareMapPoint - kHalfExplosion, kExplosionSize);
    if (showsBareMap(screen, square))
        return {Shown::BareMap, atMs, {}};
    const GamePictures& pictures = gamePictures();
    // A few pixels of search, so that a misplaced explosion is reported where it is.
    const BestMatch one = bestMatchNear(screen, pictures.explosion1, square.topLeft(), 3);
    const BestMatch two = bestMatchNear(screen, pictures.explosion2, square.topLeft(), 3);
    if (one.fraction >= 0.95 && two.fraction < 0.95)
        return {Shown::Explosion1, atMs, one.topLeft};
    if (two.fraction >= 0.95 && one.fraction < 0.95)
        return {Shown::Explosion2, atMs, two.topLeft};
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
std::string describeOther(const QImage& screen)
{
    if (screen.isNull())
        return "no other frame";
    const QPoint expected = kBareMapPoint - kHalfExplosion;
    const BestMatch one = bestMatchNear(screen, gamePictures().explosion1, expected, 12);
    const BestMatch two = bestMatchNear(screen, gamePictures().explosion2, expected, 12);
    std::ostringstream text;
    text << "on another frame, explosion1 best at " << one.topLeft.x() << "," << one.topLeft.y()
         << " (" << one.fraction << "), explosion2 best at " << two.topLeft.x() << ","
         << two.topLeft.y() << " (" << two.fraction << "), expected at " << expected.x() << ","
         << expected.y();
    return text.str();
}

} // namespace

void checkFirstTargetShowsAboutThreeSecondsIn(const GameSession& game)
{
    std::optional<QImage> shown = waitForScreen(game, milliseconds(9000), [](const QImage& s) {
        return countColour(s, kTargetOlive, s.rect()) > 0;
    });
    const long long shownAt = msSince(game.launchedAt());
    ASSERT_TRUE(shown) << "no target within 9 s";
    // The game's timer starts after the launch, so it cannot be early; it may be late.
    EXPECT_GE(shownAt, 2900);
    EXPECT_LE(shownAt, 3000 + 2500);

    const QRect olive = colourBounds(*shown, kTargetOlive);
    const std::vector<QPoint> holders = spotsHolding(olive, kTargetSize);
    ASSERT_EQ(holders.size(), 1u) << "olive at " << olive.x() << "," << olive.y() << " "
                                  << olive.width() << "x" << olive.height();
    EXPECT_GE(shownFraction(*shown, gamePictures().target, holders.front()), 0.9);

    const std::optional<QImage> hidden =
        waitForScreen(game, milliseconds(3000),
                      [](const QImage& s) { return countColour(s, kTargetOlive, s.rect()) == 0; });
    const long long shownFor = msSince(game.launchedAt()) - shownAt;
    ASSERT_TRUE(hidden) << "the target never hid";
    EXPECT_TRUE(showsBareMap(*hidden, QRect(holders.front(), kTargetSize)));
    // Up 650 ms: both ends are seen with the same lag, so only the jitter of a busy machine.
    EXPECT_GE(shownFor, 450);
    EXPECT_LE(shownFor, 650 + 450);
}

void checkBareMapPressExplodesCentredOnIt(const GameSession& game)
{
    ASSERT_TRUE(
        showsBareMap(game.capture(), QRect(kBareMapPoint - kHalfExplosion, kExplosionSize)));
    const Clock::time_point pressedAt = Clock::now();
    game.clickAt(kBareMapPoint);

    // The phases in the order first seen; frames showing something else are left out.
    std::vector<Phase> phases;
    QImage other;
    while (msSince(pressedAt) < 3000) {
        const QImage screen = game.capture();
        const Phase seen = classify(screen, msSince(pressedAt));
        if (seen.shown == Shown::Other && other.isNull())
            other = screen;
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
        EXPECT_EQ(phases[i].topLeft, kBareMapPoint - kHalfExplosion)
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
