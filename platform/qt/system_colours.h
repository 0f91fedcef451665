// The system colours the layout names, as Qt draws them.
#pragma once

#include "platform/design.h"

class QWidget;

namespace platform {

// Fills the widget's background with the colour and writes its text in a colour that reads
// on it; Default leaves the style's own.
void applySystemColour(QWidget* widget, SystemColour colour);

} // namespace platform
