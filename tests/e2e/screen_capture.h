// The pixels of a window as the X server holds them.
#pragma once

#include "tests/e2e/x11_handles.h"

#include <QImage>

namespace e2e {

// The window's contents as an RGB32 image; null if the window is gone. Other windows above it
// show in the picture where they overlap it, as on a real screen.
QImage captureWindow(Display* display, XWindow window);

} // namespace e2e
