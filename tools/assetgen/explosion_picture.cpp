// Two frames of a blast: red, an orange band and a yellow core, outlined in black.
#include "tools/assetgen/indexed_canvas.h"
#include "tools/assetgen/jagged.h"
#include "tools/assetgen/pictures.h"

#include <numbers>

namespace assetgen {
namespace {

constexpr int Size = 64;
constexpr int Clear = 16;

enum Ink {
    Outline = 0,
    DarkRed,
    Red,
    Orange,
    LightOrange,
    Yellow,
    White,
};

QList<QRgb> explosionPalette()
{
    QList<QRgb> palette = makePalette({
        {Outline, qRgb(16, 8, 8)},
        {DarkRed, qRgb(150, 16, 8)},
        {Red, qRgb(222, 36, 16)},
        {Orange, qRgb(250, 124, 20)},
        {LightOrange, qRgb(255, 176, 40)},
        {Yellow, qRgb(255, 236, 60)},
        {White, qRgb(255, 255, 220)},
    });
    palette[Clear] = qRgb(255, 0, 255);
    return palette;
}

// The shape of one frame; the two frames differ in every one of these.
struct Blast {
    int spikes;
    qreal turn;
    int seed;
};

Mask star(QPointF centre, qreal outer, qreal inner, int spikes, qreal turn, Scatter& scatter)
{
    return Mask::polygon(Size, Size, jaggedStar(centre, outer, inner, spikes, turn, 0.28, scatter));
}

QImage drawBlast(const Blast& blast)
{
    IndexedCanvas canvas(Size, Size, Clear);
    Scatter scatter(blast.seed);
    const QPointF centre(32, 32);
    const qreal step = std::numbers::pi / blast.spikes;

    Mask outer = star(centre, 31.5, 19, blast.spikes, blast.turn, scatter);
    canvas.fillOutlined(outer, Red, Outline);
    // A darker rim inside the outline gives the fireball some depth.
    Mask rim = outer.subtracted(outer.border());
    canvas.fill(rim.border(), DarkRed);

    Mask band = star(centre, 23, 14, blast.spikes, blast.turn + step, scatter);
    canvas.fill(band, Orange);
    canvas.fill(band.border(), LightOrange);

    Mask core = star(centre, 14, 8.5, blast.spikes - 2, blast.turn + step / 2, scatter);
    canvas.fill(core, Yellow);
    Mask heart = star(centre + QPointF(-1, -1), 6.5, 4, 5, blast.turn, scatter);
    canvas.fill(heart, White);

    // Embers thrown clear of the blast, different in each frame.
    for (int i = 0; i < 4; ++i) {
        qreal angle = blast.turn + step + i * std::numbers::pi / 2 + scatter.between(-0.3, 0.3);
        QPointF at = polar(centre, 27 + scatter.between(0, 3), angle);
        Mask ember = Mask::ellipse(Size, Size, QRectF(at.x() - 1.5, at.y() - 1.5, 3, 3));
        canvas.fillOver(ember.grown(), Outline, {Clear});
        canvas.fillOver(ember, Orange, {Outline});
    }
    return canvas.toImage(explosionPalette());
}

} // namespace

Sprite drawExplosion(int variant)
{
    static const Blast blasts[] = {{11, 0.1, 7}, {13, 0.35, 12}};
    return {drawBlast(blasts[variant % 2]), Clear};
}

} // namespace assetgen
