#include "scene/form1_design.h"

#include "scene/texts.h"

namespace scene {
namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::SystemColour;

ControlDesign image(const char* name, float left, float top, float width, float height,
                    const char* picture)
{
    ControlDesign design{.name = name, .kind = ControlKind::Image};
    design.left = left;
    design.top = top;
    design.width = width;
    design.height = height;
    design.visible = false;
    design.picture = picture;
    return design;
}

platform::FormDesign makeDesign()
{
    platform::FormDesign form;
    form.caption = std::string(kCaption);
    form.clientWidth = 6030;
    form.clientHeight = 4920;
    form.icon = ":/pictures/dart.ico";
    form.pointer = {.picture = ":/pictures/dart.ico", .hotX = 1, .hotY = 1};

    // Frontmost first; the window-backed controls lie above every picture and label.
    form.controls = {
        {.name = "civcheck", .kind = ControlKind::CheckBox, .left = 120, .top = 3960,
         .width = 1095, .height = 435, .text = "Civilian",
         .background = SystemColour::InactiveTitleBar, .tabIndex = 6, .checkValue = 0},
        {.name = "Creditbox", .kind = ControlKind::TextBox, .left = 1200, .top = 1320,
         .width = 3255, .height = 975, .visible = false, .text = std::string(kCredits),
         .tabIndex = 5},
        {.name = "Diff", .kind = ControlKind::HScrollBar, .left = 120, .top = 4680, .width = 2775,
         .height = 135, .tabIndex = 3,
         .range = {.min = 0, .max = 450, .smallChange = 25, .largeChange = 75, .value = 0}},
        {.name = "Instructions", .kind = ControlKind::CommandButton, .left = 4560, .top = 480,
         .width = 1455, .height = 315, .text = "Instructions", .tabIndex = 2},
        {.name = "Credits", .kind = ControlKind::CommandButton, .left = 4560, .top = 120,
         .width = 1455, .height = 315, .text = "Credits!", .tabIndex = 1},
        {.name = "Difficulty", .kind = ControlKind::Label, .left = 840, .top = 4440,
         .width = 735, .height = 255, .text = "Difficulty",
         .background = SystemColour::WindowBackground, .tabIndex = 4},
        image("civboom", 480, 2160, 1065, 1170, ":/pictures/hit_civilian.gif"),
        image("civ1", 840, 960, 1065, 1170, ":/pictures/civilian.gif"),
        image("civ2", 2160, 960, 1065, 1170, ":/pictures/civilian.gif"),
        image("Deboom", 4680, 3840, 840, 1035, ":/pictures/hit_target.gif"),
        image("boom2", 4920, 2040, 960, 960, ":/pictures/explosion2.gif"),
        image("boom1", 5040, 960, 960, 960, ":/pictures/explosion1.gif"),
        {.name = "Inst", .kind = ControlKind::Label, .left = 1560, .top = 2760, .width = 2655,
         .height = 1095, .visible = false, .text = std::string(kInstructions),
         .background = SystemColour::InactiveTitleBar, .border = true, .tabIndex = 0},
        image("Despot", 3360, 4080, 840, 1035, ":/pictures/target.gif"),
        image("Iraq", 0, 0, 6015, 4905, ":/pictures/map.bmp"),
    };
    ControlDesign& map = form.controls.back();
    map.visible = true;
    map.stretch = true;

    form.timers = {
        {.name = "civmove", .enabled = true, .interval = 750},
        {.name = "boomtime", .enabled = false, .interval = 300},
        {.name = "moveT", .enabled = true, .interval = 3000},
        {.name = "appear", .enabled = false, .interval = 650},
    };
    return form;
}

} // namespace

const platform::FormDesign& form1Design()
{
    static const platform::FormDesign design = makeDesign();
    return design;
}

} // namespace scene
