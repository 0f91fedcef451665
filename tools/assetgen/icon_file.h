// Builds the 16-colour Windows icon and cursor of the dart with icoutils' icotool.
#pragma once

#include "tools/assetgen/pictures.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>

namespace assetgen {

// The sprites (at most 16 colours besides the transparent index) as one .ico with 4 bits per
// pixel and an AND mask for each, in the order given. Runs `icotool`; throws
// std::runtime_error if it is missing or fails.
QByteArray encodeIcon(const QList<Sprite>& images, const QString& icotool);

// The same images as a cursor (.cur), which Windows takes as a mouse pointer, with the hot spot
// at `hotSpot` of each.
QByteArray encodeCursor(const QList<Sprite>& images, QPoint hotSpot, const QString& icotool);

} // namespace assetgen
