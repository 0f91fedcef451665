// Mouse routing shared by every control's widget.
#pragma once

#include <cstdint>

class QMouseEvent;
class QPointF;
class QWidget;

namespace platform {

// A mouse event that reaches a control ends there: Qt would pass an ignored event on to the
// parent, and the form must never see what lands on a control. Applies to the widget's
// children too (a text box's viewport, for one).
void keepMouseEvents(QWidget* widget);

std::int16_t mouseButton(const QMouseEvent& event);
std::int16_t shiftState(const QMouseEvent& event);
float toTwips(double pixels);

} // namespace platform
