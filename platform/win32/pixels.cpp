#include "platform/win32/pixels.h"

#include "platform/twips.h"

#include <cmath>

namespace platform::win32 {

int twipsToPixels(double twips, unsigned dpi)
{
    // The runtime's rounding and range, at the standard density scaled to this one.
    return platform::twipsToPixels(twips * dpi / kStandardDpi);
}

float pixelsToTwips(int pixels, unsigned dpi)
{
    return static_cast<float>(pixels * kTwipsPerPixel * kStandardDpi / dpi);
}

int scaledPixels(int pixels, unsigned dpi)
{
    return static_cast<int>(std::lround(static_cast<double>(pixels) * dpi / kStandardDpi));
}

} // namespace platform::win32
