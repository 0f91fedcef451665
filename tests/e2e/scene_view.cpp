// Finds the game's pictures on a capture by comparing it pixel by pixel with the pictures.
#include "tests/e2e/scene_view.h"

#include "game/spots.h"
#include "platform/twips.h"
#include "scene/pictures.h"
#include "tests/e2e/pictures.h"

#include <sstream>
#include <stdexcept>

namespace e2e {
namespace {

QImage required(const scene::picture::Embedded& embedded)
{
    QImage picture = embeddedPicture(embedded);
    if (picture.isNull())
        throw std::runtime_error(std::string("the program embeds no picture ") + embedded.file);
    return picture;
}

// A sprite partly covered by another one still counts as shown: a civilian loses at most 14 of
// its 78 rows under the other one.
constexpr double kShownSprite = 0.6;
// A picture that nothing covers shows whole, barring a few pixels of a neighbour.
constexpr double kShownWhole = 0.9;

} // namespace

QRgb targetColour()
{
    static const QRgb colour = harness::ownColour(scene::form1Design(), "Despot", {"Deboom"});
    return colour;
}

QRgb civilianColour()
{
    static const QRgb colour = harness::ownColour(scene::form1Design(), "civ1");
    return colour;
}

const std::vector<QPoint>& spots()
{
    static const std::vector<QPoint> inPixels = [] {
        std::vector<QPoint> points;
        for (const game::Spot& spot : game::kSpots)
            points.emplace_back(platform::twipsToPixels(spot.left),
                                platform::twipsToPixels(spot.top));
        return points;
    }();
    return inPixels;
}

const GamePictures& gamePictures()
{
    static const GamePictures pictures{
        .map = required(scene::picture::map)
                   .scaled(kMapArea.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation),
        .target = required(scene::picture::target),
        .hitTarget = required(scene::picture::hitTarget),
        .civilian = required(scene::picture::civilian),
        .explosion1 = required(scene::picture::explosion1),
        .explosion2 = required(scene::picture::explosion2),
    };
    return pictures;
}

bool mapIsDrawn(const QImage& screen)
{
    // Controls lie over parts of the map; most of it shows.
    return shownFraction(screen, gamePictures().map, kMapArea.topLeft()) > 0.8;
}

std::vector<QPoint> spotsHolding(const QRect& bounds, QSize pictureSize)
{
    std::vector<QPoint> result;
    for (QPoint spot : spots())
        if (!bounds.isEmpty() && QRect(spot, pictureSize).contains(bounds))
            result.push_back(spot);
    return result;
}

std::vector<QPoint> spotsShowing(const QImage& screen, const QImage& picture, double minimum)
{
    std::vector<QPoint> result;
    for (QPoint spot : spots())
        if (shownFraction(screen, picture, spot) >= minimum)
            result.push_back(spot);
    return result;
}

std::optional<QPoint> targetSpot(const QImage& screen)
{
    // Three quarters of the target's pixels are also the hit picture's.
    const GamePictures& pictures = gamePictures();
    for (QPoint spot : spots())
        if (shownFraction(screen, pictures.target, spot) >= kShownSprite &&
            shownFraction(screen, pictures.target, spot, &pictures.hitTarget) >= kShownSprite)
            return spot;
    return std::nullopt;
}

bool hitShownAt(const QImage& screen, QPoint spot)
{
    return shownFraction(screen, gamePictures().hitTarget, spot) >= kShownWhole;
}

std::vector<QPoint> civilianSpots(const QImage& screen)
{
    return spotsShowing(screen, gamePictures().civilian, kShownSprite);
}

bool showsBareMap(const QImage& screen, const QRect& area)
{
    const QImage& map = gamePictures().map;
    const QRect within = area.intersected(kMapArea);
    if (!screen.rect().contains(within))
        return false;
    // Stretched by nearest neighbour, a column or row of the picture may fall one pixel either
    // way, as each toolkit rounds: a pixel of the map's own or of a neighbour's shows.
    const auto showsMap = [&](int x, int y) {
        const QRgb shown = screen.pixel(x, y) & 0xFFFFFF;
        if ((map.pixel(x, y) & 0xFFFFFF) == shown)
            return true;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (map.valid(x + dx, y + dy) && (map.pixel(x + dx, y + dy) & 0xFFFFFF) == shown)
                    return true;
        return false;
    };
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (!showsMap(x, y))
                return false;
    return true;
}

bool panelShown(const QImage& screen, const QRect& panel)
{
    return differingPixels(screen, gamePictures().map, panel) >
           panel.width() * panel.height() * 8 / 10;
}

std::string describeScreen(const QImage& screen)
{
    std::ostringstream text;
    const auto at = [&](QPoint spot) { text << " " << spot.x() << "," << spot.y(); };
    text << (mapIsDrawn(screen) ? "the map" : "no map");
    if (const std::optional<QPoint> spot = targetSpot(screen)) {
        text << ", the target at";
        at(*spot);
    }
    for (QPoint spot : spots())
        if (hitShownAt(screen, spot)) {
            text << ", the hit picture at";
            at(spot);
        }
    const std::vector<QPoint> civilians = civilianSpots(screen);
    if (!civilians.empty()) {
        text << ", civilians at";
        for (QPoint spot : civilians)
            at(spot);
    }
    return text.str();
}

} // namespace e2e
