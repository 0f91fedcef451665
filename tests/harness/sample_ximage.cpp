// Builds XImages by hand: Xlib's own setup, on bytes laid out here.
#include "sample_ximage.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <bit>
#include <stdexcept>

namespace harness {
namespace {

unsigned long encode(QRgb colour, const PixelLayout& layout)
{
    unsigned long pixel = 0;
    if (qRed(colour))
        pixel |= layout.redMask;
    if (qGreen(colour))
        pixel |= layout.greenMask;
    if (qBlue(colour))
        pixel |= layout.blueMask;
    return pixel;
}

int byteOrder(const PixelLayout& layout)
{
    const bool hostIsLittle = std::endian::native == std::endian::little;
    return hostIsLittle == layout.hostByteOrder ? LSBFirst : MSBFirst;
}

void store(char* at, unsigned long pixel, const PixelLayout& layout)
{
    const int bytes = layout.bitsPerPixel / 8;
    for (int i = 0; i < bytes; ++i) {
        const int shift = byteOrder(layout) == LSBFirst ? 8 * i : 8 * (bytes - 1 - i);
        at[i] = static_cast<char>((pixel >> shift) & 0xff);
    }
}

} // namespace

SampleXImage::SampleXImage(const PixelLayout& layout, const QImage& colours)
    : m_bytes(static_cast<std::size_t>(layout.bytesPerLine * colours.height()), '\x5a')
    , m_image(std::make_unique<XImage>())
{
    for (int y = 0; y < colours.height(); ++y)
        for (int x = 0; x < colours.width(); ++x)
            store(m_bytes.data() + y * layout.bytesPerLine + x * layout.bitsPerPixel / 8,
                  encode(colours.pixel(x, y), layout), layout);
    XImage& image = *m_image;
    image.width = colours.width();
    image.height = colours.height();
    image.format = ZPixmap;
    image.data = m_bytes.data();
    image.byte_order = byteOrder(layout);
    image.bitmap_unit = layout.bitsPerPixel;
    image.bitmap_bit_order = byteOrder(layout);
    image.bitmap_pad = layout.bitsPerPixel;
    image.depth = layout.bitsPerPixel == 32 ? 24 : 16;
    image.bytes_per_line = layout.bytesPerLine;
    image.bits_per_pixel = layout.bitsPerPixel;
    image.red_mask = layout.redMask;
    image.green_mask = layout.greenMask;
    image.blue_mask = layout.blueMask;
    if (!XInitImage(&image))
        throw std::invalid_argument(std::string("Xlib takes no image laid out as ") + layout.name);
}

SampleXImage::~SampleXImage() = default;

} // namespace harness
