// XImages of several channel layouts convert to the same colours.
#include "harness/ximage_conversion.h"
#include "sample_ximage.h"

#include <gtest/gtest.h>

namespace harness {
namespace {

const PixelLayout kLayouts[] = {
    // Xvfb's 24-bit visual, with rows padded beyond the pixels.
    {"RGB in 32 bits", 32, true, 0xff0000, 0x00ff00, 0x0000ff, 16},
    {"BGR in 32 bits", 32, true, 0x0000ff, 0x00ff00, 0xff0000, 12},
    {"RGB in 32 bits, the other byte order", 32, false, 0xff0000, 0x00ff00, 0x0000ff, 12},
    {"RGB 565 in 16 bits", 16, true, 0xf800, 0x07e0, 0x001f, 8},
};

// Colours whose channels are all 0 or 255, which every layout holds exactly.
QImage sixColours()
{
    QImage colours(3, 2, QImage::Format_RGB32);
    const QRgb rows[2][3] = {{0xff0000, 0x00ff00, 0x0000ff}, {0xffffff, 0x000000, 0xffff00}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            colours.setPixel(x, y, rows[y][x]);
    return colours;
}

TEST(ConvertXImage, GivesTheSameColoursWhateverTheChannelLayout)
{
    const QImage colours = sixColours();
    for (const PixelLayout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        SampleXImage sample(layout, colours);
        const QImage converted = convertXImage(sample.image());
        ASSERT_EQ(converted.size(), colours.size());
        for (int y = 0; y < colours.height(); ++y)
            for (int x = 0; x < colours.width(); ++x)
                EXPECT_EQ(converted.pixel(x, y), colours.pixel(x, y)) << "at " << x << "," << y;
        // Opaque as stored, not only as pixel() reports it: the padding byte is not alpha.
        EXPECT_EQ(qAlpha(reinterpret_cast<const QRgb*>(converted.constScanLine(1))[1]), 255);
    }
}

} // namespace
} // namespace harness
