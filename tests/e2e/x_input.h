// A player's mouse and keyboard, faked through the XTest extension.
#pragma once

#include "tests/e2e/x11_handles.h"

#include <QPoint>

namespace e2e {

// Whether the server offers XTest.
bool hasXTest(Display* display);
// Moves the pointer to a point of the screen.
void movePointer(Display* display, QPoint rootPoint);
// Presses and releases the left button where the pointer is.
void clickButton(Display* display);
// Presses and releases the key of `keysym` on whatever window has the focus.
void tapKey(Display* display, XKeySym keysym);

} // namespace e2e
