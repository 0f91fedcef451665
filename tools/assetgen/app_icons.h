// The application's icon for desktop menus: the pointer's dart as PNGs of the hicolor theme.
#pragma once

#include <QByteArray>
#include <QList>

namespace assetgen {

// The square sizes, in pixels, that the icon is written at.
QList<int> appIconSizes();

// The dart at one of appIconSizes() as PNG bytes, see-through around it. Up to 128 pixels each
// size is a whole multiple of one of the dart's two drawings (the 32 pixel one where it can),
// each pixel enlarged to a square block, so that it shows the pointer's own pixels, as crisp;
// the larger ones render the vector drawing, which is smooth where enlarged pixels would look
// blocky. Throws std::invalid_argument for any other size.
QByteArray encodeAppIcon(int size);

// The vector drawing as the icon theme's scalable SVG.
QByteArray encodeScalableAppIcon();

} // namespace assetgen
