// The embedded dart icon: 32 x 32 and 16 x 16 images of 16 colours, each with its AND mask; and
// the cursor that the Win32 build makes the pointer of.
#include "scene/form1_design.h"
#include "tests/assets/embedded_picture.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <optional>
#include <utility>
#include <vector>

using namespace assettest;

namespace {

struct IconImage {
    int width;
    int height;
    std::uint32_t directoryColours;
    std::uint32_t directoryBits;
    std::uint32_t bitmapHeaderSize;
    std::int32_t bitmapWidth;
    std::int32_t bitmapHeight; // the colour rows and the mask rows together
    std::uint32_t bitsPerPixel;
    std::uint32_t compression;
    bool fitsItsDirectoryEntry;
    // Top row first: the palette colour of each pixel and whether the mask makes it see-through.
    std::vector<std::uint32_t> colours;
    std::vector<bool> transparent;

    bool isTransparent(int x, int y) const
    {
        return transparent[static_cast<size_t>(y * width + x)];
    }
};

std::vector<IconImage> readIcon(const QByteArray& bytes)
{
    if (readU16(bytes, 0) != 0 || readU16(bytes, 2) != 1)
        throw std::runtime_error("not an icon file");
    std::vector<IconImage> images;
    const int count = static_cast<int>(readU16(bytes, 4));
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        IconImage image{};
        image.width = readU8(bytes, entry) ? static_cast<int>(readU8(bytes, entry)) : 256;
        image.height = readU8(bytes, entry + 1) ? static_cast<int>(readU8(bytes, entry + 1)) : 256;
        image.directoryColours = readU8(bytes, entry + 2);
        image.directoryBits = readU16(bytes, entry + 6);
        const std::uint32_t size = readU32(bytes, entry + 8);
        const qsizetype at = readU32(bytes, entry + 12);

        image.bitmapHeaderSize = readU32(bytes, at);
        image.bitmapWidth = readS32(bytes, at + 4);
        image.bitmapHeight = readS32(bytes, at + 8);
        image.bitsPerPixel = readU16(bytes, at + 14);
        image.compression = readU32(bytes, at + 16);
        if (image.bitsPerPixel != 4)
            throw std::runtime_error("expected 4 bits per pixel");

        const qsizetype palette = at + image.bitmapHeaderSize;
        const qsizetype xorStride = (image.width * 4 + 31) / 32 * 4;
        const qsizetype andStride = (image.width + 31) / 32 * 4;
        const qsizetype xorAt = palette + 16 * 4;
        const qsizetype andAt = xorAt + xorStride * image.height;
        const qsizetype endAt = andAt + andStride * image.height;
        image.fitsItsDirectoryEntry = endAt - at == size && endAt <= bytes.size();

        // Rows are stored bottom-up.
        for (int y = 0; y < image.height; ++y) {
            const qsizetype row = image.height - 1 - y;
            for (int x = 0; x < image.width; ++x) {
                const std::uint32_t pair = readU8(bytes, xorAt + row * xorStride + x / 2);
                const std::uint32_t index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
                const qsizetype colour = palette + index * 4;
                image.colours.push_back(readU8(bytes, colour) | readU8(bytes, colour + 1) << 8 |
                                        readU8(bytes, colour + 2) << 16);
                const std::uint32_t maskByte = readU8(bytes, andAt + row * andStride + x / 8);
                image.transparent.push_back(maskByte & (0x80 >> (x % 8)));
            }
        }
        images.push_back(std::move(image));
    }
    return images;
}

class DartIconAsset : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QByteArray bytes = embeddedPicture("dart.ico");
        ASSERT_FALSE(bytes.isEmpty()) << ":/pictures/dart.ico is not embedded";
        ASSERT_NO_THROW(m_images = readIcon(bytes));
        ASSERT_EQ(m_images.size(), 2u);
    }

    std::vector<IconImage> m_images;
};

} // namespace

TEST_F(DartIconAsset, HoldsA32PixelAndA16PixelImage)
{
    EXPECT_EQ(m_images[0].width, 32);
    EXPECT_EQ(m_images[0].height, 32);
    EXPECT_EQ(m_images[1].width, 16);
    EXPECT_EQ(m_images[1].height, 16);
}

TEST_F(DartIconAsset, StoresEachImageWithSixteenColoursAtFourBitsPerPixel)
{
    for (const IconImage& image : m_images) {
        EXPECT_EQ(image.directoryColours, 16u);
        EXPECT_EQ(image.directoryBits, 4u);
        EXPECT_EQ(image.bitmapHeaderSize, 40u);
        EXPECT_EQ(image.bitmapWidth, image.width);
        EXPECT_EQ(image.bitmapHeight, 2 * image.height) << "colour rows plus mask rows";
        EXPECT_EQ(image.bitsPerPixel, 4u);
        EXPECT_EQ(image.compression, 0u);
    }
}

