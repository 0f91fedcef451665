// A picture held as palette indices, so every pixel maps to an exact colour of its table.
#pragma once

#include "tools/assetgen/mask.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <initializer_list>
#include <utility>
#include <vector>

namespace assetgen {

// A 256-entry colour table: the given entries, and black in every other slot.
QList<QRgb> makePalette(std::initializer_list<std::pair<int, QRgb>> entries);

class IndexedCanvas {
public:
    IndexedCanvas(int width, int height, int background);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int at(int x, int y) const;
    void set(int x, int y, int index);

    void fill(const Mask& shape, int index);
    // Fills the shape and draws its one-pixel border on top, inside the shape.
    void fillOutlined(const Mask& shape, int index, int outline);
    // Paints only those pixels of the shape that currently hold one of the given indices.
    void fillOver(const Mask& shape, int index, std::initializer_list<int> over);
    // The pixels that are not the given (background) index.
    Mask coverage(int background) const;

    Mask blankMask() const { return Mask(m_width, m_height); }

    // Format_Indexed8 with the given 256-entry colour table.
    QImage toImage(const QList<QRgb>& palette) const;

private:
    int m_width;
    int m_height;
    std::vector<unsigned char> m_indices;
};

} // namespace assetgen
