// The game's own pictures, decoded from the program's resources, and comparisons with captures.
#pragma once

#include "scene/pictures.h"

#include <QImage>

namespace e2e {

// One of the program's pictures as ARGB32; null if the program does not embed it.
QImage embeddedPicture(const scene::picture::Embedded& embedded);

// The share of the picture's opaque pixels that the screen shows unchanged with the picture's
// top-left corner at `topLeft`, among those that fall on the screen; 0 if fewer than half do.
// Given `unlike`, a picture of the same size, only the pixels where the two pictures differ
// count, so that two look-alike pictures are told apart.
double shownFraction(const QImage& screen, const QImage& picture, QPoint topLeft,
                     const QImage* unlike = nullptr);

// The top-left corner within `radius` pixels of `expected` where the picture shows best, and
// how well (as shownFraction).
struct BestMatch {
    QPoint topLeft;
    double fraction = 0;
};
BestMatch bestMatchNear(const QImage& screen, const QImage& picture, QPoint expected, int radius);

// The pixels of exactly `colour` (alpha ignored) within `area`.
int countColour(const QImage& screen, QRgb colour, const QRect& area);
// The smallest rectangle holding every pixel of `colour`; empty if there is none.
QRect colourBounds(const QImage& screen, QRgb colour);
// Whether two captures hold the same pixels within `area`.
bool sameArea(const QImage& a, const QImage& b, const QRect& area);
// The pixels that differ between two captures within `area`.
int differingPixels(const QImage& a, const QImage& b, const QRect& area);

} // namespace e2e
