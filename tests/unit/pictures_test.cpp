// Pictures decoded ahead of the window are the pictures the controls would decode themselves.
#include "platform/pictures_ahead.h"
#include "platform/twips.h"
#include "platform/widgets/pictures.h"
#include "scene/form1_design.h"

#include <gtest/gtest.h>

TEST(Pictures, ThoseDecodedAheadEqualThoseDecodedOnTheSpot)
{
    const platform::FormDesign& design = scene::form1Design();
    const platform::ControlDesign& map = design.control("Iraq");
    const QSize stretched(platform::twipsToPixels(map.width), platform::twipsToPixels(map.height));
    const std::string_view civilian = design.control("civ1").picture;
    ASSERT_EQ(design.control("civ2").picture, civilian);

    const QImage mapOnTheSpot = platform::decodePicture(map.picture, stretched).front();
    const QImage civilianOnTheSpot = platform::decodePicture(civilian).front();
    const std::vector<QImage> iconOnTheSpot = platform::decodePicture(design.icon);
    {
        const platform::PicturesAhead ahead(design);
        EXPECT_EQ(platform::picture(map.picture, stretched).front(), mapOnTheSpot);
        // Both civilians ask for the same picture.
        EXPECT_EQ(platform::picture(civilian).front(), civilianOnTheSpot);
        EXPECT_EQ(platform::picture(civilian).front(), civilianOnTheSpot);
        // The window decodes its icon itself; all of its images.
        EXPECT_EQ(platform::picture(design.icon), iconOnTheSpot);
    }
    EXPECT_EQ(mapOnTheSpot.format(), QImage::Format_RGB32);
    EXPECT_EQ(mapOnTheSpot.size(), stretched);
    EXPECT_EQ(civilianOnTheSpot.format(), QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(iconOnTheSpot.size(), 2u);
    EXPECT_EQ(iconOnTheSpot[0].size(), QSize(32, 32));
}
