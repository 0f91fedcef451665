// The top-level window of a form: its client area is the form's own surface.
#pragma once

#include "platform/widgets/drawn_pixel_pointer.h"

#include <QWidget>

namespace platform {

class Form;
struct FormDesign;

class FormWindow final : public QWidget {
public:
    FormWindow(Form& form, const FormDesign& design);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Form& m_form;
    bool m_painted = false;
    DrawnPixelPointer m_pointer;
};

} // namespace platform
