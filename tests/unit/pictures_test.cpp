// Pictures decoded ahead of the window are the ones the controls take, and the pictures they
// would decode themselves.
#include "platform/pictures_ahead.h"
#include "platform/twips.h"
#include "platform/widgets/pictures.h"
#include "scene/form1_design.h"

#include <gtest/gtest.h>

TEST(Pictures, TheControlsTakeThoseDecodedAheadWhichEqualThoseDecodedOnTheSpot)
{
    const platform::FormDesign& design = scene::form1Design();
    const platform::ControlDesign& map = design.control("Iraq");
    const QSize stretched(platform::twipsToPixels(map.width), platform::twipsToPixels(map.height));
    const std::string_view civilian = design.control("civ1").picture;
    ASSERT_EQ(design.control("civ2").picture, civilian);

    const QImage mapOnTheSpot = platform::decodePicture(map.picture, stretched).front();
    const QImage civilianOnTheSpot = platform::decodePicture(civilian).front();
    {
        platform::PicturesAhead ahead(design);
        EXPECT_EQ(ahead.take(map.picture, stretched).front(), mapOnTheSpot);
        // Both civilians ask for the same picture, and take the one decoded ahead: a picture
        // decoded on the spot for each would be a copy of its own.
        const QImage firstCivilian = ahead.take(civilian, QSize()).front();
        const QImage secondCivilian = ahead.take(civilian, QSize()).front();
        EXPECT_EQ(firstCivilian, civilianOnTheSpot);
        EXPECT_EQ(secondCivilian.cacheKey(), firstCivilian.cacheKey())
            << "the civilians' picture was not decoded ahead";
        // Once both have taken it, it is let go: a third asker decodes its own.
        EXPECT_NE(ahead.take(civilian, QSize()).front().cacheKey(), firstCivilian.cacheKey());
    }
    EXPECT_EQ(mapOnTheSpot.format(), QImage::Format_RGB32);
    EXPECT_EQ(mapOnTheSpot.size(), stretched);
    EXPECT_EQ(civilianOnTheSpot.format(), QImage::Format_ARGB32_Premultiplied);
    // The window decodes its icon itself, every image of it.
    const std::vector<QImage> icon = platform::decodePicture(design.icon);
    ASSERT_EQ(icon.size(), 2u);
    EXPECT_EQ(icon[0].size(), QSize(32, 32));
}
