// At Qt's scale factor 2 the window is twice the size in device pixels, every picture is its
// 1x self doubled by whole pixels, the texts are drawn anew at the finer size, and the game
// plays the same in its own twips. At 1.5 every logical pixel covers one or two whole device
// pixels, the map meets the strips beside it without a seam, and a press goes to the logical
// pixel drawn under the pointer.
#include "tests/e2e/chosen_desktop.h"
#include "tests/e2e/game_session.h"
#include "tests/e2e/pictures.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace e2e;

namespace {

GameSession::Options atScale(double scale)
{
    GameSession::Options options;
    options.scale = scale;
    return options;
}

// The controls that lie over the map at start, at 1x: the check box, the scroll bar, the label
// and the two buttons. They hold text, which is drawn afresh at each scale.
const QRect kControlsAtStart[] = {kCivilianCheckBoxArea, kDifficultyBar, kDifficultyLabel,
                                  kCreditsButton, kInstructionsButton};

bool coveredByAControl(QPoint oneX)
{
    for (const QRect& control : kControlsAtStart)
        if (control.adjusted(-1, -1, 1, 1).contains(oneX))
            return true;
    return false;
}

// Where the window's logical pixels lie at a scale factor. Qt puts a logical coordinate c at
// device pixel round(c × scale), so logical pixel L covers the device pixels from
// round(L × scale) up to round((L + 1) × scale): one or two of them at 1.5, always whole.
class DeviceGrid {
public:
    DeviceGrid(QSize logical, double scale)
        : m_columns(starts(logical.width(), scale))
        , m_rows(starts(logical.height(), scale))
    {
    }

    QSize deviceSize() const { return {m_columns.back(), m_rows.back()}; }
    QRect deviceRect(const QRect& logical) const
    {
        return QRect(QPoint(m_columns[logical.left()], m_rows[logical.top()]),
                     QPoint(m_columns[logical.right() + 1] - 1, m_rows[logical.bottom() + 1] - 1));
    }
    QPoint logicalAt(QPoint device) const
    {
        return {indexOf(device.x(), m_columns), indexOf(device.y(), m_rows)};
    }

    // A 1x capture of the window as Qt draws it at the scale: every pixel over the device
    // pixels it covers, nothing blended.
    QImage scaled(const QImage& oneX) const
    {
        QImage device(deviceSize(), QImage::Format_RGB32);
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x)
                device.setPixel(x, y, oneX.pixel(logicalAt({x, y})));
        return device;
    }

private:
    static std::vector<int> starts(int length, double scale)
    {
        std::vector<int> result;
        for (int logical = 0; logical <= length; ++logical)
            result.push_back(qRound(logical * scale));
        return result;
    }
    static int indexOf(int device, const std::vector<int>& starts)
    {
        return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), device) -
                                starts.begin()) -
               1;
    }

    std::vector<int> m_columns;
    std::vector<int> m_rows;
};

// The capture's pixels within `area` that differ from the expected ones, but for the controls'
// text.
int pixelsNotAsExpected(const QImage& shown, const QImage& expected, const QRect& area,
                        const DeviceGrid& grid)
{
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            differing += !coveredByAControl(grid.logicalAt({x, y})) &&
                         (shown.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF);
    return differing;
}

// A 1x capture early in the game, when the window shows only the map and the controls.
QImage quietCaptureAtOneX()
{
    GameSession game;
    return game.capture();
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

// Qt's scale factor is Qt's: a program of another toolkit has its own.
class QtScaleFactorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!chosenDesktopTraits().programsTakeQtScaleFactor)
            GTEST_SKIP() << "the desktop's programs take no Qt scale factor";
    }
};
using ScaleFactorTwo = QtScaleFactorTest;
using ScaleFactorOneAndAHalf = QtScaleFactorTest;

} // namespace

TEST_F(ScaleFactorTwo, TheMapIsTheOneTimesMapDoubledAndTheTextsAreDrawnAnew)
{
    const QImage oneX = quietCaptureAtOneX();
    GameSession game(atScale(2));
    const QImage twoX = game.capture();
    ASSERT_EQ(twoX.size(), kClientSize * 2);
    EXPECT_EQ(game.geometry().size(), kClientSize * 2);

    const DeviceGrid grid(kClientSize, 2);
    const QImage expected = grid.scaled(oneX);
    EXPECT_EQ(pixelsNotAsExpected(twoX, expected, twoX.rect(), grid), 0)
        << "the map is blurred or misplaced";
    // Text drawn at the finer size, not the 1x text blown up.
    EXPECT_GT(differingPixels(twoX, expected, grid.deviceRect(kCreditsButton)), 20);
}

