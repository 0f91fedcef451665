// XImages of a chosen channel layout, built byte by byte without an X server.
#pragma once

#include "harness/x11_handles.h"

#include <QImage>
#include <memory>
#include <vector>

namespace harness {

struct PixelLayout {
    const char* name;
    int bitsPerPixel; // 16 or 32
    bool hostByteOrder;
    unsigned long redMask;
    unsigned long greenMask;
    unsigned long blueMask;
    // Bytes from one row to the next, at least the pixels' own.
    int bytesPerLine;
};

class SampleXImage {
public:
    // The colours' pixels stored in the layout, each channel full or empty as in the colour;
    // the bytes that pad a row are left as a server might leave them.
    SampleXImage(const PixelLayout& layout, const QImage& colours);
    ~SampleXImage();

    XImage& image() { return *m_image; }

private:
    std::vector<char> m_bytes;
    std::unique_ptr<XImage> m_image;
};

} // namespace harness
