#include "platform/twips.h"

#include <algorithm>
#include <cmath>

namespace platform {

int twipsToPixels(double twips)
{
    // Far beyond any screen, so that lround stays defined for whatever a handler sets.
    constexpr double kLimit = 1.0e6;
    return static_cast<int>(std::lround(std::clamp(twips / kTwipsPerPixel, -kLimit, kLimit)));
}

} // namespace platform
