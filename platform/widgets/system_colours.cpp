#include "platform/widgets/system_colours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace platform {

void applyBackground(QWidget* widget, SystemColour colour)
{
    QPalette palette = widget->palette();
    // Buttons fill with the Button role, other widgets with Window: colour the one it uses.
    const QPalette::ColorRole role = widget->backgroundRole();
    switch (colour) {
    case SystemColour::Default:
        return;
    case SystemColour::InactiveTitleBar:
        // Qt has no role for a title bar; this is the classic desktop's inactive caption grey.
        palette.setColor(role, QColor(128, 128, 128));
        break;
    case SystemColour::WindowBackground:
        palette.setColor(role, palette.color(QPalette::Base));
        break;
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace platform
