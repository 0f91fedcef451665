// What a screen reader finds of the form's buttons, check boxes and scroll bars, and does with
// them. Qt's own interfaces act whatever the window's state; these ask the form first, so that
// no action goes through behind an open message box, and say meanwhile that they are unavailable.
#pragma once

class QAccessibleInterface;
class QObject;
class QWidget;

namespace platform {

// The interface for one of the form's buttons, check boxes or scroll bars; null for any other
// object, which Qt's own interfaces serve. The platform's accessibility factory asks here.
QAccessibleInterface* controlAccessible(QObject* object);

// A screen reader reads the bar's value as `from` minus it, its range and steps alike; setting
// or stepping the value it reads sets the bar's value to match. Qt 6.4 has no other way to give
// a value a meaning (Orca's value text comes from an object attribute Qt does not export).
void setAccessibleValueFrom(QWidget* bar, int from);

// Whether the widget is one that the player acts on, and so one that a box holds.
bool actsForThePlayer(const QWidget* widget);

} // namespace platform
