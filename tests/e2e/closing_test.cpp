// WM_DELETE_WINDOW, SIGTERM, SIGHUP and SIGINT end the game with status 0 whatever is going on in
// it.
#include "tests/e2e/chosen_desktop.h"
#include "tests/e2e/game_test.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <csignal>
#include <ostream>

namespace e2e {
namespace {

using ClosingTest = GameTest;

TEST_F(ClosingTest, ClosingTheIdleWindowExitsWithStatusZero) { expectCleanExitOnClose(); }

TEST_F(ClosingTest, ClosingTheWindowWithTheCreditsPanelOpenExitsWithStatusZero)
{
    game().clickAt(kCreditsButton.center());
    ASSERT_TRUE(waitForScreen(game(), milliseconds(3000), [](const QImage& screen) {
        return !showsBareMap(screen, kCreditsPanel);
    })) << "the panel never showed";
    expectCleanExitOnClose();
}

TEST_F(ClosingTest, ClosingTheWindowWhileAnExplosionPlaysExitsWithStatusZero)
{
    game().clickAt(kBareMapPoint);
    ASSERT_TRUE(waitForScreen(game(), milliseconds(3000), [&](const QImage& screen) {
        return shownFraction(screen, gamePictures().explosion1, kBareMapPoint - kHalfExplosion) >
               0.9;
    })) << "no explosion";
    expectCleanExitOnClose();
}

TEST_F(ClosingTest, ClosingTheWindowUnderTheMessageBoxExitsWithStatusZero)
{
    const std::optional<Hit> hit = hitTheTarget(game());
    ASSERT_TRUE(hit) << "no press got the target";
    if (!game().desktop().traits().closesWindowsUnderAModalBox) {
        // Refused while the box is up: the game plays on under it until the box is closed.
        game().requestClose();
        EXPECT_FALSE(waitUntil(milliseconds(1500), [&] { return !game().process().running(); }))
            << "the game ended on a close command that its desktop refuses";
        ASSERT_EQ(game().messageBoxes().size(), 1u) << "the box went with the window's command";
        game().requestClose(hit->box);
        ASSERT_TRUE(waitUntil(
            milliseconds(5000), [&] { return game().messageBoxes().empty(); }, game().pollPace()))
            << "the box's own close command left it open";
    }
    expectCleanExitOnClose();
}

// Where the game is when the signal comes: waiting in the box's own event loop, or with a panel
// open in the main one.
enum class Opened { MessageBox, CreditsPanel };

struct SignalCase {
    const char* name;
    int number;
    Opened opened;
};

const SignalCase kSignalCases[] = {
    {"SigtermUnderTheMessageBox", SIGTERM, Opened::MessageBox},
    {"SighupUnderTheMessageBox", SIGHUP, Opened::MessageBox},
    {"SigintUnderTheMessageBox", SIGINT, Opened::MessageBox},
    {"SigtermWithTheCreditsPanelOpen", SIGTERM, Opened::CreditsPanel},
};

std::ostream& operator<<(std::ostream& out, const SignalCase& signal) { return out << signal.name; }

class SignalClosingTest : public GameTest, public ::testing::WithParamInterface<SignalCase> {
protected:
    void SetUp() override
    {
        if (!chosenDesktopTraits().programsTakeSignals)
            GTEST_SKIP() << "the desktop's programs take no POSIX signals";
        GameTest::SetUp();
    }
};

TEST_P(SignalClosingTest, ClosesTheWindowAndExitsWithStatusZero)
{
    if (GetParam().opened == Opened::MessageBox) {
        ASSERT_TRUE(hitTheTarget(game())) << "no press got the target";
    } else {
        game().clickAt(kCreditsButton.center());
        ASSERT_TRUE(waitForScreen(game(), milliseconds(3000), [](const QImage& screen) {
            return !showsBareMap(screen, kCreditsPanel);
        })) << "the panel never showed";
    }
    expectCleanExitOnSignal(GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalClosingTest, ::testing::ValuesIn(kSignalCases),
                         [](const ::testing::TestParamInfo<SignalCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace e2e