TEST_F(DartIconAsset, FollowsEachImagesColoursWithAnAndMaskOfTheRightSize)
{
    for (const IconImage& image : m_images)
        EXPECT_TRUE(image.fitsItsDirectoryEntry)
            << image.width << " px: header, palette, colours and mask do not fill the entry";
}

TEST_F(DartIconAsset, MasksOutTheBackgroundButNotTheDart)
{
    for (const IconImage& image : m_images) {
        size_t clear = 0;
        for (bool bit : image.transparent)
            clear += bit;
        EXPECT_GT(clear, 0u);
        EXPECT_GT(image.transparent.size() - clear, image.transparent.size() / 10)
            << "too little of the dart is drawn";
        // Where the mask is set Windows XORs the colour onto the screen: it must be black.
        for (size_t i = 0; i < image.transparent.size(); ++i) {
            if (image.transparent[i]) {
                ASSERT_EQ(image.colours[i], 0u) << "pixel " << i << " would tint the screen";
            }
        }
    }
}

TEST_F(DartIconAsset, PointsItsTipIntoTheTopLeftCornerForTheHotSpot)
{
    for (const IconImage& image : m_images) {
        // The first drawn pixel, reading from the top-left, is the tip.
        std::optional<std::pair<int, int>> tip;
        for (int y = 0; y < image.height && !tip; ++y)
            for (int x = 0; x < image.width && !tip; ++x)
                if (!image.isTransparent(x, y))
                    tip = {x, y};
        ASSERT_TRUE(tip.has_value());
        EXPECT_LE(tip->first, 1);
        EXPECT_LE(tip->second, 1);
        EXPECT_FALSE(image.isTransparent(0, 0)) << "the hot spot (0,0) is on the dart";
    }
}

namespace {

// The Win32 build takes the pointer from the cursor beside the design's pointer picture, and
// refuses to start if its hot spot is not the design's: held here on every build.
class DartCursorAsset : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString iconName = QFileInfo(QString::fromUtf8(m_pointer.picture)).fileName();
        m_icon = embeddedPicture(iconName.toUtf8().constData());
        QFile cursor(QStringLiteral(BLASTMAP_ASSETS "/") + QFileInfo(iconName).baseName() +
                     QStringLiteral(".cur"));
        ASSERT_TRUE(cursor.open(QIODevice::ReadOnly)) << cursor.fileName().toStdString();
        m_cursor = cursor.readAll();
        ASSERT_EQ(readU16(m_cursor, 2), 2u) << "not a cursor file";
        ASSERT_EQ(readU16(m_cursor, 4), readU16(m_icon, 4)) << "not as many images as the icon";
    }

    int images() const { return static_cast<int>(readU16(m_icon, 4)); }
    static qsizetype entry(int image) { return 6 + 16 * image; }

    const platform::PointerDesign& m_pointer = scene::form1Design().pointer;
    QByteArray m_icon;
    QByteArray m_cursor;
};

} // namespace

TEST_F(DartCursorAsset, PutsTheDesignsHotSpotInEachImage)
{
    // The design gives the hot spot in the pixels of the icon's first image.
    const auto designWidth = static_cast<int>(readU8(m_icon, entry(0)));
    for (int i = 0; i < images(); ++i) {
        const auto width = static_cast<int>(readU8(m_icon, entry(i)));
        SCOPED_TRACE(width);
        EXPECT_EQ(readU16(m_cursor, entry(i) + 4),
                  static_cast<std::uint32_t>(m_pointer.hotX * width / designWidth));
        EXPECT_EQ(readU16(m_cursor, entry(i) + 6),
                  static_cast<std::uint32_t>(m_pointer.hotY * width / designWidth));
    }
}

TEST_F(DartCursorAsset, HoldsTheIconsImages)
{
    for (int i = 0; i < images(); ++i) {
        SCOPED_TRACE(i);
        const qsizetype size = readU32(m_icon, entry(i) + 8);
        ASSERT_EQ(readU32(m_cursor, entry(i) + 8), static_cast<std::uint32_t>(size));
        EXPECT_EQ(m_cursor.mid(readU32(m_cursor, entry(i) + 12), size),
                  m_icon.mid(readU32(m_icon, entry(i) + 12), size))
            << "the cursor's pixels are not the icon's";
    }
}
