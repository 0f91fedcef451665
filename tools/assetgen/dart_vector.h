// The dart as a vector drawing, for the large application icons: the 32-pixel dart's design
// (steel point at the top-left corner, red barrel with grip rings, yellow and white flights) in
// shapes that stay smooth at any size.
#pragma once

#include <QByteArray>
#include <QImage>

namespace assetgen {

// The drawing as SVG, `size` units square.
QByteArray encodeDartSvg(int size);
// The drawing rendered, anti-aliased, `size` pixels square with a see-through background.
QImage renderDart(int size);

} // namespace assetgen
