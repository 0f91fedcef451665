// The fixture of the end-to-end tests: a fresh game for every test, in a fresh Xvfb unless a
// fixture of its own puts it elsewhere.
#pragma once

#include "harness/x_windows.h"
#include "tests/e2e/game_session.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <string>

namespace e2e {

class GameTest : public ::testing::Test {
protected:
    // How the game runs: as a client of a private Xvfb here.
    virtual GameSession::Options sessionOptions() const { return {}; }

    void SetUp() override
    {
        try {
            m_game = std::make_unique<GameSession>(sessionOptions());
        } catch (const std::exception& error) {
            FAIL() << error.what();
        }
    }

    // A game that ended before the test asked it to has crashed or quit on its own. A failed
    // test tells what the game and the screen were doing.
    void TearDown() override
    {
        if (m_game && !m_closeRequested && !m_game->process().running())
            ADD_FAILURE() << "the game ended by itself: "
                          << harness::describeWaitStatus(
                                 *m_game->process().waitForExit(milliseconds(0)));
        if (m_game && HasFailure())
            std::cout << m_game->report(testName());
    }

    // The suite's and the test's names, as a file name.
    static std::string testName()
    {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        std::replace(name.begin(), name.end(), '/', '_');
        return name;
    }

    GameSession& game() { return *m_game; }

    // Gives the window's close command and expects the game to exit with status 0.
    void expectCleanExitOnClose()
    {
        m_closeRequested = true;
        game().requestClose();
        const std::optional<int> status = game().process().waitForExit(milliseconds(15000));
        ASSERT_TRUE(status.has_value()) << "the game still runs 15 s after the close command";
        EXPECT_EQ(harness::describeWaitStatus(*status), harness::describeWaitStatus(0));
    }

    // Sends the game a signal and expects its window and any box of it to go, and the game to
    // exit with status 0.
    void expectCleanExitOnSignal(int number)
    {
        m_closeRequested = true;
        ASSERT_TRUE(game().process().sendSignal(number)) << "the game had already ended";
        EXPECT_TRUE(waitUntil(milliseconds(15000), [this] { return !game().anyWindowShows(); }))
            << "the window or a box of the game still shows 15 s after the signal";
        const std::optional<int> status = game().process().waitForExit(milliseconds(15000));
        ASSERT_TRUE(status.has_value()) << "the game still runs 15 s after the signal";
        EXPECT_EQ(harness::describeWaitStatus(*status), harness::describeWaitStatus(0));
    }

private:
    std::unique_ptr<GameSession> m_game;
    bool m_closeRequested = false;
};

} // namespace e2e
