// Enlarges the dart's drawings by whole factors and encodes them as PNGs with alpha.
#include "tools/assetgen/app_icons.h"

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
    icon.setDotsPerMeterX(DotsPerMeter);
    icon.setDotsPerMeterY(DotsPerMeter);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            int index = source.pixelIndex(x / factor, y / factor);
            icon.setPixel(x, y,
                          index == dart.transparentIndex ? qRgba(0, 0, 0, 0) : source.color(index));
        }
    return icon;
}

} // namespace

QList<int> appIconSizes() { return {16, 32, 48, 64, 128}; }

QByteArray encodeAppIcon(int size)
{
    if (!appIconSizes().contains(size))
        throw std::invalid_argument("the application icon has no " + std::to_string(size) +
                                    " pixel size");
    const int drawing = size % 32 == 0 ? 32 : 16;
    const QImage icon = enlarged(drawDart(drawing), size / drawing);

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
