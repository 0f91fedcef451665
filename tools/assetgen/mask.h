// A set of pixels (a shape) that the pictures fill and outline in palette indices.
#pragma once

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <vector>

namespace assetgen {

// Shapes are rasterised by QPainter without anti-aliasing, so a pixel is either in or out and
// the same shape gives the same pixels on every run.
class Mask {
public:
    Mask(int width, int height);

    static Mask fromPath(int width, int height, const QPainterPath& path);
    static Mask ellipse(int width, int height, const QRectF& bounds);
    static Mask polygon(int width, int height, const QPolygonF& points);
    // A stroke of the given pen width along the points, with round ends.
    static Mask stroke(int width, int height, const QPolygonF& points, qreal penWidth);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const;
    void set(int x, int y, bool on = true);

    Mask united(const Mask& other) const;
    Mask intersected(const Mask& other) const;
    Mask subtracted(const Mask& other) const;
    // The pixels of this shape that touch (4-neighbour) a pixel outside it.
    Mask border() const;
    // The shape grown by one pixel in the four directions.
    Mask grown() const;
    Mask translated(int dx, int dy) const;
    // Flipped left to right, for the other half of a face.
    Mask mirrored() const;
    // Every other pixel of the shape, for stubble and cloth texture.
    Mask checkered() const;

private:
    int m_width;
    int m_height;
    std::vector<bool> m_pixels;
};

} // namespace assetgen
