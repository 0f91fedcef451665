// The game as a native Wayland client of Weston, which runs inside Xvfb: the same play as in
// plain X, the title bar that Qt draws itself, and what maximising does.
#include "harness/weston_session.h"
#include "harness/x_input.h"
#include "harness/xvfb_server.h"
#include "tests/e2e/game_checks.h"
#include "tests/e2e/game_test.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <X11/keysym.h>
#include <memory>
#include <string>

namespace e2e {
namespace {

constexpr QSize kOutputSize{1024, 768};
// With room beside the output, where the pointer rests.
constexpr QSize kScreenSize{1280, 1024};
constexpr milliseconds kSettle{1000};
constexpr int kDragSteps = 6;
constexpr milliseconds kDragStep{150};

// One Xvfb and one Weston for the tests of a process; each test starts a game of its own.
class WaylandTest : public GameTest {
protected:
    static void SetUpTestSuite()
    {
        try {
            s_server = std::make_unique<harness::XvfbServer>(kScreenSize);
            s_compositor = std::make_unique<harness::WestonSession>(*s_server, kOutputSize);
        } catch (const std::exception& error) {
            s_failure = error.what();
        }
    }

    static void TearDownTestSuite()
    {
        s_compositor.reset();
        s_server.reset();
    }

    GameSession::Options sessionOptions() const override
    {
        GameSession::Options options;
        options.compositor = s_compositor.get();
        return options;
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_compositor) << s_failure;
        GameTest::SetUp();
    }

    // Maximised: the window covers the output, the game is drawn at the top left of the client
    // area as always, with the form's own colour beyond it, and it still runs.
    void expectMaximised()
    {
        const QRect output(s_compositor->outputOrigin(), kOutputSize);
        ASSERT_TRUE(game().waitForGeometry(
            [&](const QRect& area) {
                return output.contains(area) && area.width() > 2 * kClientSize.width();
            },
            milliseconds(5000)))
            << "the client area is " << describe(game().geometry()) << "; " << gameState();
        const std::optional<harness::WestonToplevel> shown = game().toplevel(game().gameWindow());
        ASSERT_TRUE(shown) << "the game window is gone; " << gameState();
        EXPECT_EQ(shown->surface, QRect(QPoint(), kOutputSize));
        // Drawn at the new place: the game has committed frames of the new size.
        const std::optional<QImage> screen = waitForScreen(
            game(), milliseconds(5000), [](const QImage& s) { return mapIsDrawn(s); });
        ASSERT_TRUE(screen) << "no map at the top left of the maximised window";
        // The uncovered strip right of the map shows the form's colour.
        const QRgb formColour = screen->pixel(kMapArea.right() + 1, kClientSize.height() / 2);
        const QRect beyond(kClientSize.width() + 10, 10, 300, 300);
        EXPECT_EQ(countColour(*screen, formColour, beyond), beyond.width() * beyond.height());
        EXPECT_TRUE(game().process().running()) << gameState();
    }

    std::string gameState()
    {
        const std::optional<int> status = game().process().waitForExit(milliseconds(0));
        return status ? "the game " + harness::describeWaitStatus(*status) : "the game runs";
    }

    static std::string describe(const QRect& area)
    {
        return std::to_string(area.width()) + "x" + std::to_string(area.height()) + " at " +
               std::to_string(area.x()) + "," + std::to_string(area.y());
    }

