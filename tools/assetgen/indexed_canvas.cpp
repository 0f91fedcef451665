// Draws in palette indices and hands the result out as an 8-bit indexed QImage.
#include "tools/assetgen/indexed_canvas.h"

#include <stdexcept>

namespace assetgen {

QList<QRgb> makePalette(std::initializer_list<std::pair<int, QRgb>> entries)
{
    QList<QRgb> palette(256, qRgb(0, 0, 0));
    for (const auto& [index, colour] : entries) {
        if (index < 0 || index > 255)
            throw std::out_of_range("palette index out of range");
        palette[index] = colour;
    }
    return palette;
}

IndexedCanvas::IndexedCanvas(int width, int height, int background)
    : m_width(width)
    , m_height(height)
    , m_indices(static_cast<size_t>(width) * static_cast<size_t>(height),
                static_cast<unsigned char>(background))
{
}

int IndexedCanvas::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return -1;
    return m_indices[static_cast<size_t>(y * m_width + x)];
}

void IndexedCanvas::set(int x, int y, int index)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_indices[static_cast<size_t>(y * m_width + x)] = static_cast<unsigned char>(index);
}

void IndexedCanvas::fill(const Mask& shape, int index)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (shape.contains(x, y))
                set(x, y, index);
}

void IndexedCanvas::fillOutlined(const Mask& shape, int index, int outline)
{
    fill(shape, index);
    fill(shape.border(), outline);
}

void IndexedCanvas::fillOver(const Mask& shape, int index, std::initializer_list<int> over)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            if (!shape.contains(x, y))
                continue;
            for (int old : over)
                if (at(x, y) == old) {
                    set(x, y, index);
                    break;
                }
        }
}

Mask IndexedCanvas::coverage(int background) const
{
    Mask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            result.set(x, y, at(x, y) != background);
    return result;
}

QImage IndexedCanvas::toImage(const QList<QRgb>& palette) const
{
    if (palette.size() != 256)
        throw std::invalid_argument("a picture's colour table must have 256 entries");
    QImage image(m_width, m_height, QImage::Format_Indexed8);
    image.setColorTable(palette);
    for (int y = 0; y < m_height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < m_width; ++x)
            line[x] = m_indices[static_cast<size_t>(y * m_width + x)];
    }
    return image;
}

} // namespace assetgen
