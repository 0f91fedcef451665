#include "platform/contrast.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// The relative luminance of an sRGB colour.
double luminance(Rgb colour)
{
    const auto linear = [](std::uint8_t channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

} // namespace

double contrastRatio(Rgb one, Rgb other)
{
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace platform