TEST_F(ScaleFactorTwo, TheTargetAndTheExplosionAreTheirPicturesDoubledWherePressesPutThem)
{
    GameSession game(atScale(2));
    const QImage explosion = embeddedPicture(scene::picture::explosion1);
    // A press on bare map, at twice its logical place; the game counts in logical twips.
    game.clickAt(kBareMapPoint * 2);
    double explosionShown = 0;
    waitUntil(milliseconds(3000), [&] {
        explosionShown =
            doubledPictureShown(game.capture(), explosion, kBareMapPoint - kHalfExplosion);
        return explosionShown > 0.95;
    });
    EXPECT_GT(explosionShown, 0.95) << "the explosion is not its picture doubled at the press";

    const QImage target = embeddedPicture(scene::picture::target);
    double targetShown = 0;
    const bool seen = waitUntil(milliseconds(15000), [&] {
        const QImage screen = game.capture();
        for (QPoint spot : spots())
            targetShown = std::max(targetShown, doubledPictureShown(screen, target, spot));
        return targetShown > 0.95;
    });
    EXPECT_TRUE(seen) << "best share of the target shown doubled: " << targetShown;
}

TEST_F(ScaleFactorOneAndAHalf, TheMapMeetsItsStripsWithoutASeamAndAPressHitsThePixelUnderIt)
{
    const QImage oneX = quietCaptureAtOneX();
    GameSession game(atScale(1.5));
    const QImage shown = game.capture();
    const DeviceGrid grid(kClientSize, 1.5);
    const QImage expected = grid.scaled(oneX);
    ASSERT_EQ(shown.size(), expected.size());
    EXPECT_EQ(pixelsNotAsExpected(shown, expected, shown.rect(), grid), 0)
        << "the window is blurred or misplaced";

    // The map's last column and row each end halfway through a device pixel, which shows the
    // map; the strips start whole on the next one, in the form's own colour.
    const QRect map = grid.deviceRect(kMapArea);
    ASSERT_NE(oneX.pixel(kClientSize.width() - 1, 0), oneX.pixel(kMapArea.right(), 0))
        << "the map's edge has the strip's colour: nothing tells them apart";
    for (const auto& [what, line] : {
             std::pair{"the map's last column", QRect(map.right(), 0, 1, map.height())},
             std::pair{"the map's last row", QRect(0, map.bottom(), map.width(), 1)},
             std::pair{"the strip's column", QRect(map.right() + 1, 0, 1, shown.height())},
             std::pair{"the strip's row", QRect(0, map.bottom() + 1, shown.width(), 1)},
         })
        EXPECT_EQ(pixelsNotAsExpected(shown, expected, line, grid), 0)
            << what << " is blended with its neighbour, or missing";

    // Device pixel 523 is the second of logical pixel 348 and 196 the second of 130; rounded to
    // the nearest logical pixel they would be 349 and 131, and the explosion a pixel off.
    constexpr QPoint kPress{523, 196};
    const QPoint kUnderThePress = kBareMapPoint;
    ASSERT_EQ(grid.logicalAt(kPress), kUnderThePress);
    const auto explosionCentredOn = [&](QPoint centre) {
        QImage withExplosion = oneX.copy();
        QPainter(&withExplosion).drawImage(centre - kHalfExplosion, gamePictures().explosion1);
        return grid.scaled(withExplosion);
    };
    const QRect square = grid.deviceRect(QRect(kUnderThePress - kHalfExplosion, kExplosionSize));
    const QImage centred = explosionCentredOn(kUnderThePress);
    game.clickAt(kPress);
    QImage exploding; // the last frame that showed something else there, for the message
    if (waitForScreen(game, milliseconds(3000), [&](const QImage& screen) {
            if (sameArea(screen, centred, square))
                return true;
            if (!sameArea(screen, expected, square))
                exploding = screen;
            return false;
        }))
        return;
    ASSERT_FALSE(exploding.isNull()) << "no explosion after the press";
    QPoint best = kUnderThePress;
    int fewest = square.width() * square.height();
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint centre = kUnderThePress + QPoint(dx, dy);
            const int differing = differingPixels(exploding, explosionCentredOn(centre), square);
            if (differing < fewest) {
                best = centre;
                fewest = differing;
            }
        }
    ADD_FAILURE() << "no explosion centred on logical pixel 348,130 under the press; the "
                  << "closest is centred on " << best.x() << "," << best.y() << ", where " << fewest
                  << " pixels of its square differ";
}
