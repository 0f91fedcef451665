// The Qt front end as a program and its tests reach into it: the widgets behind a form.
#pragma once

#include <memory>

class QWidget;

namespace platform {
class Control;
class Form;
class PicturesAhead;
} // namespace platform

namespace platform::qt {

// The widget that shows the control, and the form's top-level window.
QWidget* widgetOf(const Control& control);
QWidget* windowOf(const Form& form);

// Hands the form the pictures decoded ahead for its design; see FormWindow::takePicturesAhead.
void takePicturesAhead(Form& form, std::unique_ptr<PicturesAhead> pictures);

} // namespace platform::qt
