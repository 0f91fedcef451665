// The game as a native Wayland client of Weston, which runs inside Xvfb: the same play as in
// plain X, the title bar that Qt draws itself, and what maximising does.
#include "harness/weston_session.h"
#include "harness/x_input.h"
#include "harness/xvfb_server.h"
#include "tests/e2e/desktop_entry.h"
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
constexpr QPoint kTitleBarDrag{40, 30};

// One Xvfb and one Weston for the tests of a process; each test starts a game of its own.
class WaylandTest : public GameTest {
protected:
    static void SetUpTestSuite()
    {
        try {
            s_server = std::make_unique<harness::XvfbServer>(kScreenSize);
            // In a sanitizer build, what Qt's Wayland platform leaves at exit is not the game's
            // leak; the slow unwinder finds the frames that tell the two apart.
            s_compositor = std::make_unique<harness::WestonSession>(
                *s_server, kOutputSize,
                std::vector<std::string>{"LSAN_OPTIONS=fast_unwind_on_malloc=0:"
                                         "suppressions=" BLASTMAP_WAYLAND_LEAK_SUPPRESSIONS});
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
        options.desktop = s_compositor.get();
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
        const std::optional<harness::WestonToplevel> shown =
            s_compositor->toplevel(game().window());
        ASSERT_TRUE(shown) << "the game window is gone; " << gameState();
        EXPECT_EQ(shown->surface, QRect(QPoint(), kOutputSize));
        // Drawn at the new size: where the desktop showed beside the window before, the form's
        // colour (that of its uncovered column right of the map) shows now.
        const QRect beyond(kClientSize.width() + 10, 10, 300, 300);
        EXPECT_TRUE(waitForScreen(
            game(), milliseconds(5000),
            [&](const QImage& s) {
                const QRgb formColour = s.pixel(kMapArea.right() + 1, kClientSize.height() / 2);
                return mapIsDrawn(s) &&
                       countColour(s, formColour, beyond) == beyond.width() * beyond.height();
            },
            QRect(QPoint(), QSize(beyond.right() + 1, kClientSize.height()))))
            << "the maximised window never showed the game at its top left and the form beyond";
        EXPECT_TRUE(game().process().running()) << gameState();
    }

    // Restored: the client area is the design's size again, with the map in it and the desktop
    // beside it, where the maximised window showed the form's colour.
    void expectRestored()
    {
        EXPECT_TRUE(game().waitForGeometry(
            [](const QRect& area) { return area.size() == kClientSize; }, milliseconds(5000)))
            << describe(game().geometry());
        const QRect beside(kClientSize.width() + 10, 0, 20, kClientSize.height());
        EXPECT_TRUE(waitForScreen(
            game(), milliseconds(5000),
            [&](const QImage& s) {
                return mapIsDrawn(s) && countColour(s, harness::WestonSession::kBackground,
                                                    beside) == beside.width() * beside.height();
            },
            QRect(QPoint(), QSize(beside.right() + 1, kClientSize.height()))))
            << "the restored window never showed the map with the desktop beside it";
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

TEST_F(WaylandTest, TheWindowIsNamedForItsEntryAndShowsTheMapInAFixedClientAreaOf402x328)
{
    const std::optional<harness::WestonToplevel> shown = s_compositor->toplevel(game().window());
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Blastmap");
    // A desktop matches the window to its menu entry by its app id.
    EXPECT_EQ(shown->appId, desktopEntryId());
    EXPECT_EQ(shown->opaque.size(), kClientSize);
    const QImage start = game().capture();
    EXPECT_TRUE(mapIsDrawn(start));
    EXPECT_TRUE(showsBareMap(start, QRect(spots().front(), kTargetSize)));
}

TEST_F(WaylandTest, PlaysAsInX11AndTheBoxIsASecondWindowWithTheKeyboard)
{
    checkFirstTargetShowsAboutThreeSecondsIn(game());
    checkBareMapPressExplodesCentredOnIt(game());

    const std::optional<Hit> hit = hitTheTarget(game());
    ASSERT_TRUE(hit) << "no press got the target";
    EXPECT_EQ(game().messageBoxes().size(), 1u);
    const std::optional<harness::WestonToplevel> box = s_compositor->toplevel(hit->box);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "Blastmap");
    game().tapKey(XK_Return);
    EXPECT_TRUE(waitUntil(
        milliseconds(5000), [&] { return game().messageBoxes().empty(); }, game().pollPace()))
        << "the box stayed open";
}

TEST_F(WaylandTest, TheTitleBarDragsTheWindow)
{
    // Drags reach the compositor and the title bar Qt draws.
    const QRect placed = game().geometry();
    const QPoint titleBar = s_compositor->titleBarPoint(game().window());
    game().moveTo(titleBar);
    harness::pressButton(game().display());
    // Weston starts the move once the game asks it to, after the press, and then puts the window
    // where the pointer's way from the press takes it at each motion: the pointer goes on
    // moving, a pixel to and fro, until the window has followed.
    bool followed = false;
    for (const Clock::time_point start = Clock::now();
         !followed && Clock::now() - start < milliseconds(5000);) {
        game().dragTo(titleBar + kTitleBarDrag + QPoint(1, 0));
        game().dragTo(titleBar + kTitleBarDrag);
        followed = game().waitForGeometry(
            [&](const QRect& area) { return area == placed.translated(kTitleBarDrag); }, kDragStep);
    }
    harness::releaseButton(game().display());
    EXPECT_TRUE(followed) << "dragging the title bar left the client area at "
                          << describe(game().geometry());
}

TEST_F(WaylandTest, DraggingTheFramesCornerOrEdgeLeavesTheClientAreaAsItIs)
{
    const QRect placed = game().geometry();
    const std::optional<harness::WestonToplevel> shown = s_compositor->toplevel(game().window());
    ASSERT_TRUE(shown);
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
        [&](const QRect& area) { return area.size() != placed.size(); }, kSettle))
        << "after the drags: " << describe(game().geometry());
}

