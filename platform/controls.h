// The drawn controls of a form: positions in twips, visibility, and the events the program
// handles. Each control is shown by a native control of the desktop's front end, which keeps
// what the player changes (a check box's state, a scroll bar's value) and raises the events.
#pragma once

#include "platform/design.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

class Form;
class NativeControl;

// Mouse buttons and modifier keys as handlers receive them.
enum MouseButton : std::int16_t { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftState : std::int16_t { ShiftKey = 1, ControlKey = 2, AltKey = 4 };

using MouseHandler = std::function<void(std::int16_t button, std::int16_t shift, float x, float y)>;
using EventHandler = std::function<void()>;

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    const std::string& name() const { return m_name; }

    // A value set reads back exactly; on screen it is drawn at the nearest pixel.
    float left() const;
    float top() const;
    float width() const { return m_width; }
    float height() const { return m_height; }
    void setLeft(float left);
    void setTop(float top);

    bool visible() const;
    void setVisible(bool visible);

    // The control as the desktop shows it; the front end that made it may look inside.
    NativeControl& native() const { return *m_native; }

    // Does what was left out of the window's first frame; the form calls it once that frame
    // is painted. A control hidden at start may also do it when it first shows.
    void finishLoading();

protected:
    Control(Form& form, const ControlDesign& design);
    Form& form() const { return m_form; }
    // Tells the form's probe, if any, of an access to one of this control's properties. A write
    // can fail; a read can fail only where it builds a text.
    enum AccessKind { Read, ReadText, Write };
    void noteAccess(std::string_view property, AccessKind kind) const;

private:
    friend class Form;
    // The form hands each control the native one that its window made for it, once.
    void attach(std::unique_ptr<NativeControl> native);

    Form& m_form;
    std::string m_name;
    float m_left;
    float m_top;
    float m_width;
    float m_height;
    bool m_visible;
    std::string m_announcedWhenShown;
    std::string m_announcedWhenHidden;
    std::unique_ptr<NativeControl> m_native;
};

class Image final : public Control {
public:
    Image(Form& form, const ControlDesign& design);

    MouseHandler onMouseDown;
    EventHandler onClick;

    // What the native control raises; tests may raise them too.
    void raiseMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void raiseClick();
};

class Label final : public Control {
public:
    Label(Form& form, const ControlDesign& design);
};

class TextBox final : public Control {
public:
    TextBox(Form& form, const ControlDesign& design);
    std::string text() const;
};

class CheckBox final : public Control {
public:
    CheckBox(Form& form, const ControlDesign& design);

    // 0 unchecked, 1 checked, 2 greyed. A change raises Click, whoever makes it.
    std::int16_t value() const;
    void setValue(std::int16_t value);

    // Raised after the value changed.
    EventHandler onClick;
    void raiseClick();
};

class HScrollBar final : public Control {
public:
    HScrollBar(Form& form, const ControlDesign& design);

    std::int16_t value() const;
    // Raises Change when the value changes, as a move by the player does. A value beyond the
    // range is taken as the nearest end.
    void setValue(std::int16_t value);
    std::int16_t min() const;
    std::int16_t max() const;
    std::int16_t smallChange() const;
    std::int16_t largeChange() const;

    EventHandler onChange;
    void raiseChange();

private:
    // The design's range and steps, which no program changes.
    ScrollRange m_range;
};

class CommandButton final : public Control {
public:
    CommandButton(Form& form, const ControlDesign& design);

    std::string caption() const;
    void setCaption(std::string_view caption);

    EventHandler onClick;
    void raiseClick();
};

} // namespace platform
