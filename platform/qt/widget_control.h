// A control of a form as a Qt widget: the part every kind shares.
#pragma once

#include "platform/front_end.h"

class QWidget;

namespace platform {

struct ControlDesign;

class WidgetControl : public NativeControl {
public:
    // How a kind's widget meets the player. A window-backed control takes the focus and shows
    // the desktop's arrow; a picture or a label never takes the focus and shows the form's
    // pointer. Either way a mouse event that reaches it ends there.
    enum class Backing { Windowless, Window };
    // Takes the widget that a kind made, already a child of the form window, and sets it up at
    // the design's place, size and visibility.
    WidgetControl(QWidget* widget, Backing backing, const ControlDesign& design);

    // The window owns the widget and deletes it first, so this never deletes it.
    QWidget* widget() const { return m_widget; }
    // The widget as the class its kind made it of; only that kind's own file asks.
    template <class WidgetType> WidgetType* widgetAs() const
    {
        return static_cast<WidgetType*>(m_widget);
    }

    void place(float left, float top) override;
    void setVisible(bool visible) override;
    void takeFocus() override;

private:
    QWidget* m_widget;
};

} // namespace platform
