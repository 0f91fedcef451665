// The system colours the layout names, as Qt draws them.
#pragma once

#include "platform/design.h"

class QWidget;

namespace platform {

// Fills the widget's background with the colour; Default leaves the style's own.
void applyBackground(QWidget* widget, SystemColour colour);

} // namespace platform
