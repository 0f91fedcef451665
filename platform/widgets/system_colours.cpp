#include "platform/widgets/system_colours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace platform {

void applyBackground(QWidget* widget, SystemColour colour)
{
    QPalette palette = widget->palette();
    switch (colour) {
    case SystemColour::Default:
        return;
    case SystemColour::InactiveTitleBar:
        // Qt has no role for a title bar; this is the classic desktop's inactive caption grey.
        palette.setColor(QPalette::Window, QColor(128, 128, 128));
        break;
    case SystemColour::WindowBackground:
        palette.setColor(QPalette::Window, palette.color(QPalette::Base));
        break;
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace platform
