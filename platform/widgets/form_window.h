// The top-level window of a form: its client area is the form's own surface.
#pragma once

#include <QWidget>

namespace platform {

class Form;
struct FormDesign;

class FormWindow final : public QWidget {
public:
    FormWindow(Form& form, const FormDesign& design);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Form& m_form;
    bool m_painted = false;
};

} // namespace platform
