// The dart's colours, shared by its pixel drawing (the pointer and the small icons) and its
// vector drawing (the large icons), so that the two darts stay the same dart.
#pragma once

#include <QRgb>

namespace assetgen::dart {

inline constexpr QRgb kOutline = qRgb(0, 0, 0);
inline constexpr QRgb kDarkRed = qRgb(128, 0, 0);
inline constexpr QRgb kRed = qRgb(220, 24, 24);
inline constexpr QRgb kRedHighlight = qRgb(255, 120, 100);
inline constexpr QRgb kYellow = qRgb(255, 220, 0);
inline constexpr QRgb kDarkYellow = qRgb(200, 150, 0);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kLightSteel = qRgb(192, 192, 192);
inline constexpr QRgb kDarkSteel = qRgb(128, 128, 128);

} // namespace assetgen::dart
