// An XImage as a QImage, whatever the visual's channel layout.
#pragma once

#include "harness/x11_handles.h"

#include <QImage>

namespace harness {

// The image's pixels as RGB32. A 32-bit image with 8-bit red, green and blue in this machine's
// byte order is copied line by line; any other layout goes through XGetPixel and the masks.
QImage convertXImage(XImage& image);

} // namespace harness
