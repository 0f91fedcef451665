// Polls captures at a steady pace; every wait has a deadline and reports what it saw.
#include "tests/e2e/play_steps.h"

#include "harness/window_actions.h"
#include "harness/x_windows.h"
#include "tests/e2e/scene_view.h"

namespace e2e {
namespace {

constexpr int kHitAttempts = 4;
// The first target shows 3 s after the start, later ones at most 3 s apart; and slack.
constexpr milliseconds kTargetTimeout{8000};
constexpr milliseconds kBoxTimeout{3000};

} // namespace

std::optional<QImage> waitForScreen(const GameSession& game, milliseconds timeout,
                                    const std::function<bool(const QImage&)>& condition,
                                    const QRect& area)
{
    std::optional<QImage> seen;
    waitUntil(timeout, [&] {
        QImage screen = area.isEmpty() ? game.capture() : game.capture(area);
        if (screen.isNull() || !condition(screen))
            return false;
        seen = std::move(screen);
        return true;
    });
    return seen;
}

std::optional<QPoint> waitForTarget(const GameSession& game, milliseconds timeout)
{
    std::optional<QPoint> spot;
    waitForScreen(game, timeout, [&](const QImage& screen) {
        spot = targetSpot(screen);
        return spot.has_value();
    });
    return spot;
}

std::optional<Hit> hitTheTarget(const GameSession& game)
{
    for (int attempt = 0; attempt < kHitAttempts; ++attempt) {
        const std::optional<QPoint> spot = waitForTarget(game, kTargetTimeout);
        if (!spot)
            return std::nullopt;
        game.clickAt(*spot + QPoint(kTargetSize.width() / 2, kTargetSize.height() / 2));
        std::vector<XWindow> boxes;
        if (waitUntil(
                kBoxTimeout,
                [&] {
                    boxes = game.messageBoxes();
                    return !boxes.empty();
                },
                game.pollPace()))
            return Hit{*spot, boxes.front()};
    }
    return std::nullopt;
}

bool moveAside(const GameSession& game, XWindow box)
{
    const QRect gameWindow = game.geometry();
    harness::moveWindow(game.display(), box, {gameWindow.right() + 20, gameWindow.top()});
    return waitUntil(milliseconds(5000), [&] {
        const QRect placed = harness::rootGeometry(game.display(), box);
        return !placed.isEmpty() && !placed.intersects(gameWindow);
    });
}

} // namespace e2e
