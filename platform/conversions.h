// The numeric conversions of the forms runtime: 16-bit integers, Int, checked arithmetic.
#pragma once

#include <cstdint>

namespace platform {

// Converts to a 16-bit integer, rounding to nearest with halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4). Raises the overflow error outside -32768..32767 and for NaN.
std::int16_t toInteger(double value);

// Like toInteger, but a value outside the 16-bit range is clamped to it instead of failing.
// For pointer positions, which leave the range only while a drag is captured far off the window.
std::int16_t toIntegerClamped(double value);

// Int: the greatest integer not above the value.
double intPart(double value);

// A 16-bit subtraction that raises the overflow error when the result does not fit.
std::int16_t subtract16(std::int16_t minuend, std::int16_t subtrahend);

// A single-precision subtraction that raises the overflow error when the result is not finite.
float subtractSingle(float minuend, float subtrahend);

} // namespace platform
