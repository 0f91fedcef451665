// The X handles the harness passes around, declared without Xlib, whose macros clash with Qt.
#pragma once

// Xlib declares the same aliases; they agree.
struct _XDisplay;
using Display = _XDisplay;
struct _XImage;
using XImage = _XImage;
union _XEvent;
using XEvent = _XEvent;

namespace harness {

// Xlib's Window and KeySym: both XIDs, unsigned long on the client side.
using XWindow = unsigned long;
using XKeySym = unsigned long;

} // namespace harness
