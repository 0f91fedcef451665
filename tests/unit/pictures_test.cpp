// Pictures decoded ahead of the window are the ones the controls take, and the pictures they
// would decode themselves.
#include "platform/form.h"
#include "platform/qt/form_window.h"
#include "platform/qt/pictures.h"
#include "platform/qt/pictures_ahead.h"
#include "platform/qt/qt_front_end.h"
#include "platform/twips.h"
#include "scene/form1_design.h"
#include "support/test_services.h"

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

TEST(Pictures, AFormRefusesThoseDecodedAheadForAnotherDesign)
{
    const platform::FormDesign& design = scene::form1Design();
    const auto withPicture = [&](std::string_view name, std::string_view picture) {
        platform::FormDesign changed = design;
        for (platform::ControlDesign& control : changed.controls)
            if (control.name == name)
                control.picture = picture;
        return changed;
    };
    struct Case {
        const char* what;
        platform::FormDesign decodedFor;
    };
    const Case others[] = {
        {"another picture", withPicture("civ2", design.control("civboom").picture)},
        // The same pictures, but the civilians' one asked for once: the second civilian would
        // decode its own.
        {"a picture asked for fewer times", withPicture("civ2", "")},
    };
    testing_support::TestServices services;
    for (const Case& other : others) {
        SCOPED_TRACE(other.what);
        platform::Form form(services, design);
        EXPECT_THROW(platform::qt::takePicturesAhead(
                         form, std::make_unique<platform::PicturesAhead>(other.decodedFor)),
                     std::logic_error);
        EXPECT_EQ(platform::FormWindow::of(platform::qt::windowOf(form))->picturesAhead(), nullptr);
    }
    platform::Form form(services, design);
    EXPECT_NO_THROW(
        platform::qt::takePicturesAhead(form, std::make_unique<platform::PicturesAhead>(design)));
    EXPECT_NE(platform::FormWindow::of(platform::qt::windowOf(form))->picturesAhead(), nullptr);
}
