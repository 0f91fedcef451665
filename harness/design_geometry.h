// Where a form's design puts its window and controls, in pixels.
#pragma once

#include "platform/design.h"

#include <QRect>
#include <QSize>
#include <string_view>

namespace harness {

// The form's client area.
QSize clientSize(const platform::FormDesign& form);
// The control's rectangle in the client area.
QRect pixelRect(const platform::ControlDesign& control);
// The rectangle of the form's control called `name`; throws std::logic_error if it has none.
QRect controlRect(const platform::FormDesign& form, std::string_view name);

} // namespace harness
