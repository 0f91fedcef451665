// Draws the dart with QPainter once, for an SVG file and for PNG renderings alike.
#include "tools/assetgen/dart_vector.h"

#include "tools/assetgen/dart_colours.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgGenerator>

namespace assetgen {
namespace {

using namespace dart;

// The drawing lies along the square's diagonal, in units of the 32-pixel dart: x runs from the
// tip at the top-left corner towards the bottom-right one, y across the dart; x + |y| stays
// under 32 x sqrt(2) so that nothing leaves the square.
constexpr qreal kUnits = 32;
constexpr qreal kOutlineWidth = 0.8;

void fill(QPainter& painter, const QPainterPath& path, QRgb colour)
{
    painter.setPen(
        QPen(QColor(kOutline), kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(colour));
    painter.drawPath(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// One flight, on the side of the dart that `side` (1 or -1) says: yellow with a white panel.
void paintFlight(QPainter& painter, qreal side)
{
    fill(painter, polygon({{24.5, side * 1.0}, {30, side * 8}, {36, side * 8.3}, {43, side * 1.0}}),
         kYellow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kWhite));
    painter.drawPath(
        polygon({{28, side * 2.2}, {31, side * 6.4}, {35, side * 6.7}, {39.5, side * 2.2}}));
    painter.setBrush(QColor(kDarkYellow));
    painter.drawPath(
        polygon({{36, side * 8.3}, {43, side * 1.0}, {41.6, side * 1.0}, {35.3, side * 7.5}}));
}

void paintDart(QPainter& painter, int size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    // The outline's half width inside the square at the tip.
    painter.translate(0.3, 0.3);
    painter.rotate(45);

    paintFlight(painter, 1);
    paintFlight(painter, -1);

    // The steel point, lit along its upper edge.
    fill(painter, polygon({{0, 0}, {10.5, -1.3}, {10.5, 1.3}}), kDarkSteel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kLightSteel));
    painter.drawPath(polygon({{0.6, 0}, {10.5, -1.1}, {10.5, 0.1}}));

    // The barrel, shaded along its lower edge and lit along its upper one, with grip rings.
    QPainterPath barrel;
    barrel.addRoundedRect(QRectF(10, -2.4, 15.5, 4.8), 1.2, 1.2);
    fill(painter, barrel, kRed);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kDarkRed));
    painter.drawRect(QRectF(11, 1.0, 13.5, 1.0));
    painter.setBrush(QColor(kRedHighlight));
    painter.drawRect(QRectF(11, -1.6, 13.5, 0.8));
    painter.setPen(QPen(QColor(kDarkRed), 0.7));
    for (const qreal ring : {13.5, 16.5, 19.5})
        painter.drawLine(QPointF(ring, -2.0), QPointF(ring, 2.0));

    // The shaft through the flights.
    fill(painter, polygon({{25, -0.9}, {43, -0.6}, {43, 0.6}, {25, 0.9}}), kRed);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kRedHighlight));
    painter.drawPath(polygon({{25.5, -0.6}, {42.5, -0.4}, {42.5, 0}, {25.5, 0}}));
}

} // namespace

QByteArray encodeDartSvg(int size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Blastmap"));
    svg.setDescription(QStringLiteral("A dart pointing to the upper left"));
    QPainter painter(&svg);
    paintDart(painter, size);
    painter.end();
    return bytes;
}

QImage renderDart(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintDart(painter, size);
    painter.end();
    return image;
}

} // namespace assetgen
