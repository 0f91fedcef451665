// How far apart two colours of the screen are to the eye: the contrast ratio of the web's
// accessibility guidelines, from 1 (the same) to 21 (black on white). Text wants 4.5 or more.
#pragma once

#include <cstdint>

namespace platform {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

double contrastRatio(Rgb one, Rgb other);

} // namespace platform
