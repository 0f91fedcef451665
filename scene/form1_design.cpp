#include "scene/form1_design.h"

#include "scene/texts.h"

#include <algorithm>
#include <stdexcept>

namespace scene {
namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::SystemColour;

struct Placement {
    const char* name;
    ControlKind kind;
    float left;
    float top;
    float width;
    float height;
};

// In stacking order, frontmost first: each control covers those below it where they overlap
// and takes the mouse there. The five window-backed controls lie above every picture and label.
constexpr Placement kPlacements[] = {
    {"civcheck", ControlKind::CheckBox, 120, 3960, 1095, 435},
    {"Creditbox", ControlKind::TextBox, 1200, 1320, 3255, 975},
    {"Diff", ControlKind::HScrollBar, 120, 4680, 2775, 135},
    {"Instructions", ControlKind::CommandButton, 4560, 480, 1455, 315},
    {"Credits", ControlKind::CommandButton, 4560, 120, 1455, 315},
    {"Difficulty", ControlKind::Label, 840, 4440, 735, 255},
    {"civboom", ControlKind::Image, 480, 2160, 1065, 1170},
    {"civ1", ControlKind::Image, 840, 960, 1065, 1170},
    {"civ2", ControlKind::Image, 2160, 960, 1065, 1170},
    {"Deboom", ControlKind::Image, 4680, 3840, 840, 1035},
    {"boom2", ControlKind::Image, 4920, 2040, 960, 960},
    {"boom1", ControlKind::Image, 5040, 960, 960, 960},
    {"Inst", ControlKind::Label, 1560, 2760, 2655, 1095},
    {"Despot", ControlKind::Image, 3360, 4080, 840, 1035},
    {"Iraq", ControlKind::Image, 0, 0, 6015, 4905},
};

// The order in which the keyboard moves the focus; labels never take it.
constexpr std::pair<const char*, int> kTabOrder[] = {
    {"Inst", 0},       {"Credits", 1},   {"Instructions", 2}, {"Diff", 3},
    {"Difficulty", 4}, {"Creditbox", 5}, {"civcheck", 6},
};

// The pictures at their own size (the map is stretched), and which start hidden.
constexpr std::pair<const char*, const char*> kPictures[] = {
    {"civboom", ":/pictures/hit_civilian.gif"}, {"civ1", ":/pictures/civilian.gif"},
    {"civ2", ":/pictures/civilian.gif"},        {"Deboom", ":/pictures/hit_target.gif"},
    {"boom2", ":/pictures/explosion2.gif"},     {"boom1", ":/pictures/explosion1.gif"},
    {"Despot", ":/pictures/target.gif"},        {"Iraq", ":/pictures/map.bmp"},
};

// Names a screen reader gives the controls whose own text does not say what they are.
constexpr std::pair<const char*, const char*> kAccessibleNames[] = {
    {"Iraq", "Map of Iraq"},  {"Despot", "Target"},         {"Deboom", "Target, hit"},
    {"boom1", "Explosion"},   {"boom2", "Explosion"},       {"civ1", "Civilian"},
    {"civ2", "Civilian"},     {"civboom", "Civilian, hit"}, {"Inst", "Instructions"},
    {"Creditbox", "Credits"}, {"Diff", "Difficulty"},
};

constexpr const char* kHiddenAtStart[] = {"Creditbox", "civboom", "civ1", "civ2",  "Deboom",
                                          "boom2",     "boom1",   "Inst", "Despot"};

ControlDesign& named(platform::FormDesign& form, std::string_view name)
{
    const auto found = std::find_if(form.controls.begin(), form.controls.end(),
                                    [name](const ControlDesign& c) { return c.name == name; });
    if (found == form.controls.end())
        throw std::logic_error("no control named " + std::string(name));
    return *found;
}

platform::FormDesign makeDesign()
{
    platform::FormDesign form;
    form.caption = std::string(kCaption);
    form.accessibleDescription =
        "Press the target when he pops up on the map; spare the civilians.";
    form.clientWidth = 6030;
    form.clientHeight = 4920;
    form.icon = ":/pictures/dart.ico";
    form.pointer = {.picture = ":/pictures/dart.ico", .hotX = 0, .hotY = 0};

    for (const Placement& p : kPlacements)
        form.controls.push_back({.name = p.name,
                                 .kind = p.kind,
                                 .left = p.left,
                                 .top = p.top,
                                 .width = p.width,
                                 .height = p.height});
    for (const auto& [name, index] : kTabOrder)
        named(form, name).tabIndex = index;
    for (const auto& [name, picture] : kPictures)
        named(form, name).picture = picture;
    for (const auto& [name, accessibleName] : kAccessibleNames)
        named(form, name).accessibleName = accessibleName;
    for (const char* name : kHiddenAtStart)
        named(form, name).visible = false;

    ControlDesign& civcheck = named(form, "civcheck");
    civcheck.text = "Civilian";
    civcheck.background = SystemColour::InactiveTitleBar;
    civcheck.checkValue = 0;

    named(form, "Creditbox").text = std::string(kCredits);
    named(form, "Diff").range = {
        .min = 0, .max = 450, .smallChange = 25, .largeChange = 75, .value = 0};
    named(form, "Instructions").text = "Instructions";
    named(form, "Credits").text = "Credits!";

    ControlDesign& difficulty = named(form, "Difficulty");
    difficulty.text = "Difficulty";
    difficulty.background = SystemColour::WindowBackground;

    ControlDesign& inst = named(form, "Inst");
    inst.text = std::string(kInstructions);
    inst.background = SystemColour::InactiveTitleBar;
    inst.border = true;

    named(form, "Iraq").stretch = true;

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
