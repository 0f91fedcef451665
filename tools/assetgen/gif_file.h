// Encodes a sprite as a single-image, interlaced GIF89a with giflib.
#pragma once

#include <QByteArray>
#include <QImage>

namespace assetgen {

// One 8-bit indexed picture with a 256-entry colour table, as GIF89a bytes: the table as the
// global colour table, a Graphic Control Extension naming the transparent index, and one
// interlaced image. Throws std::runtime_error on any failure.
QByteArray encodeGif(const QImage& indexed, int transparentIndex);

} // namespace assetgen
