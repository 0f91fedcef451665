// Builds the 16-colour Windows icon of the dart with icoutils' icotool.
#pragma once

#include "tools/assetgen/pictures.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace assetgen {

// The sprites (at most 16 colours besides the transparent index) as one .ico with 4 bits per
// pixel and an AND mask for each, in the order given. Runs `icotool`; throws
// std::runtime_error if it is missing or fails.
QByteArray encodeIcon(const QList<Sprite>& images, const QString& icotool);

} // namespace assetgen
