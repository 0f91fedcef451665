// The application's icon for desktop menus: the pointer's dart as PNGs of the hicolor theme.
#pragma once

#include <QByteArray>
#include <QList>

namespace assetgen {

// The square sizes, in pixels, that the icon is written at.
QList<int> appIconSizes();

// The dart at one of appIconSizes() as PNG bytes, see-through around it. Each size is a whole
// multiple of one of the dart's two drawings (the 32 pixel one where it can), each pixel
// enlarged to a square block, so every size shows the pointer's own pixels, as crisp.
// Throws std::invalid_argument for any other size.
QByteArray encodeAppIcon(int size);

} // namespace assetgen
