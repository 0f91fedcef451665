// The role a screen reader announces for a widget whose Qt class says too little.
#pragma once

#include <QAccessible>

class QWidget;

namespace platform {

// A plain QWidget is only a "client area" to Qt's accessibility; this names what it is.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

} // namespace platform
