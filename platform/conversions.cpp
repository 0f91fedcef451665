#include "platform/conversions.h"

#include "platform/runtime_error.h"

#include <cmath>
#include <limits>

namespace platform {
namespace {

constexpr double kMin16 = std::numeric_limits<std::int16_t>::min();
constexpr double kMax16 = std::numeric_limits<std::int16_t>::max();

// std::nearbyint rounds halves to even in the default rounding mode, which the program never
// changes; writing the tie rule out keeps the conversion independent of that mode.
double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1.0;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

} // namespace

std::int16_t toInteger(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= kMin16 && rounded <= kMax16))
        throw overflowError();
    return static_cast<std::int16_t>(rounded);
}

std::int16_t toIntegerClamped(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = roundHalfEven(value);
    if (rounded < kMin16)
        return std::numeric_limits<std::int16_t>::min();
    if (rounded > kMax16)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(rounded);
}

double intPart(double value) { return std::floor(value); }

std::int16_t subtract16(std::int16_t minuend, std::int16_t subtrahend)
{
    const int difference = int{minuend} - int{subtrahend};
    if (difference < kMin16 || difference > kMax16)
        throw overflowError();
    return static_cast<std::int16_t>(difference);
}

float subtractSingle(float minuend, float subtrahend)
{
    const float difference = minuend - subtrahend;
    if (!std::isfinite(difference))
        throw overflowError();
    return difference;
}

} // namespace platform
