// Where a form's design puts its window and controls, in pixels, and how to tell its pictures
// apart on a capture.
#pragma once

#include "platform/design.h"

#include <QRect>
#include <QRgb>
#include <QSize>
#include <initializer_list>
#include <string_view>

namespace harness {

// The form's client area.
QSize clientSize(const platform::FormDesign& form);
// The control's rectangle in the client area.
QRect pixelRect(const platform::ControlDesign& control);
// The rectangle of the form's control called `name`; throws std::logic_error if it has none.
QRect controlRect(const platform::FormDesign& form, std::string_view name);

// The colour that tells the picture of the form's control called `name` from the form's other
// pictures: the commonest colour of its opaque pixels that no other control's picture holds but
// those of `sharedWith` (a picture that takes its place, say). Throws std::logic_error if the
// control has no picture or no such colour.
QRgb ownColour(const platform::FormDesign& form, std::string_view name,
               std::initializer_list<std::string_view> sharedWith = {});

} // namespace harness
