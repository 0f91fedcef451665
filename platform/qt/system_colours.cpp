#include "platform/qt/system_colours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace platform {

void applySystemColour(QWidget* widget, SystemColour colour)
{
    switch (colour) {
    case SystemColour::Default:
        return;
    case SystemColour::InactiveTitleBar: {
        // Qt has no role for a title bar; this is the classic desktop's inactive caption grey.
        // It is the same under every palette, so its text is too: black reads on it at 5.3:1,
        // where the light text of a dark palette may not reach 3:1. Each role is the one this
        // kind of widget fills or writes with (a button's Button and ButtonText, for one).
        QPalette palette = widget->palette();
        palette.setColor(widget->backgroundRole(), QColor(128, 128, 128));
        palette.setColor(widget->foregroundRole(), QColor(0, 0, 0));
        widget->setPalette(palette);
        break;
    }
    case SystemColour::WindowBackground:
        // The palette pairs Base with the Text written on it, and WindowText with Window only:
        // a palette may have a light Base under light WindowText. Roles rather than colours, so
        // that both follow the desktop's palette when it changes.
        widget->setBackgroundRole(QPalette::Base);
        widget->setForegroundRole(QPalette::Text);
        break;
    }
    widget->setAutoFillBackground(true);
}

} // namespace platform
