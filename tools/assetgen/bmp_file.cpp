// Lets Qt's BMP writer encode the map, then checks the header it wrote.
#include "tools/assetgen/bmp_file.h"

#include <QBuffer>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace assetgen {
namespace {

std::uint32_t readLe(const QByteArray& bytes, int offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

void require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(std::string("map.bmp: ") + what);
}

} // namespace

QByteArray encodeBmp(const QImage& indexed)
{
    require(indexed.format() == QImage::Format_Indexed8, "the picture is not 8-bit indexed");
    require(indexed.colorCount() == 256, "the colour table does not have 256 entries");

    // The header carries the resolution; fix it so it does not follow the machine's screen.
    QImage image = indexed;
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    // A QImage leaves the bytes that align each scanline uninitialised and Qt's writer copies
    // them as the file's row padding; clear them so that every run writes the same file.
    for (int row = 0; row < image.height(); ++row)
        std::memset(image.scanLine(row) + image.width(), 0,
                    static_cast<std::size_t>(image.bytesPerLine() - image.width()));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    require(image.save(&buffer, "BMP"), "Qt's BMP writer failed");

    // Qt's writer is relied on for exactly this layout; stop rather than ship anything else.
    const int width = image.width();
    const int height = image.height();
    const int stride = (width + 3) / 4 * 4;
    const int pixelsAt = 14 + 40 + 256 * 4;
    require(bytes.size() == pixelsAt + stride * height, "unexpected file size");
    require(bytes.startsWith("BM"), "no BM signature");
    require(readLe(bytes, 10, 4) == std::uint32_t(pixelsAt),
            "pixels not after a 256-entry palette");
    require(readLe(bytes, 14, 4) == 40, "not a BITMAPINFOHEADER");
    require(readLe(bytes, 18, 4) == std::uint32_t(width), "wrong width");
    require(readLe(bytes, 22, 4) == std::uint32_t(height), "height not positive (bottom-up)");
    require(readLe(bytes, 28, 2) == 8, "not 8 bits per pixel");
    require(readLe(bytes, 30, 4) == 0, "compressed");
    require(readLe(bytes, 46, 4) == 256, "palette not of 256 entries");
    // Row padding must be zero, or the file would differ from run to run.
    for (int row = 0; row < height; ++row)
        for (int pad = width; pad < stride; ++pad)
            require(bytes[pixelsAt + row * stride + pad] == 0, "row padding not zero");
    return bytes;
}

} // namespace assetgen
