// Converts XImages: directly where the bytes are already RGB32's, pixel by pixel elsewhere.
#include "harness/ximage_conversion.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <bit>
#include <cstring>

namespace harness {
namespace {

// An 8-bit channel from a pixel, given the channel's mask in the visual.
int channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const auto value = static_cast<int>((pixel & mask) >> shift);
    return bits >= 8 ? value >> (bits - 8) : value * 255 / ((1 << bits) - 1);
}

bool isRgb32(const XImage& image)
{
    const int hostOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    return image.format == ZPixmap && image.bits_per_pixel == 32 && image.byte_order == hostOrder &&
           image.red_mask == 0xff0000 && image.green_mask == 0xff00 && image.blue_mask == 0xff;
}

} // namespace

QImage convertXImage(XImage& image)
{
    QImage result(image.width, image.height, QImage::Format_RGB32);
    if (isRgb32(image)) {
        for (int y = 0; y < image.height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
            std::memcpy(line, image.data + static_cast<std::ptrdiff_t>(y) * image.bytes_per_line,
                        static_cast<std::size_t>(image.width) * sizeof(QRgb));
            // The server leaves the padding byte as it likes; RGB32 wants it opaque.
            for (int x = 0; x < image.width; ++x)
                line[x] |= 0xff000000u;
        }
        return result;
    }
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            const unsigned long pixel = XGetPixel(&image, x, y);
            line[x] = qRgb(channel(pixel, image.red_mask), channel(pixel, image.green_mask),
                           channel(pixel, image.blue_mask));
        }
    }
    return result;
}

} // namespace harness
