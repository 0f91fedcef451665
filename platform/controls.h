// The drawn controls of a form: positions in twips, visibility, and the events the program
// handles. Each control is backed by a Qt widget; this header keeps Qt out of the program.
#pragma once

#include "platform/design.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace platform {

class Form;

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

    QWidget* widget() const { return m_widget; }

    // Does what was left out of the window's first frame; the form calls it once that frame
    // is painted. A control hidden at start may also do it when it first shows.
    virtual void finishLoading() {}

protected:
    Control(Form& form, const ControlDesign& design);
    // How a kind's widget meets the player. A window-backed control takes the focus and shows
    // the desktop's arrow; a picture or a label never takes the focus and shows the form's
    // pointer. Either way a mouse event that reaches it ends there.
    enum class Backing { Windowless, Window };
    // Called once by each kind's constructor with the widget it made for itself.
    void attach(QWidget* widget, Backing backing);
    // The widget as the class its kind made it of; only that kind's own file asks.
    template <class WidgetType> WidgetType* widgetAs() const
    {
        return static_cast<WidgetType*>(m_widget);
    }
    Form& form() const { return m_form; }
    // Tells the form's probe, if any, of an access to one of this control's properties. A write
    // can fail; a read can fail only where it builds a text.
    enum AccessKind { Read, ReadText, Write };
    void noteAccess(std::string_view property, AccessKind kind) const;

private:
    void place();

    Form& m_form;
    std::string m_name;
    std::string m_accessibleName;
    float m_left;
    float m_top;
    float m_width;
    float m_height;
    bool m_visible;
    std::string m_announcedWhenShown;
    std::string m_announcedWhenHidden;
    QWidget* m_widget = nullptr;
};

class Image final : public Control {
public:
    Image(Form& form, const ControlDesign& design, QWidget* parent);
    void finishLoading() override;

    MouseHandler onMouseDown;
    EventHandler onClick;

    // What the widget raises; tests may raise them too.
    void raiseMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void raiseClick();
};

class Label final : public Control {
public:
    Label(Form& form, const ControlDesign& design, QWidget* parent);
};

class TextBox final : public Control {
public:
    TextBox(Form& form, const ControlDesign& design, QWidget* parent);
    void finishLoading() override;
    std::string text() const;
};

class CheckBox final : public Control {
public:
    CheckBox(Form& form, const ControlDesign& design, QWidget* parent);

    // 0 unchecked, 1 checked, 2 greyed. A change raises Click, whoever makes it.
    std::int16_t value() const;
    void setValue(std::int16_t value);

    // Raised after the value changed.
    EventHandler onClick;
    void raiseClick();
};

class HScrollBar final : public Control {
public:
    HScrollBar(Form& form, const ControlDesign& design, QWidget* parent);

    std::int16_t value() const;
    // Raises Change when the value changes, as a move by the player does.
    void setValue(std::int16_t value);
    std::int16_t min() const;
    std::int16_t max() const;
    std::int16_t smallChange() const;
    std::int16_t largeChange() const;

    EventHandler onChange;
    void raiseChange();
};

class CommandButton final : public Control {
public:
    CommandButton(Form& form, const ControlDesign& design, QWidget* parent);

    std::string caption() const;
    void setCaption(std::string_view caption);

    EventHandler onClick;
    void raiseClick();
};

} // namespace platform
