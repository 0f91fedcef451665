// At Qt's scale factor 2 the window is twice the size in device pixels, every picture is its
// 1x self doubled by whole pixels, the texts are drawn anew at the finer size, and the game
// plays the same in its own twips.
#include "tests/e2e/game_session.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

GameSession::Options atScaleTwo()
{
    GameSession::Options options;
    options.scale = 2;
    return options;
}

// The controls that lie over the map at start, at 1x: the check box, the scroll bar, the label
// and the two buttons. They hold text, which is drawn afresh at each scale.
const QRect kControlsAtStart[] = {kCivilianCheckBoxArea, kDifficultyBar, kDifficultyLabel,
                                  kCreditsButton, kInstructionsButton};

QImage doubled(const QImage& image)
{
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool coveredByAControl(QPoint oneX)
{
    for (const QRect& control : kControlsAtStart)
        if (control.adjusted(-1, -1, 1, 1).contains(oneX))
            return true;
    return false;
}

// The 2x capture's pixels that are not their 1x pixel doubled, over the bare map.
int mapPixelsNotDoubled(const QImage& twoX, const QImage& oneXDoubled)
{
    int differing = 0;
    for (int y = 0; y < kMapArea.height() * 2; ++y)
        for (int x = 0; x < kMapArea.width() * 2; ++x)
            if (!coveredByAControl({x / 2, y / 2}) && twoX.pixel(x, y) != oneXDoubled.pixel(x, y))
                ++differing;
    return differing;
}

// The share of the picture's opaque pixels shown as exact 2x2 blocks of their own colour.
double doubledPictureShown(const QImage& twoX, const QImage& picture, QPoint topLeftAtOneX)
{
    int opaque = 0, shown = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint device = (topLeftAtOneX + QPoint(x, y)) * 2;
            if (qAlpha(picture.pixel(x, y)) < 255 || !twoX.rect().contains(device + QPoint(1, 1)))
                continue;
            ++opaque;
            const QRgb colour = picture.pixel(x, y) | 0xff000000;
            bool block = true;
            for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                block = block && (twoX.pixel(device + d) | 0xff000000) == colour;
            shown += block;
        }
    return opaque == 0 ? 0 : static_cast<double>(shown) / opaque;
}

} // namespace

TEST(ScaleFactorTwo, TheMapIsTheOneTimesMapDoubledAndTheTextsAreDrawnAnew)
{
    QImage oneX;
    {
        GameSession game;
        oneX = game.capture(); // in the quiet first seconds: the map and the controls
    }
    GameSession game(atScaleTwo());
    const QImage twoX = game.capture();
    ASSERT_EQ(twoX.size(), kClientSize * 2);
    EXPECT_EQ(game.geometry().size(), kClientSize * 2);

    const QImage expected = doubled(oneX);
    EXPECT_EQ(mapPixelsNotDoubled(twoX, expected), 0) << "the map is blurred or misplaced";
    // Text drawn at the finer size, not the 1x text blown up.
    const QRect caption(kCreditsButton.topLeft() * 2, kCreditsButton.size() * 2);
    EXPECT_GT(differingPixels(twoX, expected, caption), 20);
}

TEST(ScaleFactorTwo, TheTargetAndTheExplosionAreTheirPicturesDoubledWherePressesPutThem)
{
    GameSession game(atScaleTwo());
    const QImage explosion = embeddedPicture("explosion1.gif");
    // A press at logical (348, 130) is at device (696, 260); the game counts in logical twips.
    game.clickAt({696, 260});
    double explosionShown = 0;
    waitUntil(milliseconds(3000), [&] {
        explosionShown =
            doubledPictureShown(game.capture(), explosion, QPoint(348, 130) - QPoint(32, 32));
        return explosionShown > 0.95;
    });
    EXPECT_GT(explosionShown, 0.95) << "the explosion is not its picture doubled at the press";

    const QImage target = embeddedPicture("target.gif");
    double targetShown = 0;
    const bool seen = waitUntil(milliseconds(15000), [&] {
        const QImage screen = game.capture();
        for (QPoint spot : kSpots)
            targetShown = std::max(targetShown, doubledPictureShown(screen, target, spot));
        return targetShown > 0.95;
    });
    EXPECT_TRUE(seen) << "best share of the target shown doubled: " << targetShown;
}
