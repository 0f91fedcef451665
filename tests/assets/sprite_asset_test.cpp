// The embedded sprites: one interlaced GIF89a image each, its transparent index declared and used.
#include "tests/assets/embedded_picture.h"
#include "tests/assets/gif_reader.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace assettest;

namespace {

struct Sprite {
    const char* file;
    int width;
    int height;
    int transparentIndex;
};

std::ostream& operator<<(std::ostream& out, const Sprite& sprite) { return out << sprite.file; }

const Sprite Sprites[] = {
    {"target.gif", 56, 69, 15},     {"hit_target.gif", 56, 69, 255},
    {"civilian.gif", 71, 78, 255},  {"hit_civilian.gif", 71, 78, 255},
    {"explosion1.gif", 64, 64, 16}, {"explosion2.gif", 64, 64, 16},
};

GifFile readEmbedded(const char* file)
{
    const QByteArray bytes = embeddedPicture(file);
    if (bytes.isEmpty())
        throw std::runtime_error(std::string(":/pictures/") + file + " is not embedded");
    return readGif(bytes);
}

class SpriteAsset : public ::testing::TestWithParam<Sprite> {
protected:
    void SetUp() override
    {
        ASSERT_NO_THROW(m_gif = readEmbedded(GetParam().file));
        ASSERT_EQ(m_gif.images.size(), 1u) << "exactly one image";
    }

    const GifImage& image() const { return m_gif.images.front(); }

    int pixel(int x, int y) const
    {
        return image().pixels[static_cast<size_t>(y * image().width + x)];
    }

    GifFile m_gif;
};

} // namespace

TEST_P(SpriteAsset, IsOneInterlacedGif89aImageFillingItsScreen)
{
    const Sprite& sprite = GetParam();
    EXPECT_EQ(m_gif.signature, "GIF89a");
    EXPECT_EQ(m_gif.screenWidth, sprite.width);
    EXPECT_EQ(m_gif.screenHeight, sprite.height);
    EXPECT_EQ(image().left, 0);
    EXPECT_EQ(image().top, 0);
    EXPECT_EQ(image().width, sprite.width);
    EXPECT_EQ(image().height, sprite.height);
    EXPECT_TRUE(image().interlaced);
    EXPECT_TRUE(m_gif.hasTrailer);
}

TEST_P(SpriteAsset, HasAGlobalColourTableOf256EntriesAndNoLocalOne)
{
    EXPECT_TRUE(m_gif.hasGlobalTable);
    EXPECT_EQ(m_gif.globalTable.size(), 256u);
    EXPECT_FALSE(image().hasLocalTable);
}

TEST_P(SpriteAsset, DeclaresItsTransparentIndexInOneGraphicControlExtension)
{
    EXPECT_EQ(m_gif.controlExtensions, 1);
    EXPECT_TRUE(m_gif.transparentFlag);
    EXPECT_EQ(m_gif.transparentIndex, GetParam().transparentIndex);
}

TEST_P(SpriteAsset, IsSeeThroughAtItsTopCornersAndSolidAtItsCentre)
{
    const int right = image().width - 1;
    const int transparent = GetParam().transparentIndex;
    EXPECT_EQ(pixel(0, 0), transparent);
    EXPECT_EQ(pixel(right, 0), transparent);
    EXPECT_NE(pixel(image().width / 2, image().height / 2), transparent);
}

TEST_P(SpriteAsset, DrawsWithSeveralColoursEachOfADistinctValue)
{
    std::set<int> used(image().pixels.begin(), image().pixels.end());
    // A cartoon needs more than an outline and a fill or two; fewer means a blank or broken
    // picture.
    EXPECT_GE(used.size(), 6u);
    std::set<std::tuple<int, int, int>> colours;
    for (int index : used) {
        const GifColour& colour = m_gif.globalTable[static_cast<size_t>(index)];
        colours.insert({colour.red, colour.green, colour.blue});
    }
    EXPECT_EQ(colours.size(), used.size()) << "two indices in use share one colour";
    RecordProperty("colours_used", static_cast<int>(used.size()));
}

INSTANTIATE_TEST_SUITE_P(Pictures, SpriteAsset, ::testing::ValuesIn(Sprites),
                         [](const ::testing::TestParamInfo<Sprite>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST(AssetPairs, TheHitTargetIsTheSizeOfTheTarget)
{
    const GifFile plain = readEmbedded("target.gif");
    const GifFile hit = readEmbedded("hit_target.gif");
    EXPECT_EQ(hit.screenWidth, plain.screenWidth);
    EXPECT_EQ(hit.screenHeight, plain.screenHeight);
}

TEST(AssetPairs, TheHitCivilianIsTheSizeOfTheCivilian)
{
    const GifFile plain = readEmbedded("civilian.gif");
    const GifFile hit = readEmbedded("hit_civilian.gif");
    EXPECT_EQ(hit.screenWidth, plain.screenWidth);
    EXPECT_EQ(hit.screenHeight, plain.screenHeight);
}

TEST(AssetPairs, BothExplosionsAreOneSizeWithDifferentOutlines)
{
    const GifFile first = readEmbedded("explosion1.gif");
    const GifFile second = readEmbedded("explosion2.gif");
    ASSERT_EQ(first.screenWidth, second.screenWidth);
    ASSERT_EQ(first.screenHeight, second.screenHeight);
    ASSERT_EQ(first.images.size(), 1u);
    ASSERT_EQ(second.images.size(), 1u);
    // Shown in turn they must flicker: their see-through areas differ.
    const auto& a = first.images.front().pixels;
    const auto& b = second.images.front().pixels;
    ASSERT_EQ(a.size(), b.size());
    size_t differing = 0;
    for (size_t i = 0; i < a.size(); ++i)
        if ((a[i] == first.transparentIndex) != (b[i] == second.transparentIndex))
            ++differing;
    EXPECT_GT(differing, a.size() / 50);
}
