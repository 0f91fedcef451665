// Steps of play that several tests take: waiting for what the screen shows, and hitting the target.
#pragma once

#include "tests/e2e/game_session.h"

#include <QImage>
#include <functional>
#include <optional>

namespace e2e {

// Captures the game's part of the window (or `area` of the client area) until `condition` holds
// on a capture, and returns that capture; or nothing if it never holds before the deadline.
std::optional<QImage> waitForScreen(const GameSession& game, milliseconds timeout,
                                    const std::function<bool(const QImage&)>& condition,
                                    const QRect& area = {});

// The spot of the target once it shows, or nothing if it does not show before the deadline.
std::optional<QPoint> waitForTarget(const GameSession& game, milliseconds timeout);

struct Hit {
    QPoint spot;
    XWindow box = 0;
};
// Presses the middle of the target whenever it shows, until a message box opens (the target may
// hide before a press on a loaded machine arrives). Nothing if no press gets it.
std::optional<Hit> hitTheTarget(const GameSession& game);

// Moves a message box to the right of the game window, as a window manager might place it, so
// that captures of the game window show the game and not the box. False if it never got there.
bool moveAside(const GameSession& game, XWindow box);

} // namespace e2e
