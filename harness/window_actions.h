// What a window manager does to top-level windows: asks them to close, moves and focuses them.
#pragma once

#include "harness/x11_handles.h"

#include <QPoint>

namespace harness {

// Asks the window to close as a window manager does: a WM_DELETE_WINDOW ClientMessage.
void sendDeleteWindow(Display* display, XWindow window);
// Moves the window's top-left corner to a point of the screen.
void moveWindow(Display* display, XWindow window, QPoint topLeft);
// Gives the window the keyboard focus.
void focusWindow(Display* display, XWindow window);

} // namespace harness
