// The application's icons for desktop menus and software centres: the dart at every size of the
// icon theme, and the scalable one drawing what the largest one shows.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>
#include <string>

namespace {

const int kSizes[] = {16, 32, 48, 64, 128, 256, 512};

QString iconFile(const QString& name) { return QStringLiteral(BLASTMAP_ASSETS "/") + name; }

QImage pngIcon(int size)
{
    return QImage(iconFile(QString("app_icon_%1.png").arg(size)))
        .convertToFormat(QImage::Format_ARGB32);
}

// The share of the opaque pixels that are of a colour the test names.
double share(const QImage& icon, bool (*isOfIt)(QRgb))
{
    int opaque = 0;
    int ofIt = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (qAlpha(icon.pixel(x, y)) == 255) {
                ++opaque;
                ofIt += isOfIt(icon.pixel(x, y));
            }
    return opaque ? static_cast<double>(ofIt) / opaque : 0;
}

bool red(QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; }
bool yellow(QRgb c) { return qRed(c) > 190 && qGreen(c) > 140 && qBlue(c) < 60; }
bool white(QRgb c) { return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240; }
bool steel(QRgb c) { return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qRed(c) > 100; }

} // namespace

TEST(AppIcon, ShowsTheDartFromTheTopLeftCornerDownTheDiagonalAtEverySize)
{
    for (const int size : kSizes) {
        SCOPED_TRACE(std::to_string(size) + " pixels");
        const QImage icon = pngIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        // The two corners off the diagonal are see-through, the diagonal is drawn on.
        const int quarter = size / 4;
        for (int y = 0; y < quarter; ++y)
            for (int x = 0; x < quarter; ++x) {
                ASSERT_EQ(qAlpha(icon.pixel(size - 1 - x, y)), 0) << "top-right " << x << "," << y;
                ASSERT_EQ(qAlpha(icon.pixel(x, size - 1 - y)), 0)
                    << "bottom-left " << x << "," << y;
            }
        for (int step = 1; step <= 9; ++step) {
            const int at = size * step / 10;
            EXPECT_EQ(qAlpha(icon.pixel(at, at)), 255) << "the diagonal at " << at;
        }
        // The point's steel, the barrel's red, the flights' yellow and white.
        EXPECT_GT(share(icon, steel), 0.02);
        EXPECT_GT(share(icon, red), 0.10);
        EXPECT_GT(share(icon, yellow), 0.10);
        EXPECT_GT(share(icon, white), 0.02);
    }
}

TEST(AppIcon, TheScalableIconDrawsWhatTheLargestOneShows)
{
    QSvgRenderer svg(iconFile("app_icon.svg"));
    ASSERT_TRUE(svg.isValid());
    const QImage largest = pngIcon(512);
    QImage drawn(largest.size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    // Anti-aliasing may round an edge's pixels apart, no more.
    int apart = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb a = drawn.pixel(x, y);
            const QRgb b = largest.pixel(x, y);
            apart += std::abs(qRed(a) - qRed(b)) > 24 || std::abs(qGreen(a) - qGreen(b)) > 24 ||
                     std::abs(qBlue(a) - qBlue(b)) > 24 || std::abs(qAlpha(a) - qAlpha(b)) > 24;
        }
    EXPECT_LT(apart, drawn.width() * drawn.height() / 100);
}
