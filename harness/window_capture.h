// The pixels of a window as the X server holds them.
#pragma once

#include "harness/x11_handles.h"

#include <QImage>
#include <QRect>

namespace harness {

// The window's contents as an RGB32 image; null if the window is gone. Other windows above it
// show in the picture where they overlap it, as on a real screen.
QImage captureWindow(Display* display, XWindow window);
// A rectangle of the window, in the window's coordinates, e.g. one row to poll quickly; null if
// the window is gone or the rectangle does not lie within it.
QImage captureArea(Display* display, XWindow window, const QRect& area);

} // namespace harness
