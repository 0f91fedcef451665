// Blood spatter and jagged flashes painted over a face when it is hit.
#pragma once

#include "tools/assetgen/indexed_canvas.h"

#include <QList>
#include <QPointF>
#include <QRgb>

namespace assetgen {

// The palette slots the effects paint with; each picture places them where it has room.
struct HitInks {
    int bloodDark;
    int blood;
    int flashRed;
    int flashYellow;
    int flashWhite;
    int outline;
};

// Puts the effects' colours into the picture's colour table.
void addHitColours(QList<QRgb>& palette, const HitInks& inks);

// Splashes of blood around the impact, only over the pixels of `onto`; the seed picks the
// pattern of drops.
void splatter(IndexedCanvas& canvas, const Mask& onto, QPointF impact, int seed,
              const HitInks& inks);

// A comic-book flash: a jagged yellow star with a white core and a red rim.
void flash(IndexedCanvas& canvas, QPointF centre, qreal radius, int spikes, int seed,
           const HitInks& inks);

} // namespace assetgen
