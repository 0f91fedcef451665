// Pixel-exact comparisons: the X server is 24-bit, so a picture drawn unscaled shows unchanged.
#include "tests/e2e/pictures.h"

namespace e2e {
namespace {

bool samePixel(QRgb a, QRgb b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

} // namespace

QImage embeddedPicture(const scene::picture::Embedded& embedded)
{
    QImage picture(QString::fromLatin1(embedded.path));
    return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_ARGB32);
}

double shownFraction(const QImage& screen, const QImage& picture, QPoint topLeft,
                     const QImage* unlike)
{
    int opaque = 0;
    int onScreen = 0;
    int shown = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            if (unlike && unlike->valid(x, y) && unlike->pixel(x, y) == pixel)
                continue;
            ++opaque;
            const QPoint at = topLeft + QPoint(x, y);
            if (!screen.rect().contains(at))
                continue;
            ++onScreen;
            shown += samePixel(screen.pixel(at), pixel);
        }
    }
    // The window's edge cuts the picture as it cuts the real one; but a picture mostly off the
    // window is not found by its few pixels left.
    if (onScreen == 0 || onScreen * 2 < opaque)
        return 0.0;
    return static_cast<double>(shown) / onScreen;
}

BestMatch bestMatchNear(const QImage& screen, const QImage& picture, QPoint expected, int radius)
{
    BestMatch best{expected, -1};
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint at = expected + QPoint(dx, dy);
            const double fraction = shownFraction(screen, picture, at);
            if (fraction > best.fraction)
                best = {at, fraction};
        }
    }
    return best;
}

int countColour(const QImage& screen, QRgb colour, const QRect& area)
{
    const QRect within = area.intersected(screen.rect());
    int count = 0;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            count += samePixel(screen.pixel(x, y), colour);
    return count;
}

QRect colourBounds(const QImage& screen, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (samePixel(screen.pixel(x, y), colour))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool sameArea(const QImage& a, const QImage& b, const QRect& area)
{
    return differingPixels(a, b, area) == 0;
}

int differingPixels(const QImage& a, const QImage& b, const QRect& area)
{
    const QRect within = area.intersected(a.rect()).intersected(b.rect());
    int count = 0;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            count += !samePixel(a.pixel(x, y), b.pixel(x, y));
    // Pixels that one capture lacks count as different.
    return count + (area.width() * area.height() - within.width() * within.height());
}

} // namespace e2e
