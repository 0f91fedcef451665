#include "platform/qt/mouse_routing.h"

#include "platform/controls.h"
#include "platform/twips.h"

#include <QMouseEvent>
#include <QWidget>

namespace platform {

void keepMouseEvents(QWidget* widget)
{
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->setMouseTracking(true);
    for (QWidget* child : widget->findChildren<QWidget*>())
        keepMouseEvents(child);
}

std::int16_t mouseButton(const QMouseEvent& event)
{
    // A press or a release reports the button that changed; a move reports those held.
    const Qt::MouseButtons buttons =
        event.button() != Qt::NoButton ? event.button() : event.buttons();
    std::int16_t result = 0;
    if (buttons & Qt::LeftButton)
        result |= LeftButton;
    if (buttons & Qt::RightButton)
        result |= RightButton;
    if (buttons & Qt::MiddleButton)
        result |= MiddleButton;
    return result;
}

std::int16_t shiftState(const QMouseEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    std::int16_t result = 0;
    if (modifiers & Qt::ShiftModifier)
        result |= ShiftKey;
    if (modifiers & Qt::ControlModifier)
        result |= ControlKey;
    if (modifiers & Qt::AltModifier)
        result |= AltKey;
    return result;
}

float toTwips(double pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

} // namespace platform