TEST_F(WaylandTest, TheCloseButtonOfTheTitleBarEndsTheGameWithStatusZero)
{
    expectCleanExitOnClose();
}

TEST_F(WaylandTest, TheMaximiseButtonsGiveTheGameAndItsBoxTheOutputAndThePlayGoesOnToACleanExit)
{
    s_compositor->clickMaximiseButton(game().window());
    ASSERT_NO_FATAL_FAILURE(expectMaximised());
    checkBareMapPressExplodesCentredOnIt(game());

    const std::optional<Hit> hit = hitTheTarget(game());
    ASSERT_TRUE(hit) << "no press got the target";
    s_compositor->clickMaximiseButton(hit->box);
    EXPECT_TRUE(waitUntil(
        milliseconds(5000),
        [&] {
            const std::optional<harness::WestonToplevel> box = s_compositor->toplevel(hit->box);
            return box && box->surface == QRect(QPoint(), kOutputSize);
        },
        game().pollPace()))
        << "the box was not maximised";
    game().tapKey(XK_Return);
    EXPECT_TRUE(waitUntil(
        milliseconds(5000), [&] { return game().messageBoxes().empty(); }, game().pollPace()))
        << "the box stayed open";

    // Once more: back to the design's size.
    s_compositor->clickMaximiseButton(game().window());
    expectRestored();

    expectCleanExitOnClose();
}

TEST_F(WaylandTest, WestonsMaximiseKeysGiveTheGameTheOutputAndThePlayGoesOnToACleanExit)
{
    // The keys act on the window that has Weston's keyboard: a click on its title bar gives it.
    s_compositor->clickTitleBar(game().window());
    game().tapChord({XK_Super_L, XK_Shift_L, XK_m});
    ASSERT_NO_FATAL_FAILURE(expectMaximised());
    checkBareMapPressExplodesCentredOnIt(game());
    expectCleanExitOnClose();
}

} // namespace
} // namespace e2e
