// The game's window in the test's own terms: where things are, and what a capture shows.
#pragma once

#include "harness/design_geometry.h"
#include "scene/form1_design.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Where the design puts the window and its controls.
inline const QSize kClientSize = harness::clientSize(scene::form1Design());
// The stretched map; the column right of it and the row below it are the bare form.
inline const QRect kMapArea = harness::controlRect(scene::form1Design(), "Iraq");

inline const QSize kTargetSize = harness::controlRect(scene::form1Design(), "Despot").size();
inline const QSize kExplosionSize = harness::controlRect(scene::form1Design(), "boom1").size();
// From a press on the map to the corner of the explosion centred on it.
inline const QPoint kHalfExplosion(kExplosionSize.width() / 2, kExplosionSize.height() / 2);
// A point of the map where the explosion covers no spot and no control: nothing else can show
// there.
inline constexpr QPoint kBareMapPoint{348, 130};

// Colours that tell a picture from the others shown in play: the target's, which its hit
// picture shares, and the civilians'.
QRgb targetColour();
QRgb civilianColour();

// The thirteen spots' top-left corners, from the game's own table.
const std::vector<QPoint>& spots();

// Controls and panels.
inline const QRect kCivilianCheckBoxArea = harness::controlRect(scene::form1Design(), "civcheck");
// The middle of the check box, on its caption, where a click ticks or clears it.
inline const QPoint kCivilianCheckBox = kCivilianCheckBoxArea.center();
inline const QRect kCreditsButton = harness::controlRect(scene::form1Design(), "Credits");
inline const QRect kInstructionsButton = harness::controlRect(scene::form1Design(), "Instructions");
inline const QRect kCreditsPanel = harness::controlRect(scene::form1Design(), "Creditbox");
inline const QRect kInstructionsPanel = harness::controlRect(scene::form1Design(), "Inst");
inline const QRect kDifficultyBar = harness::controlRect(scene::form1Design(), "Diff");
inline const QRect kDifficultyLabel = harness::controlRect(scene::form1Design(), "Difficulty");
// The map where no control lies when the window first shows: left of the buttons, below them
// and above the check box, a few pixels in from each.
inline const QRect kOpenMap =
    QRect(QPoint(kMapArea.left(), kInstructionsButton.united(kCreditsButton).bottom()),
          QPoint(kInstructionsButton.united(kCreditsButton).left(), kCivilianCheckBoxArea.top()))
        .adjusted(5, 5, -5, -5);

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
// Whether `area` shows nothing but the map, whichever way the toolkit rounds its stretching.
bool showsBareMap(const QImage& screen, const QRect& area);
// Whether a panel shows over the map: most of its rectangle no longer shows the map.
bool panelShown(const QImage& screen, const QRect& panel);

// What a capture shows, in a few words: the map, the target, hit pictures and civilians.
std::string describeScreen(const QImage& screen);

} // namespace e2e