    static std::unique_ptr<harness::XvfbServer> s_server;
    static std::unique_ptr<harness::WestonSession> s_compositor;
    static std::string s_failure;
};

std::unique_ptr<harness::XvfbServer> WaylandTest::s_server;
std::unique_ptr<harness::WestonSession> WaylandTest::s_compositor;
std::string WaylandTest::s_failure;

TEST_F(WaylandTest, PlaysInAFixedClientAreaOf402x328AndItsCloseButtonEndsItWithStatusZero)
{
    const std::optional<harness::WestonToplevel> shown = game().toplevel(game().gameWindow());
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Blastmap");
    EXPECT_EQ(shown->opaque.size(), kClientSize);
    const QImage start = game().capture();
    EXPECT_TRUE(mapIsDrawn(start));
    EXPECT_TRUE(showsBareMap(start, QRect(kSpots[0], kTargetSize)));

    checkFirstTargetShowsAboutThreeSecondsIn(game());
    checkBareMapPressExplodesCentredOnIt(game());

    // The message box is a second window of the game's, and has the keyboard.
    const std::optional<Hit> hit = hitTheTarget(game());
    ASSERT_TRUE(hit) << "no press got the target";
    EXPECT_EQ(game().messageBoxes().size(), 1u);
    const std::optional<harness::WestonToplevel> box = game().toplevel(hit->box);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "Blastmap");
    game().tapKey(XK_Return);
    EXPECT_TRUE(waitUntil(milliseconds(5000), [&] { return game().messageBoxes().empty(); }))
        << "the box stayed open";

    // Dragging the frame's corner and an edge leaves the client area as it is.
    const QRect frame = shown->surface.translated(s_compositor->outputOrigin());
    const QPoint corner = frame.bottomRight() - QPoint(1, 1);
    const QPoint leftEdge(frame.left() + 1, frame.center().y());
    for (const auto& [from, by] :
         {std::pair{corner, QPoint(100, 80)}, {leftEdge, QPoint(-60, 0)}}) {
        game().moveTo(from);
        harness::pressButton(game().display());
        // In steps: Weston starts the drag only once the game asks it to, after the press.
        bool resized = false;
        for (int step = 1; step <= kDragSteps && !resized; ++step) {
            game().dragTo(from + by * step / kDragSteps);
            resized = game().waitForGeometry(
                [](const QRect& area) { return area.size() != kClientSize; }, kDragStep);
        }
        harness::releaseButton(game().display());
        EXPECT_FALSE(resized) << "dragged from " << from.x() << "," << from.y() << ": "
                              << describe(game().geometry());
    }
    EXPECT_FALSE(game().waitForGeometry(
        [&](const QRect& area) {
            return area != shown->opaque.translated(s_compositor->outputOrigin());
        },
        kSettle))
        << "after the drags: " << describe(game().geometry());

    expectCleanExitOnClose();
}

TEST_F(WaylandTest, TheMaximiseButtonsGiveTheGameAndItsBoxTheOutputAndThePlayGoesOnToACleanExit)
{
    game().clickMaximiseButton(game().gameWindow());
    ASSERT_NO_FATAL_FAILURE(expectMaximised());
    checkBareMapPressExplodesCentredOnIt(game());

    const std::optional<Hit> hit = hitTheTarget(game());
    ASSERT_TRUE(hit) << "no press got the target";
    game().clickMaximiseButton(hit->box);
    EXPECT_TRUE(waitUntil(milliseconds(5000), [&] {
        const std::optional<harness::WestonToplevel> box = game().toplevel(hit->box);
        return box && box->surface == QRect(QPoint(), kOutputSize);
    })) << "the box was not maximised";
    game().tapKey(XK_Return);
    EXPECT_TRUE(waitUntil(milliseconds(5000), [&] { return game().messageBoxes().empty(); }))
        << "the box stayed open";

    // Once more: back to the design's size.
    game().clickMaximiseButton(game().gameWindow());
    EXPECT_TRUE(game().waitForGeometry([](const QRect& area) { return area.size() == kClientSize; },
                                       milliseconds(5000)))
        << describe(game().geometry());
    EXPECT_TRUE(waitForScreen(game(), milliseconds(5000), [](const QImage& s) {
        return mapIsDrawn(s);
    })) << "no map after the window was restored";

    expectCleanExitOnClose();
}

TEST_F(WaylandTest, WestonsMaximiseKeysGiveTheGameTheOutputAndThePlayGoesOnToACleanExit)
{
    game().tapChord({XK_Super_L, XK_Shift_L, XK_m});
    ASSERT_NO_FATAL_FAILURE(expectMaximised());
    checkBareMapPressExplodesCentredOnIt(game());
    expectCleanExitOnClose();
}

} // namespace
} // namespace e2e
