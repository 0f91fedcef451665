// A short real game under valgrind's memcheck: no memory error and no definite leak of ours.
#include "harness/window_actions.h"
#include "tests/e2e/game_session.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <X11/keysym.h>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>
#include <string>

namespace e2e {
namespace {

// Everything runs some thirty times slower under memcheck.
constexpr milliseconds kStep{30000};
constexpr int kErrorsFound = 99;

std::string readLog()
{
    std::ifstream log(BLASTMAP_MEMCHECK_LOG);
    std::ostringstream text;
    text << log.rdbuf();
    return text.str();
}

// The lines of valgrind's summaries, to show what it found.
std::string summaryLines(const std::string& log)
{
    std::istringstream lines(log);
    std::string line;
    std::string summary;
    bool inLeakSummary = false;
    while (std::getline(lines, line)) {
        if (line.find("LEAK SUMMARY") != std::string::npos)
            inLeakSummary = true;
        if (inLeakSummary || line.find("ERROR SUMMARY") != std::string::npos)
            summary += line + "\n";
        if (line.find("suppressed:") != std::string::npos)
            inLeakSummary = false;
    }
    return summary;
}

// On any failure, the game is asked to end so that valgrind writes its account, and the account
// is printed: what it found, or that it found nothing and the fault lies elsewhere.
class AccountOnFailure {
public:
    explicit AccountOnFailure(const std::unique_ptr<GameSession>& game)
        : m_game(game)
    {
    }
    ~AccountOnFailure()
    {
        if (!::testing::Test::HasFailure())
            return;
        if (m_game && m_game->process().running())
            m_game->process().terminate(milliseconds(90000));
        if (m_game)
            std::cout << m_game->report("MemcheckTest");
        const std::string log = readLog();
        std::cout << "valgrind's log of the failed run (" << BLASTMAP_MEMCHECK_LOG << "):\n"
                  << (log.empty() ? std::string("(empty: valgrind wrote nothing)\n") : log);
    }

private:
    const std::unique_ptr<GameSession>& m_game;
};

TEST(MemcheckTest, AShortGameUnderMemcheckShowsNoMemoryErrorAndLeaksNothingOfOurs)
{
    GameSession::Options options;
    options.launcher = {BLASTMAP_VALGRIND_PROGRAM,
                        "--tool=memcheck",
                        "--leak-check=full",
                        "--errors-for-leak-kinds=definite",
                        "--error-exitcode=" + std::to_string(kErrorsFound),
                        "--suppressions=" BLASTMAP_MEMCHECK_SUPPRESSIONS,
                        "--child-silent-after-fork=yes",
                        "--num-callers=40",
                        "--gen-suppressions=all",
                        "--log-file=" BLASTMAP_MEMCHECK_LOG};
    options.startTimeout = milliseconds(90000);
    // A log of an earlier run must not stand in for this one's.
    std::remove(BLASTMAP_MEMCHECK_LOG);
    std::unique_ptr<GameSession> game;
    const AccountOnFailure account(game);
    try {
        game = std::make_unique<GameSession>(options);
    } catch (const std::exception& error) {
        FAIL() << error.what();
    }

    // A miss: the explosion comes and goes.
    const QRect square(kBareMapPoint - kHalfExplosion, kExplosionSize);
    game->clickAt(kBareMapPoint);
    EXPECT_TRUE(waitForScreen(*game, kStep, [&](const QImage& screen) {
        return !showsBareMap(screen, square);
    })) << "no explosion";
    EXPECT_TRUE(waitForScreen(*game, kStep, [&](const QImage& screen) {
        return showsBareMap(screen, square);
    })) << "the explosion stayed";

    // A hit: the message box, closed with OK.
    const std::optional<Hit> hit = hitTheTarget(*game);
    EXPECT_TRUE(hit) << "no press got the target";
    if (hit) {
        harness::focusWindow(game->display(), hit->box);
        game->tapKey(XK_Return);
        EXPECT_TRUE(waitUntil(kStep, [&] { return game->messageBoxes().empty(); }))
            << "the box stayed open";
    }

    // The civilians, ticked on and seen to jump.
    game->clickAt(kCivilianCheckBox);
    std::vector<QPoint> first;
    EXPECT_TRUE(waitForScreen(*game, kStep, [&](const QImage& screen) {
        first = civilianSpots(screen);
        return first.size() == 2;
    })) << "no civilians";
    EXPECT_TRUE(waitForScreen(*game, kStep, [&](const QImage& screen) {
        const std::vector<QPoint> now = civilianSpots(screen);
        return now.size() == 2 && now != first;
    })) << "the civilians never jumped";

    // A panel, opened and put away.
    game->clickAt(kCreditsButton.center());
    EXPECT_TRUE(waitForScreen(*game, kStep, [](const QImage& screen) {
        return !showsBareMap(screen, kCreditsPanel);
    })) << "no credits";
    game->clickAt(kCreditsButton.center());

    game->requestClose();
    const std::optional<int> status = game->process().waitForExit(milliseconds(90000));
    std::cout << summaryLines(readLog());
    ASSERT_TRUE(status.has_value()) << "the game still runs 90 s after WM_DELETE_WINDOW";
    EXPECT_EQ(harness::describeWaitStatus(*status), harness::describeWaitStatus(0));
}

} // namespace
} // namespace e2e
