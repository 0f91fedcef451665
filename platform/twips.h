// Twips, the unit of every position and size: 1440 to the inch, 15 to a pixel at 96 dpi.
#pragma once

namespace platform {

inline constexpr double kTwipsPerPixel = 15.0;

// The pixel a twip position is drawn at: the nearest one, kept within a drawable range.
int twipsToPixels(double twips);

} // namespace platform
