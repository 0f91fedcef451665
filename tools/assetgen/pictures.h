// The game's sprites and the dart, each drawn in palette indices with a transparent index.
#pragma once

#include <QImage>

namespace assetgen {

// An 8-bit indexed picture (256-entry colour table) and the index that stands for "no pixel".
struct Sprite {
    QImage image;
    int transparentIndex;
};

Sprite drawTarget();
Sprite drawHitTarget();
Sprite drawCivilian();
Sprite drawHitCivilian();
// variant 0 or 1: two differently jagged blasts that flicker when shown in turn.
Sprite drawExplosion(int variant);
// size 32 or 16: the mouse pointer, a dart pointing to the upper left.
Sprite drawDart(int size);

} // namespace assetgen
