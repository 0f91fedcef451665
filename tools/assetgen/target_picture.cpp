// The target: a stern man in a beret with a heavy moustache, and the same face when hit.
#include "tools/assetgen/hit_effects.h"
#include "tools/assetgen/indexed_canvas.h"
#include "tools/assetgen/pictures.h"

namespace assetgen {
namespace {

constexpr int Width = 56;
constexpr int Height = 69;

// Colour slots of the face; the plain target's transparent index 15 follows them.
enum Ink {
    Outline = 0,
    Skin,
    SkinShadow,
    SkinLight,
    Hair,
    HairLight,
    EyeWhite,
    Beret,
    BeretLight,
    Gold,
    Jacket,
    JacketShadow,
    Lip,
    BadgeRed,
};

constexpr int TargetClear = 15;
constexpr int HitClear = 255;
constexpr HitInks TargetHitInks{16, 17, 18, 19, 20, Outline};

QList<QRgb> facePalette(int clear)
{
    QList<QRgb> palette = makePalette({
        {Outline, qRgb(20, 14, 12)},
        {Skin, qRgb(212, 156, 108)},
        {SkinShadow, qRgb(164, 108, 70)},
        {SkinLight, qRgb(236, 190, 144)},
        {Hair, qRgb(38, 30, 28)},
        {HairLight, qRgb(84, 72, 66)},
        {EyeWhite, qRgb(244, 240, 226)},
        {Beret, qRgb(58, 70, 38)},
        {BeretLight, qRgb(92, 108, 58)},
        {Gold, qRgb(236, 196, 64)},
        {Jacket, qRgb(104, 110, 60)},
        {JacketShadow, qRgb(70, 76, 40)},
        {Lip, qRgb(128, 58, 48)},
        {BadgeRed, qRgb(196, 36, 28)},
    });
    palette[clear] = qRgb(255, 0, 255);
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

Mask faceShape()
{
    Mask skull = ellipse(9, 10, 38, 44);
    Mask jaw = polygon({{10, 34}, {46, 34}, {45, 49}, {38, 58}, {28, 61}, {18, 58}, {11, 49}});
    return skull.united(jaw);
}

void drawJacket(IndexedCanvas& canvas)
{
    Mask neck = polygon({{19, 48}, {37, 48}, {37, 64}, {19, 64}});
    canvas.fillOutlined(neck, Skin, Outline);
    canvas.fill(polygon({{20, 52}, {36, 52}, {36, 58}, {28, 61}, {20, 58}}), SkinShadow);

    Mask jacket = polygon(
        {{0, 69}, {0, 63}, {6, 59}, {19, 57}, {28, 66}, {37, 57}, {50, 59}, {56, 63}, {56, 69}});
    canvas.fillOutlined(jacket, Jacket, Outline);
    canvas.fill(jacket.subtracted(jacket.translated(0, 3)).checkered(), JacketShadow);
    Mask leftLapel = polygon({{19, 57}, {28, 66}, {24, 69}, {15, 59}});
    canvas.fillOutlined(leftLapel, Jacket, Outline);
    canvas.fillOutlined(leftLapel.mirrored(), Jacket, Outline);
    // A star of rank on each side of the collar.
    static const char* const star[] = {"..#..", "#####", ".###.", ".#.#."};
    for (int left : {7, 44})
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 5; ++column)
                if (star[row][column] == '#')
                    canvas.set(left + column, 62 + row, Gold);
}

void drawHead(IndexedCanvas& canvas)
{
    Mask leftEar = ellipse(5, 29, 9, 14);
    canvas.fillOutlined(leftEar, Skin, Outline);
    canvas.fillOutlined(leftEar.mirrored(), Skin, Outline);
    canvas.fill(ellipse(7, 32, 3, 7), SkinShadow);
    canvas.fill(ellipse(46, 32, 3, 7), SkinShadow);

    Mask face = faceShape();
    canvas.fillOutlined(face, Skin, Outline);
    Mask inside = face.subtracted(face.border());
    // Light from the upper left: shade the right side and under the jaw.
    canvas.fill(inside.subtracted(inside.translated(-4, 0)), SkinShadow);
    canvas.fill(inside.subtracted(inside.translated(0, -2)), SkinShadow);
    // Stubble over the jaw and chin.
    Mask chin = inside.intersected(polygon({{11, 46}, {45, 46}, {45, 62}, {11, 62}}));
    canvas.fillOver(chin.checkered(), SkinShadow, {Skin});
    canvas.fill(ellipse(14, 35, 8, 5).subtracted(ellipse(14, 33, 8, 5)), SkinShadow);
    canvas.fill(ellipse(34, 35, 8, 5).subtracted(ellipse(34, 33, 8, 5)), SkinShadow);

    // Cropped hair under the beret, tapering to sideburns.
    Mask leftSideburn = polygon({{8, 16}, {17, 16}, {16, 21}, {13, 23}, {12, 34}, {9, 31}});
    Mask sideburns = leftSideburn.united(leftSideburn.mirrored()).intersected(face);
    canvas.fill(sideburns, Hair);
    canvas.fill(face.border().intersected(sideburns), Outline);
    canvas.fill(stroke({{10, 20}, {11, 27}}, 1).intersected(sideburns), HairLight);
    canvas.fill(stroke({{46, 20}, {45, 27}}, 1).intersected(sideburns), HairLight);
}

void drawBrowsAndEyes(IndexedCanvas& canvas, bool staring)
{
    if (staring) {
        // Eyes wide open under brows thrown up.
        Mask leftEye = ellipse(14, 25, 11, 11);
        for (const Mask& eye : {leftEye, leftEye.mirrored()})
            canvas.fillOutlined(eye, EyeWhite, Outline);
        canvas.fill(ellipse(18.5, 29.5, 2, 2), Outline);
        canvas.fill(ellipse(35.5, 29.5, 2, 2), Outline);
        Mask leftBrow = stroke({{12, 24}, {16, 19}, {24, 19}}, 3);
        canvas.fill(leftBrow.united(leftBrow.mirrored()), Hair);
        return;
    }
    // Narrowed, glaring eyes under brows drawn down to the nose.
    Mask leftEye = ellipse(15, 29, 10, 5);
    Mask upperHalf = polygon({{0, 0}, {Width, 0}, {Width, 31}, {0, 31}});
    for (const Mask& eye : {leftEye, leftEye.mirrored()}) {
        canvas.fillOutlined(eye, EyeWhite, SkinShadow);
        canvas.fill(eye.border().intersected(upperHalf), Outline);
    }
    canvas.fill(polygon({{19, 30}, {22, 30}, {22, 33}, {19, 33}}), Outline);
    canvas.fill(polygon({{34, 30}, {37, 30}, {37, 33}, {34, 33}}), Outline);
    canvas.set(20, 31, HairLight);
    canvas.set(35, 31, HairLight);
    Mask leftBrow = polygon({{12, 23}, {17, 24}, {27, 28.5}, {27, 31}, {22, 29.5}, {12, 27}});
    Mask brows = leftBrow.united(leftBrow.mirrored());
    canvas.fillOutlined(brows, Hair, Outline);
    canvas.fill(stroke({{14, 25}, {20, 26.5}}, 1), HairLight);
    canvas.fill(stroke({{14, 25}, {20, 26.5}}, 1).mirrored(), HairLight);
    // Furrows between the brows.
    canvas.fill(stroke({{27.5, 24}, {27.5, 27}}, 1), SkinShadow);
}

void drawNoseAndMouth(IndexedCanvas& canvas, bool staring)
{
    Mask nose =
        polygon({{26, 32}, {30, 32}, {32, 39}, {34, 42}, {31, 45}, {25, 45}, {22, 42}, {24, 39}});
    canvas.fillOutlined(nose, Skin, Outline);
    canvas.fill(polygon({{30, 33}, {31, 39}, {33, 43}, {31, 44}}).subtracted(nose.border()),
                SkinShadow);
    canvas.fill(stroke({{27, 34}, {26, 40}}, 1), SkinLight);
    canvas.set(25, 44, Outline);
    canvas.set(31, 44, Outline);

    // Lines from the nose down to the corners of the moustache.
    canvas.fill(stroke({{21, 40}, {17, 46}}, 1), SkinShadow);
    canvas.fill(stroke({{35, 40}, {39, 46}}, 1), SkinShadow);

    if (staring) {
        // The mouth drops open.
        Mask mouth = ellipse(24, 48, 9, 8);
        canvas.fillOutlined(mouth, Lip, Outline);
        canvas.fill(ellipse(26, 51, 5, 4), Outline);
    } else {
        Mask mouth = stroke({{22, 53}, {24, 51.5}, {32, 51.5}, {34, 53}}, 1.6);
        canvas.fill(mouth, Outline);
        canvas.fill(stroke({{25, 54}, {31, 54}}, 1), Lip);
    }

    // The heavy moustache, drooping past the corners of the mouth.
    Mask moustache = polygon({{15, 51},
                              {17, 47},
                              {21, 44},
                              {26, 44},
                              {28, 45},
                              {30, 44},
                              {35, 44},
                              {39, 47},
                              {41, 51},
                              {38, 52},
                              {35, 49},
                              {31, 48},
                              {28, 49},
                              {25, 48},
                              {21, 49},
                              {18, 52}});
    canvas.fillOutlined(moustache, Hair, Outline);
    canvas.fill(stroke({{20, 46.5}, {26, 45.5}}, 1), HairLight);
    canvas.fill(stroke({{31, 45.5}, {35, 46.5}}, 1), HairLight);
}

void drawBeret(IndexedCanvas& canvas)
{
    // Pulled down to the right, its band across the forehead.
    Mask beret = ellipse(4, 1, 49, 19).united(ellipse(31, 5, 23, 15));
    Mask band = stroke({{9, 18}, {20, 16}, {36, 16}, {47, 18}}, 4);
    canvas.fillOutlined(beret, Beret, Outline);
    Mask top = beret.subtracted(beret.border());
    canvas.fill(top.subtracted(top.translated(-2, 3))
                    .intersected(polygon({{4, 0}, {34, 0}, {20, 10}, {4, 12}})),
                BeretLight);
    canvas.fillOutlined(band, Outline, Outline);
    canvas.fill(stroke({{11, 17}, {20, 15.5}}, 1), HairLight);

    // The badge: a gold wreath round a red star.
    Mask badge = ellipse(12, 4, 11, 11);
    canvas.fillOutlined(badge, Gold, Outline);
    canvas.fill(polygon({{17.5, 6},
                         {19, 9},
                         {21, 9},
                         {19.5, 11},
                         {20, 13.5},
                         {17.5, 12},
                         {15, 13.5},
                         {15.5, 11},
                         {14, 9},
                         {16, 9}}),
                BadgeRed);
}

void drawFace(IndexedCanvas& canvas, bool staring)
{
    drawJacket(canvas);
    drawHead(canvas);
    drawBrowsAndEyes(canvas, staring);
    drawNoseAndMouth(canvas, staring);
    drawBeret(canvas);
}

} // namespace

Sprite drawTarget()
{
    IndexedCanvas canvas(Width, Height, TargetClear);
    drawFace(canvas, false);
    return {canvas.toImage(facePalette(TargetClear)), TargetClear};
}

Sprite drawHitTarget()
{
    IndexedCanvas canvas(Width, Height, HitClear);
    drawFace(canvas, true);
    Mask head = canvas.coverage(HitClear);
    splatter(canvas, head, QPointF(28, 22), 1, TargetHitInks);
    flash(canvas, QPointF(38, 14), 12, 9, 1, TargetHitInks);
    flash(canvas, QPointF(13, 48), 8, 7, 2, TargetHitInks);
    QList<QRgb> palette = facePalette(HitClear);
    addHitColours(palette, TargetHitInks);
    return {canvas.toImage(palette), HitClear};
}

} // namespace assetgen
