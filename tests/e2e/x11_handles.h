// The X handles the helpers pass around, declared without Xlib, whose macros clash with Qt.
#pragma once

// Xlib declares the same alias; the two agree.
struct _XDisplay;
using Display = _XDisplay;

namespace e2e {

// Xlib's Window and KeySym: both XIDs, unsigned long on the client side.
using XWindow = unsigned long;
using XKeySym = unsigned long;

} // namespace e2e
