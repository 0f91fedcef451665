// The thirteen spots where the target and the civilians stand, numbered 1 to 13.
#pragma once

#include "platform/controls.h"

#include <array>
#include <cstdint>

namespace game {

struct Spot {
    float left;
    float top;
};

inline constexpr std::array<Spot, 13> kSpots{{
    {2160, 0},
    {3360, 0},
    {960, 960},
    {2160, 960},
    {3360, 960},
    {0, 2040},
    {960, 2040},
    {2160, 2040},
    {3360, 2040},
    {2160, 3120},
    {3360, 3120},
    {4440, 3120},
    {3360, 4080},
}};

// The spot of number 1 to 13.
inline const Spot& spot(std::int16_t number) { return kSpots.at(number - 1); }

// Puts an image's top-left corner on the spot: Left first, then Top.
void moveToSpot(platform::Image& image, std::int16_t number);

// A spot number drawn from a generator value r (0 <= r < 1): Int(13 r + 1), computed in double
// precision so the product is not rounded to a float first.
std::int16_t spotNumber(float r);

} // namespace game
