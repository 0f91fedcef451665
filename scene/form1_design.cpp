#include "scene/form1_design.h"

#include "scene/pictures.h"
#include "scene/texts.h"

namespace scene {
namespace {

using platform::ControlKind;
using platform::SystemColour;

// The dart, the window's icon and its pointer; its tip is the pointer's hot spot.
constexpr std::string_view kDart = picture::dart.path;
// How long the target stays up with the difficulty bar at 0, the bar's value taken off it.
constexpr std::int16_t kLongestUpMs = 650;

platform::FormDesign makeDesign()
{
    return {
        .caption = kCaption,
        .accessibleDescription = kWindowDescription,
        .clientWidth = 6030,
        .clientHeight = 4920,
        .icon = kDart,
        .pointer = {.picture = kDart, .hotX = 0, .hotY = 0},
        // The classic desktop's 8-point dialog font, 11 pixels high at 96 dpi, which the
        // controls are sized for; Qt's own default is larger. The free sans-serif faces (DejaVu
        // Sans on Debian) are also wider than that font, and the instructions, wrapped in a
        // label sized for it, ran out of room: drawn condensed, they fit again.
        .font = {.pixelSize = 11, .condensed = true},
        // One row a control, frontmost first. The five window-backed controls lie above every
        // picture and label. The pictures of the hidden ones are where they first show up.
        .controls =
            {
                {.name = "civcheck",
                 .kind = ControlKind::CheckBox,
                 .left = 120,
                 .top = 3960,
                 .width = 1095,
                 .height = 435,
                 .tabIndex = 6,
                 .text = kCivilianCaption,
                 .background = SystemColour::InactiveTitleBar,
                 .checkValue = 0},
                {.name = "Creditbox",
                 .kind = ControlKind::TextBox,
                 .left = 1200,
                 .top = 1320,
                 .width = 3255,
                 .height = 975,
                 .visible = false,
                 .tabIndex = 5,
                 .text = kCredits,
                 .accessibleName = kCreditsName,
                 .announcedWhenShown = kCreditsShown,
                 .announcedWhenHidden = kCreditsClosed,
                 .scrollBars = platform::ScrollBars::Vertical,
                 .locked = true},
                {.name = "Diff",
                 .kind = ControlKind::HScrollBar,
                 .left = 120,
                 .top = 4680,
                 .width = 2775,
                 .height = 135,
                 .tabIndex = 3,
                 .accessibleName = kDifficultyName,
                 .accessibleValueFrom = kLongestUpMs,
                 .range = {.min = 0, .max = 450, .smallChange = 25, .largeChange = 75, .value = 0}},
                {.name = "Instructions",
                 .kind = ControlKind::CommandButton,
                 .left = 4560,
                 .top = 480,
                 .width = 1455,
                 .height = 315,
                 .tabIndex = 2,
                 .text = kInstructionsCaption},
                {.name = "Credits",
                 .kind = ControlKind::CommandButton,
                 .left = 4560,
                 .top = 120,
                 .width = 1455,
                 .height = 315,
                 .tabIndex = 1,
                 .text = kCreditsCaption},
                {.name = "Difficulty",
                 .kind = ControlKind::Label,
                 .left = 840,
                 .top = 4440,
                 .width = 735,
                 .height = 255,
                 .tabIndex = 4,
                 .text = kDifficultyCaption,
                 .background = SystemColour::WindowBackground},
                {.name = "civboom",
                 .kind = ControlKind::Image,
                 .left = 480,
                 .top = 2160,
                 .width = 1065,
                 .height = 1170,
                 .visible = false,
                 .accessibleName = kCivilianHitName,
                 .picture = picture::hitCivilian.path},
                {.name = "civ1",
                 .kind = ControlKind::Image,
                 .left = 840,
                 .top = 960,
                 .width = 1065,
                 .height = 1170,
                 .visible = false,
                 .accessibleName = kCivilianName,
                 .picture = picture::civilian.path},
                {.name = "civ2",
                 .kind = ControlKind::Image,
                 .left = 2160,
                 .top = 960,
                 .width = 1065,
                 .height = 1170,
                 .visible = false,
                 .accessibleName = kCivilianName,
                 .picture = picture::civilian.path},
                {.name = "Deboom",
                 .kind = ControlKind::Image,
                 .left = 4680,
                 .top = 3840,
                 .width = 840,
                 .height = 1035,
                 .visible = false,
                 .accessibleName = kTargetHitName,
                 .picture = picture::hitTarget.path},
                {.name = "boom2",
                 .kind = ControlKind::Image,
                 .left = 4920,
                 .top = 2040,
                 .width = 960,
                 .height = 960,
                 .visible = false,
                 .accessibleName = kExplosionName,
                 .picture = picture::explosion2.path},
                {.name = "boom1",
                 .kind = ControlKind::Image,
                 .left = 5040,
                 .top = 960,
                 .width = 960,
                 .height = 960,
                 .visible = false,
                 .accessibleName = kExplosionName,
                 .picture = picture::explosion1.path},
                {.name = "Inst",
                 .kind = ControlKind::Label,
                 .left = 1560,
                 .top = 2760,
                 .width = 2655,
                 .height = 1095,
                 .visible = false,
                 .tabIndex = 0,
                 .text = kInstructions,
                 .accessibleName = kInstructionsName,
                 .announcedWhenHidden = kInstructionsClosed,
                 .background = SystemColour::InactiveTitleBar,
                 .border = true},
                {.name = "Despot",
                 .kind = ControlKind::Image,
                 .left = 3360,
                 .top = 4080,
                 .width = 840,
                 .height = 1035,
                 .visible = false,
                 .accessibleName = kTargetName,
                 .picture = picture::target.path},
                {.name = "Iraq",
                 .kind = ControlKind::Image,
                 .left = 0,
                 .top = 0,
                 .width = 6015,
                 .height = 4905,
                 .accessibleName = kMapName,
                 .picture = picture::map.path,
                 .stretch = true},
            },
        .timers =
            {
                {.name = "civmove", .enabled = true, .interval = 750},
                {.name = "boomtime", .enabled = false, .interval = 300},
                {.name = "moveT", .enabled = true, .interval = 3000},
                {.name = "appear", .enabled = false, .interval = kLongestUpMs},
            },
    };
}

} // namespace

const platform::FormDesign& form1Design()
{
    static const platform::FormDesign design = makeDesign();
    return design;
}

} // namespace scene
