// The design of a form as plain data: what the runtime builds the window and its controls from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class ControlKind { Image, Label, TextBox, CheckBox, HScrollBar, CommandButton };

// The few system colours the layout names; the platform maps each to the desktop's colour.
enum class SystemColour { Default, InactiveTitleBar, WindowBackground };

struct ScrollRange {
    std::int16_t min = 0;
    std::int16_t max = 32767;
    std::int16_t smallChange = 1;
    std::int16_t largeChange = 1;
    std::int16_t value = 0;
};

// One drawn control. Geometry is in twips from the top-left corner of the client area.
struct ControlDesign {
    std::string name;
    ControlKind kind = ControlKind::Image;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool visible = true;
    std::string text;    // caption of a button, check box or label; contents of a text box
    std::string picture; // resource path of an image's picture
    bool stretch = false;
    SystemColour background = SystemColour::Default;
    bool border = false; // a single-line border around a label
    int tabIndex = -1;   // -1: takes no place in the tab order
    // What a screen reader calls the control where its own text does not say it.
    std::string accessibleName;
    std::int16_t checkValue = 0;
    ScrollRange range;
};

struct TimerDesign {
    std::string name;
    bool enabled = false;
    std::int32_t interval = 0;
};

struct PointerDesign {
    std::string picture; // resource path of the icon that shows as the pointer
    int hotX = 0;
    int hotY = 0;
};

struct FormDesign {
    std::string caption;
    std::string accessibleDescription; // what a screen reader says of the window
    float clientWidth = 0;             // twips
    float clientHeight = 0;
    std::string icon;      // resource path of the window icon
    PointerDesign pointer; // over the form, its images and its labels
    // Drawn controls, frontmost first.
    std::vector<ControlDesign> controls;
    std::vector<TimerDesign> timers;
};

} // namespace platform
