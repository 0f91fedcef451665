// The civilian: a friendly man in a pale sun helmet, and the same face when hit.
#include "tools/assetgen/hit_effects.h"
#include "tools/assetgen/indexed_canvas.h"
#include "tools/assetgen/pictures.h"

namespace assetgen {
namespace {

constexpr int Width = 71;
constexpr int Height = 78;
constexpr int Clear = 255;

enum Ink {
    Outline = 0,
    Skin,
    SkinShadow,
    SkinLight,
    Hair,
    HairLight,
    EyeWhite,
    Helmet,
    HelmetShadow,
    HelmetLight,
    Band,
    Shirt,
    ShirtShadow,
    Cheek,
    Mouth,
    Tongue,
};

constexpr HitInks CivilianHitInks{16, 17, 18, 19, 20, Outline};

QRgb darkened(QRgb colour)
{
    // Scorched: half-way to grey and darker, so the face stays the same man, only blackened.
    int grey = (qRed(colour) * 30 + qGreen(colour) * 59 + qBlue(colour) * 11) / 100;
    auto ash = [grey](int channel) { return (channel + grey) * 34 / 100; };
    return qRgb(ash(qRed(colour)), ash(qGreen(colour)), ash(qBlue(colour)));
}

QList<QRgb> civilianPalette(bool hit)
{
    QList<QRgb> palette = makePalette({
        {Outline, qRgb(24, 16, 14)},
        {Skin, qRgb(240, 188, 146)},
        {SkinShadow, qRgb(200, 140, 100)},
        {SkinLight, qRgb(255, 218, 184)},
        {Hair, qRgb(120, 72, 36)},
        {HairLight, qRgb(168, 112, 60)},
        {EyeWhite, qRgb(252, 250, 244)},
        {Helmet, qRgb(238, 228, 192)},
        {HelmetShadow, qRgb(196, 182, 138)},
        {HelmetLight, qRgb(255, 252, 234)},
        {Band, qRgb(146, 112, 64)},
        {Shirt, qRgb(150, 196, 232)},
        {ShirtShadow, qRgb(100, 148, 196)},
        {Cheek, qRgb(240, 140, 130)},
        {Mouth, qRgb(120, 30, 36)},
        {Tongue, qRgb(224, 100, 104)},
    });
    if (hit) {
        // Staring eyes stay white against the darkened face.
        for (int ink = Skin; ink <= Tongue; ++ink)
            if (ink != EyeWhite)
                palette[ink] = darkened(palette[ink]);
        addHitColours(palette, CivilianHitInks);
    }
    palette[Clear] = qRgb(255, 0, 255);
    return palette;
}

Mask ellipse(qreal x, qreal y, qreal w, qreal h)
{
    return Mask::ellipse(Width, Height, QRectF(x, y, w, h));
}

Mask polygon(const QPolygonF& points) { return Mask::polygon(Width, Height, points); }

Mask stroke(const QPolygonF& points, qreal penWidth)
{
    return Mask::stroke(Width, Height, points, penWidth);
}

Mask rows(int top, int bottom)
{
    return polygon(
        {{0, qreal(top)}, {Width, qreal(top)}, {Width, qreal(bottom)}, {0, qreal(bottom)}});
}

void drawShirt(IndexedCanvas& canvas)
{
    Mask neck = polygon({{24, 56}, {47, 56}, {47, 72}, {24, 72}});
    canvas.fillOutlined(neck, Skin, Outline);
    canvas.fill(polygon({{25, 60}, {46, 60}, {46, 66}, {35.5, 70}, {25, 66}}), SkinShadow);

    Mask shirt = polygon(
        {{0, 78}, {0, 73}, {8, 68}, {24, 66}, {35.5, 74}, {47, 66}, {63, 68}, {71, 73}, {71, 78}});
    canvas.fillOutlined(shirt, Shirt, Outline);
    canvas.fill(shirt.subtracted(shirt.translated(0, 2)).subtracted(shirt.border()), ShirtShadow);
    Mask leftCollar = polygon({{23, 64}, {35.5, 74}, {28, 78}, {18, 68}});
    for (const Mask& collar : {leftCollar, leftCollar.mirrored()})
        canvas.fillOutlined(collar, EyeWhite, Outline);
}

void drawHead(IndexedCanvas& canvas)
{
    Mask leftEar = ellipse(8, 38, 11, 15);
    canvas.fillOutlined(leftEar, Skin, Outline);
    canvas.fillOutlined(leftEar.mirrored(), Skin, Outline);
    canvas.fill(ellipse(11, 42, 4, 8), SkinShadow);
    canvas.fill(ellipse(56, 42, 4, 8), SkinShadow);

    Mask face = ellipse(14, 16, 43, 54).united(ellipse(13, 34, 45, 30));
    canvas.fillOutlined(face, Skin, Outline);
    Mask inside = face.subtracted(face.border());
    canvas.fill(inside.subtracted(inside.translated(-3, 0)), SkinShadow);
    canvas.fill(inside.subtracted(inside.translated(0, -2)), SkinShadow);

    Mask leftHair = polygon({{12, 26}, {21, 26}, {19, 33}, {16, 36}, {15, 42}, {13, 38}});
    Mask hair = leftHair.united(leftHair.mirrored()).intersected(face);
    canvas.fill(hair, Hair);
    canvas.fill(face.border().intersected(hair), Outline);
    canvas.fill(stroke({{15, 29}, {15, 35}}, 1).intersected(hair), HairLight);
    canvas.fill(stroke({{55, 29}, {55, 35}}, 1).intersected(hair), HairLight);

    // The brim's shade across the forehead.
    canvas.fillOver(inside.intersected(rows(28, 31)), SkinShadow, {Skin});
}

void drawEyes(IndexedCanvas& canvas, bool staring)
{
    if (staring) {
        Mask leftEye = ellipse(20, 34, 12, 13);
        for (const Mask& eye : {leftEye, leftEye.mirrored()})
            canvas.fillOutlined(eye, EyeWhite, Outline);
        canvas.fill(ellipse(25, 39.5, 2.2, 2.2), Outline);
        canvas.fill(ellipse(43.8, 39.5, 2.2, 2.2), Outline);
        Mask leftBrow = stroke({{18, 33}, {22, 29}, {30, 30}}, 2.2);
        canvas.fill(leftBrow.united(leftBrow.mirrored()), Hair);
        return;
    }
    // Round, bright eyes under arched, cheerful brows.
    Mask leftEye = ellipse(24, 37, 6, 8);
    for (const Mask& eye : {leftEye, leftEye.mirrored()})
        canvas.fill(eye, Outline);
    canvas.set(25, 39, EyeWhite);
    canvas.set(26, 39, EyeWhite);
    canvas.set(25, 40, EyeWhite);
    canvas.set(42, 39, EyeWhite);
    canvas.set(43, 39, EyeWhite);
    canvas.set(42, 40, EyeWhite);
    Mask leftBrow = stroke({{21, 35}, {24, 32.5}, {30, 32.5}}, 2);
    canvas.fill(leftBrow.united(leftBrow.mirrored()), Hair);
    // Smile creases at the corners of the eyes.
    canvas.fill(stroke({{20, 44}, {22, 45}}, 1), SkinShadow);
    canvas.fill(stroke({{50, 44}, {48, 45}}, 1), SkinShadow);
}

void drawNoseAndMouth(IndexedCanvas& canvas, bool staring)
{
    Mask leftCheek = ellipse(16, 49, 10, 6);
    canvas.fillOver(leftCheek.united(leftCheek.mirrored()), Cheek, {Skin, SkinShadow});

    Mask nose = ellipse(30, 43, 11, 10);
    canvas.fillOutlined(nose, Skin, Outline);
    canvas.fill(nose.intersected(rows(0, 46)).subtracted(nose.subtracted(rows(0, 46)).grown()),
                Skin);
    canvas.fill(ellipse(32, 45, 3, 3), SkinLight);
    canvas.fill(ellipse(37, 49, 3, 3).intersected(nose.subtracted(nose.border())), SkinShadow);

    if (staring) {
        Mask mouth = ellipse(29, 56, 13, 11);
        canvas.fillOutlined(mouth, Mouth, Outline);
        canvas.fill(ellipse(31, 61, 9, 5).intersected(mouth.subtracted(mouth.border())), Tongue);
        return;
    }
    // A broad grin showing the top teeth.
    Mask grin = ellipse(22, 48, 27, 16).intersected(rows(56, Height));
    canvas.fillOutlined(grin, Mouth, Outline);
    Mask inner = grin.subtracted(grin.border());
    canvas.fill(inner.intersected(rows(57, 60)), EyeWhite);
    canvas.fill(inner.intersected(ellipse(29, 60, 13, 6)).subtracted(rows(0, 61)), Tongue);
    canvas.fill(stroke({{20, 55}, {22, 57}}, 1), SkinShadow);
    canvas.fill(stroke({{51, 55}, {49, 57}}, 1), SkinShadow);
}

void drawHelmet(IndexedCanvas& canvas)
{
    // Brim first, then the dome over its back half, so its front edge sits over the brow.
    Mask brim = ellipse(1, 17, 69, 16);
    canvas.fillOutlined(brim, Helmet, Outline);
    Mask underside = brim.subtracted(brim.border()).subtracted(rows(0, 28));
    canvas.fill(underside, HelmetShadow);

    Mask dome = ellipse(12, 1, 47, 44).intersected(rows(0, 26));
    canvas.fillOutlined(dome, Helmet, Outline);
    Mask domeInside = dome.subtracted(dome.border());
    canvas.fill(domeInside.subtracted(domeInside.translated(-4, 0)), HelmetShadow);
    canvas.fill(ellipse(19, 5, 10, 10).intersected(domeInside), HelmetLight);
    canvas.fill(domeInside.intersected(rows(19, 24)), Band);
    canvas.fill(domeInside.intersected(rows(19, 20)), HelmetShadow);
    canvas.fill(domeInside.intersected(rows(23, 24)), Outline);

    Mask knob = ellipse(32, 0, 7, 4);
    canvas.fillOutlined(knob, Helmet, Outline);
    canvas.fill(brim.subtracted(brim.translated(0, -1)).intersected(rows(27, Height)), Outline);
}

void drawCivilianFace(IndexedCanvas& canvas, bool staring)
{
    drawShirt(canvas);
    drawHead(canvas);
    drawEyes(canvas, staring);
    drawNoseAndMouth(canvas, staring);
    drawHelmet(canvas);
}

} // namespace

Sprite drawCivilian()
{
    IndexedCanvas canvas(Width, Height, Clear);
    drawCivilianFace(canvas, false);
    return {canvas.toImage(civilianPalette(false)), Clear};
}

Sprite drawHitCivilian()
{
    IndexedCanvas canvas(Width, Height, Clear);
    drawCivilianFace(canvas, true);
    Mask head = canvas.coverage(Clear);
    splatter(canvas, head, QPointF(46, 52), 3, CivilianHitInks);
    splatter(canvas, head, QPointF(20, 22), 5, CivilianHitInks);
    flash(canvas, QPointF(57, 12), 11, 8, 4, CivilianHitInks);
    return {canvas.toImage(civilianPalette(true)), Clear};
}

} // namespace assetgen
