// WM_DELETE_WINDOW ends the game with status 0 whatever is going on in it.
#include "tests/e2e/game_test.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

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
    constexpr QPoint kPress{348, 130};
    game().clickAt(kPress);
    ASSERT_TRUE(waitForScreen(game(), milliseconds(3000), [&](const QImage& screen) {
        return shownFraction(screen, gamePictures().explosion1, kPress - QPoint(32, 32)) > 0.9;
    })) << "no explosion";
    expectCleanExitOnClose();
}

TEST_F(ClosingTest, ClosingTheWindowUnderTheMessageBoxExitsWithStatusZero)
{
    const std::optional<Hit> hit = hitTheTarget(game());
    ASSERT_TRUE(hit) << "no press got the target";
    expectCleanExitOnClose();
}

} // namespace
} // namespace e2e
