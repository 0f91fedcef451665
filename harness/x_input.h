// A player's mouse and keyboard, faked through the XTest extension.
//
// Every call syncs with the server before it returns: the server has then generated the input
// and sent it to the window's client, so that a capture or a check made next sees its effect
// on its way. A flush alone would only have written the request to the socket.
#pragma once

#include "harness/x11_handles.h"

#include <QPoint>
#include <initializer_list>

namespace harness {

// Whether the server offers XTest.
bool hasXTest(Display* display);
// Moves the pointer to a point of the screen.
void movePointer(Display* display, QPoint rootPoint);
// Presses or releases a mouse button (1 left, 2 middle, 3 right) where the pointer is.
void pressButton(Display* display, unsigned int button = 1);
void releaseButton(Display* display, unsigned int button = 1);
// Presses and releases the button where the pointer is.
void clickButton(Display* display, unsigned int button = 1);
// Presses and releases the key of `keysym` on whatever window has the focus.
void tapKey(Display* display, XKeySym keysym);
// Presses the keys in order and releases them the other way round, as a player holds modifiers
// down before the key they modify.
void tapChord(Display* display, std::initializer_list<XKeySym> keysyms);

} // namespace harness
