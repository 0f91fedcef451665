// Twips on a screen of any density. A window that is aware of each monitor's dots per inch draws
// in that monitor's pixels: 1440 twips to the inch, so 15 to the pixel only at 96 dpi.
#pragma once

namespace platform::win32 {

inline constexpr unsigned kStandardDpi = 96;

// The pixel a twip position or size is drawn at, at `dpi`: the nearest one.
int twipsToPixels(double twips, unsigned dpi);
// A pixel position as the handlers receive it, in twips.
float pixelsToTwips(int pixels, unsigned dpi);
// A picture's own size in pixels drawn at `dpi`, as a desktop that scales a window draws it.
int scaledPixels(int pixels, unsigned dpi);

} // namespace platform::win32
