// Enlarges the dart's pixel drawings by whole factors, or renders its vector drawing, and encodes
// them as PNGs with alpha; writes the vector drawing as SVG.
#include "tools/assetgen/app_icons.h"

#include "tools/assetgen/dart_vector.h"
#include "tools/assetgen/pictures.h"

#include <QBuffer>
#include <QImageWriter>
#include <stdexcept>
#include <string>

namespace assetgen {
namespace {

// 96 dots per inch, written down so that the PNG does not depend on the machine's screen.
constexpr int DotsPerMeter = 3780;

QImage enlarged(const Sprite& dart, int factor)
{
    const QImage& source = dart.image;
    QImage icon(source.width() * factor, source.height() * factor, QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            int index = source.pixelIndex(x / factor, y / factor);
            icon.setPixel(x, y,
                          index == dart.transparentIndex ? qRgba(0, 0, 0, 0) : source.color(index));
        }
    return icon;
}

// The largest size drawn from the pixels; above it, from the vector drawing.
constexpr int kLargestPixelSize = 128;

} // namespace

QList<int> appIconSizes() { return {16, 32, 48, 64, 128, 256, 512}; }

QByteArray encodeScalableAppIcon() { return encodeDartSvg(kLargestPixelSize); }

QByteArray encodeAppIcon(int size)
{
    if (!appIconSizes().contains(size))
        throw std::invalid_argument("the application icon has no " + std::to_string(size) +
                                    " pixel size");
    const int drawing = size % 32 == 0 ? 32 : 16;
    QImage icon =
        size > kLargestPixelSize ? renderDart(size) : enlarged(drawDart(drawing), size / drawing);
    icon.setDotsPerMeterX(DotsPerMeter);
    icon.setDotsPerMeterY(DotsPerMeter);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(icon))
        throw std::runtime_error("icon: cannot encode the " + std::to_string(size) +
                                 " pixel PNG: " + writer.errorString().toStdString());
    return bytes;
}

} // namespace assetgen
