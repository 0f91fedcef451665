// Reads a window back with XGetImage and converts it, whatever the visual's channel layout.
#include "tests/e2e/screen_capture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <bit>

namespace e2e {
namespace {

// An 8-bit channel from a pixel, given the channel's mask in the visual.
int channel(unsigned long pixel, unsigned long mask)
{
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const auto value = static_cast<int>((pixel & mask) >> shift);
    return bits >= 8 ? value >> (bits - 8) : value * 255 / ((1 << bits) - 1);
}

} // namespace

QImage captureWindow(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return {};
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return {};
    QImage result(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < attributes.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            line[x] = qRgb(channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                           channel(pixel, image->blue_mask));
        }
    }
    XDestroyImage(image);
    return result;
}

} // namespace e2e
