// Rasterises shapes into pixel sets and combines them.
#include "tools/assetgen/mask.h"

#include <QImage>
#include <QPainter>

namespace assetgen {

Mask::Mask(int width, int height)
    : m_width(width)
    , m_height(height)
    , m_pixels(static_cast<size_t>(width) * static_cast<size_t>(height), false)
{
}

Mask Mask::fromPath(int width, int height, const QPainterPath& path)
{
    QImage surface(width, height, QImage::Format_RGB32);
    surface.fill(Qt::black);
    {
        QPainter painter(&surface);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPath(path);
    }
    Mask mask(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            mask.set(x, y, qRed(surface.pixel(x, y)) > 127);
    return mask;
}

Mask Mask::ellipse(int width, int height, const QRectF& bounds)
{
    QPainterPath path;
    path.addEllipse(bounds);
    return fromPath(width, height, path);
}

Mask Mask::polygon(int width, int height, const QPolygonF& points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return fromPath(width, height, path);
}

Mask Mask::stroke(int width, int height, const QPolygonF& points, qreal penWidth)
{
    QPainterPath line;
    line.addPolygon(points);
    QPainterPathStroker stroker;
    stroker.setWidth(penWidth);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return fromPath(width, height, stroker.createStroke(line));
}

bool Mask::contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    return m_pixels[static_cast<size_t>(y * m_width + x)];
}

void Mask::set(int x, int y, bool on)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[static_cast<size_t>(y * m_width + x)] = on;
}

Mask Mask::united(const Mask& other) const
{
    Mask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            result.set(x, y, contains(x, y) || other.contains(x, y));
    return result;
}

Mask Mask::intersected(const Mask& other) const
{
    Mask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            result.set(x, y, contains(x, y) && other.contains(x, y));
    return result;
}

Mask Mask::subtracted(const Mask& other) const
{
    Mask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            result.set(x, y, contains(x, y) && !other.contains(x, y));
    return result;
}

Mask Mask::border() const
{
    // Beyond the frame does not count as outside: a shape cut off by the frame (shoulders at
    // the bottom) gets no outline along the cut.
    Mask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            if (!contains(x, y))
                continue;
            auto outside = [&](int nx, int ny) {
                if (nx < 0 || ny < 0 || nx >= m_width || ny >= m_height)
                    return false;
                return !contains(nx, ny);
            };
            if (outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1))
                result.set(x, y);
        }
    return result;
}

Mask Mask::grown() const
{
    Mask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            result.set(x, y,
                       contains(x, y) || contains(x - 1, y) || contains(x + 1, y) ||
                           contains(x, y - 1) || contains(x, y + 1));
    return result;
}

Mask Mask::translated(int dx, int dy) const
{
    Mask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            result.set(x, y, contains(x - dx, y - dy));
    return result;
}

Mask Mask::mirrored() const
{
    Mask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            result.set(x, y, contains(m_width - 1 - x, y));
    return result;
}

Mask Mask::checkered() const
{
    Mask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            result.set(x, y, contains(x, y) && (x + y) % 2 == 0);
    return result;
}

} // namespace assetgen
