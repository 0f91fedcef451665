// The pointer's picture as the X server shows it, whoever set it.
#pragma once

#include "harness/x11_handles.h"

#include <QImage>

namespace harness {

// The pointer's picture now, as ARGB32 with its alpha; null if the server has no XFixes to
// tell.
QImage pointerImage(Display* display);

} // namespace harness
