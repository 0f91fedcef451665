// Draws the spatter and flashes of a hit from a fixed pseudo-random sequence.
#include "tools/assetgen/hit_effects.h"

#include "tools/assetgen/jagged.h"

#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace assetgen {
namespace {

Mask ellipseAt(const IndexedCanvas& canvas, QPointF centre, qreal rx, qreal ry)
{
    return Mask::ellipse(canvas.width(), canvas.height(),
                         QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry));
}

} // namespace

void addHitColours(QList<QRgb>& palette, const HitInks& inks)
{
    palette[inks.bloodDark] = qRgb(116, 8, 8);
    palette[inks.blood] = qRgb(206, 24, 20);
    palette[inks.flashRed] = qRgb(232, 72, 24);
    palette[inks.flashYellow] = qRgb(255, 228, 48);
    palette[inks.flashWhite] = qRgb(255, 255, 236);
}

void splatter(IndexedCanvas& canvas, const Mask& onto, QPointF impact, int seed,
              const HitInks& inks)
{
    Scatter scatter(seed);
    Mask blood = canvas.blankMask();
    // The splash itself: overlapping blobs round the impact.
    for (int i = 0; i < 6; ++i) {
        QPointF at =
            polar(impact, scatter.between(0, 3.5), scatter.between(0, 2 * std::numbers::pi));
        blood =
            blood.united(ellipseAt(canvas, at, scatter.between(2.5, 4.5), scatter.between(2, 4)));
    }
    // Runs and drops thrown outwards, smaller the further they fly.
    for (int i = 0; i < 11; ++i) {
        qreal angle = i * 2 * std::numbers::pi / 11 + scatter.between(-0.25, 0.25);
        qreal reach = scatter.between(7, 16);
        QPointF drop = polar(impact, reach, angle);
        qreal size = scatter.between(1.0, 2.4) * (18 - reach) / 10;
        blood = blood.united(ellipseAt(canvas, drop, size, size));
        if (i % 2 == 0)
            blood = blood.united(
                Mask::stroke(canvas.width(), canvas.height(),
                             {polar(impact, 3, angle), polar(impact, reach * 0.8, angle)}, 1.4));
    }
    blood = blood.intersected(onto);
    canvas.fill(blood, inks.blood);
    canvas.fill(blood.border(), inks.bloodDark);
    // A wet shine on the splash.
    canvas.fillOver(ellipseAt(canvas, impact + QPointF(-1, -1), 1.2, 1.2).intersected(blood),
                    inks.flashRed, {inks.blood});
}

void flash(IndexedCanvas& canvas, QPointF centre, qreal radius, int spikes, int seed,
           const HitInks& inks)
{
    Scatter jitter(seed);
    qreal turn = jitter.between(0, std::numbers::pi);
    Mask burst =
        Mask::polygon(canvas.width(), canvas.height(),
                      jaggedStar(centre, radius, radius * 0.42, spikes, turn, 0.3, jitter));
    Mask core = Mask::polygon(
        canvas.width(), canvas.height(),
        jaggedStar(centre, radius * 0.55, radius * 0.25, spikes, turn + 0.3, 0.3, jitter));
    canvas.fill(burst, inks.flashYellow);
    canvas.fill(burst.border(), inks.flashRed);
    canvas.fill(burst.grown().subtracted(burst), inks.outline);
    canvas.fill(core, inks.flashWhite);
}

} // namespace assetgen
