// The game's window in the test's own terms: where things are, and what a capture shows.
#pragma once

#include "harness/design_geometry.h"
#include "scene/form1_design.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Where the design puts the window and its controls.
inline const QSize kClientSize = harness::clientSize(scene::form1Design());
// The stretched map; the column right of it and the row below it are the bare form.
inline const QRect kMapArea = harness::controlRect(scene::form1Design(), "Iraq");

inline constexpr QSize kTargetSize{56, 69};
inline constexpr QSize kExplosionSize{64, 64};

// Colours that one picture alone uses among those shown in play.
inline constexpr QRgb kTargetOlive = 0x3A4626;
inline constexpr QRgb kCivilianHelmet = 0xEEE4C0;

// The thirteen spots' top-left corners.
inline constexpr std::array<QPoint, 13> kSpots{{
    {144, 0},
    {224, 0},
    {64, 64},
    {144, 64},
    {224, 64},
    {0, 136},
    {64, 136},
    {144, 136},
    {224, 136},
    {144, 208},
    {224, 208},
    {296, 208},
    {224, 272},
}};

// Controls and panels.
inline const QRect kCivilianCheckBoxArea = harness::controlRect(scene::form1Design(), "civcheck");
// A point within the check box, where a click ticks or clears it.
inline const QPoint kCivilianCheckBox = kCivilianCheckBoxArea.topLeft() + QPoint(22, 13);
inline const QRect kCreditsButton = harness::controlRect(scene::form1Design(), "Credits");
inline const QRect kInstructionsButton = harness::controlRect(scene::form1Design(), "Instructions");
inline const QRect kCreditsPanel = harness::controlRect(scene::form1Design(), "Creditbox");
inline const QRect kInstructionsPanel = harness::controlRect(scene::form1Design(), "Inst");
inline const QRect kDifficultyBar = harness::controlRect(scene::form1Design(), "Diff");
inline const QRect kDifficultyLabel = harness::controlRect(scene::form1Design(), "Difficulty");

// The embedded pictures, decoded once.
struct GamePictures {
    QImage map;
    QImage target;
    QImage hitTarget;
    QImage civilian;
    QImage explosion1;
    QImage explosion2;
};
const GamePictures& gamePictures();

// Whether the capture shows the map drawn over the window.
bool mapIsDrawn(const QImage& screen);

// The spots whose picture-sized rectangle holds all of `bounds`.
std::vector<QPoint> spotsHolding(const QRect& bounds, QSize pictureSize);
// The spots where at least `minimum` of the picture's opaque pixels show.
std::vector<QPoint> spotsShowing(const QImage& screen, const QImage& picture, double minimum);
// The spot where the target shows, if it does anywhere; the hit picture does not count.
std::optional<QPoint> targetSpot(const QImage& screen);
// Whether the hit picture shows whole with its top-left corner at `spot`.
bool hitShownAt(const QImage& screen, QPoint spot);
// The spots where a civilian shows, even if partly covered or cut by the window's edge.
std::vector<QPoint> civilianSpots(const QImage& screen);
// Whether `area` shows nothing but the map.
bool showsBareMap(const QImage& screen, const QRect& area);
// Whether a panel shows over the map: most of its rectangle no longer shows the map.
bool panelShown(const QImage& screen, const QRect& panel);

// What a capture shows, in a few words: the map, the target, hit pictures and civilians.
std::string describeScreen(const QImage& screen);

} // namespace e2e
