// The design of a form as plain data: what the runtime builds the window and its controls from.
// Every text is a view of static text, as a design's texts are fixed when the program is built.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

enum class ControlKind { Image, Label, TextBox, CheckBox, HScrollBar, CommandButton };

// The few system colours a design names; the platform maps each to the desktop's colour.
enum class SystemColour { Default, InactiveTitleBar, WindowBackground };

// Which scroll bars a text box has.
enum class ScrollBars { None, Horizontal, Vertical, Both };

struct ScrollRange {
    std::int16_t min = 0;
    std::int16_t max = 32767;
    std::int16_t smallChange = 1;
    std::int16_t largeChange = 1;
    std::int16_t value = 0;
};

// One drawn control: a row of the design, in the order of the fields below.
struct ControlDesign {
    std::string_view name{};
    ControlKind kind = ControlKind::Image;
    // Twips from the top-left corner of the client area.
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool visible = true;
    int tabIndex = -1; // -1: takes no place in the tab order
    // Caption of a button, check box or label; contents of a text box.
    std::string_view text{};
    // What a screen reader calls the control where its own text does not say it. A named label
    // is read out whole when it shows, as a notification.
    std::string_view accessibleName{};
    // What a screen reader says when the control shows or hides, where it would say nothing.
    std::string_view announcedWhenShown{};
    std::string_view announcedWhenHidden{};
    // A scroll bar's value as a screen reader reads it, where the bare value says too little:
    // this minus the value (0: the value itself).
    std::int16_t accessibleValueFrom = 0;
    std::string_view picture{}; // resource path of an image's picture
    bool stretch = false;       // the picture fills the control instead of showing at its size
    SystemColour background = SystemColour::Default;
    bool border = false; // a single-line border around a label
    // A text box (which always shows several lines): its scroll bars, and whether the player
    // may only read and select its text.
    ScrollBars scrollBars = ScrollBars::None;
    bool locked = false;
    std::int16_t checkValue = 0;
    ScrollRange range{};
};

struct TimerDesign {
    std::string_view name{};
    bool enabled = false;
    std::int32_t interval = 0;
};

struct PointerDesign {
    std::string_view picture{}; // resource path of the icon that shows as the pointer
    int hotX = 0;
    int hotY = 0;
};

// The font the form's controls draw their captions in; a design sizes its controls for it.
struct FontDesign {
    int pixelSize = 0;      // 0: the platform's own size
    bool condensed = false; // narrower than the face's normal width
};

struct FormDesign {
    std::string_view caption{};
    std::string_view accessibleDescription{}; // what a screen reader says of the window
    float clientWidth = 0;                    // twips
    float clientHeight = 0;
    std::string_view icon{}; // resource path of the window icon
    PointerDesign pointer{}; // over the form, its images and its labels
    FontDesign font{};
    // Drawn controls in stacking order, frontmost first: each covers those after it where they
    // overlap, and takes the mouse there.
    std::vector<ControlDesign> controls{};
    std::vector<TimerDesign> timers{};

    // The row of the control of that name; a design without it is a programming error.
    const ControlDesign& control(std::string_view name) const;
};

} // namespace platform
