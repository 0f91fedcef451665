// What a desktop gives the forms runtime. The runtime keeps every property a program reads and
// the events it handles; a front end (Qt, Win32) draws the form and its controls with the
// desktop's own widgets, and tells the runtime what the player did through the controls'
// raise functions (CheckBox::raiseClick, HScrollBar::raiseChange, ...). A program is linked with
// one front end, which defines the two functions at the end.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Control;
class Form;
struct ControlDesign;
struct FormDesign;

// One control as the desktop shows it.
class NativeControl {
public:
    virtual ~NativeControl() = default;

    // Twips from the top-left corner of the client area; the front end rounds to its pixels.
    virtual void place(float left, float top) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void takeFocus() = 0;
    // Does what was left out of the window's first frame; also done when it first shows.
    virtual void finishLoading() {}

    // A check box's state (0, 1 or 2) or a scroll bar's value, as the player left it. Setting a
    // different one raises the control's event, as a change by the player does.
    virtual std::int16_t value() const { return 0; }
    virtual void setValue(std::int16_t value) { (void)value; }
    // A button's caption or a text box's text.
    virtual std::string text() const { return {}; }
    virtual void setText(std::string_view text) { (void)text; }
};

// The form's top-level window.
class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    // Made from the back to the front, so that each control lies above those made before it.
    virtual std::unique_ptr<NativeControl> createControl(Control& control,
                                                         const ControlDesign& design) = 0;
    // The order the focus moves in on Tab; called once, after every control is made.
    virtual void setTabOrder(const std::vector<NativeControl*>& order) = 0;
    virtual void show() = 0;
    // The form's controls are out of the player's reach while a message box is open: a screen
    // reader hears them as unavailable, and the focus is where it was when the box closes.
    virtual void holdInput(bool held) = 0;
    // Has a screen reader say the text, as it says a notification; nothing shows on screen.
    virtual void announce(std::string_view text) = 0;
    // Called when a handler ends: what it changed goes to the screen together, never a part of
    // it (one civilian moved, the other not yet) on its own.
    virtual void showChanges() {}
};

// The window of a form; the form makes it before its controls.
std::unique_ptr<NativeWindow> createNativeWindow(Form& form, const FormDesign& design);

// Loads the form, shows it and dispatches events until the window is closed; returns the
// program's exit status.
int run(Form& form);

} // namespace platform
