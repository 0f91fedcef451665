// Encodes the map as an uncompressed 8-bit Windows bitmap.
#pragma once

#include <QByteArray>
#include <QImage>

namespace assetgen {

// An indexed picture with a 256-entry colour table, as BMP bytes: 8 bits per pixel, no
// compression, rows bottom-up, all 256 palette entries written. Throws std::runtime_error if
// the picture is not of that kind or the encoded header says otherwise.
QByteArray encodeBmp(const QImage& indexed);

} // namespace assetgen
