// The embedded map: an uncompressed, bottom-up, 8-bit BMP of 197 x 207 with 21 colours in use.
#include "tests/assets/embedded_picture.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>

using namespace assettest;

namespace {

constexpr qsizetype FileHeader = 14;
constexpr qsizetype InfoHeader = 40;

struct BmpFacts {
    std::uint32_t dataOffset;
    std::uint32_t headerSize;
    std::int32_t width;
    std::int32_t height;
    std::uint32_t planes;
    std::uint32_t bitsPerPixel;
    std::uint32_t compression;
    std::uint32_t coloursUsed;
};

BmpFacts readBmpHeader(const QByteArray& bytes)
{
    return {readU32(bytes, 10), readU32(bytes, 14), readS32(bytes, 18), readS32(bytes, 22),
            readU16(bytes, 26), readU16(bytes, 28), readU32(bytes, 30), readU32(bytes, 46)};
}

class MapAsset : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bytes = embeddedPicture("map.bmp");
        ASSERT_FALSE(m_bytes.isEmpty()) << ":/pictures/map.bmp is not embedded";
        m_header = readBmpHeader(m_bytes);
    }

    // The palette index of every pixel, padding at the end of each row skipped.
    std::multiset<std::uint32_t> pixelIndices() const
    {
        std::multiset<std::uint32_t> indices;
        const qsizetype stride = (m_header.width + 3) / 4 * 4;
        for (qsizetype row = 0; row < m_header.height; ++row)
            for (qsizetype x = 0; x < m_header.width; ++x)
                indices.insert(readU8(m_bytes, m_header.dataOffset + row * stride + x));
        return indices;
    }

    QByteArray m_bytes;
    BmpFacts m_header{};
};

} // namespace

TEST_F(MapAsset, IsAnUncompressedEightBitBottomUpBitmapOf197By207Pixels)
{
    EXPECT_EQ(m_bytes.left(2), "BM");
    EXPECT_EQ(readU32(m_bytes, 2), static_cast<std::uint32_t>(m_bytes.size()));
    EXPECT_EQ(m_header.headerSize, 40u);
    EXPECT_EQ(m_header.width, 197);
    EXPECT_EQ(m_header.height, 207) << "a positive height means rows stored bottom-up";
    EXPECT_EQ(m_header.planes, 1u);
    EXPECT_EQ(m_header.bitsPerPixel, 8u);
    EXPECT_EQ(m_header.compression, 0u) << "BI_RGB";
    const qsizetype stride = (197 + 3) / 4 * 4;
    EXPECT_EQ(m_bytes.size(), m_header.dataOffset + stride * 207) << "pixel data size";
}

TEST_F(MapAsset, CarriesAFullPaletteOf256Entries)
{
    // A zero count would also mean 256 for 8 bits; the file states it outright.
    EXPECT_EQ(m_header.coloursUsed, 256u);
    EXPECT_EQ(m_header.dataOffset, FileHeader + InfoHeader + 256 * 4)
        << "the pixels start right after a 256-entry palette";
}

TEST_F(MapAsset, PaintsWithExactlyTwentyOneDistinctColours)
{
    const std::multiset<std::uint32_t> indices = pixelIndices();
    std::set<std::uint32_t> used(indices.begin(), indices.end());
    EXPECT_EQ(used.size(), 21u);

    // Two indices of one colour would show as fewer colours than the file claims.
    std::set<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>> colours;
    for (std::uint32_t index : used) {
        const qsizetype entry = FileHeader + InfoHeader + index * 4;
        colours.insert(
            {readU8(m_bytes, entry), readU8(m_bytes, entry + 1), readU8(m_bytes, entry + 2)});
    }
    EXPECT_EQ(colours.size(), used.size());
}
