// What a screen reader finds of the form's buttons, check boxes and scroll bars, and does with
// them. Qt's own interfaces act whatever the window's state; these ask the form first, so that
// no action goes through behind an open message box, and say meanwhile that they are unavailable.
#pragma once

class QWidget;

namespace platform {

// Puts these interfaces before Qt's for the widgets of every form window; once is enough.
void installControlAccessibles();

// Whether the widget is one that the player acts on, and so one that a box holds.
bool actsForThePlayer(const QWidget* widget);

} // namespace platform
