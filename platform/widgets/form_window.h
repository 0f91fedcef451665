// The top-level window of a form: its client area is the form's own surface.
#pragma once

#include "platform/widgets/drawn_pixel_pointer.h"

#include <QPointer>
#include <QWidget>
#include <string_view>

namespace platform {

class Form;
struct FormDesign;

class FormWindow final : public QWidget {
public:
    FormWindow(Form& form, const FormDesign& design);

    Form& form() const { return m_form; }
    // The form's controls are out of the player's reach while a message box is open: a screen
    // reader hears them as unavailable, and the focus is where it was when the box closes.
    void holdInput(bool held);
    // Has a screen reader say the text, as it says a notification; nothing shows on screen.
    void announce(std::string_view text);
    // The form window that holds the widget, if any.
    static FormWindow* of(const QWidget* widget);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Form& m_form;
    bool m_painted = false;
    QPointer<QWidget> m_focusBeforeBox;
    QWidget* m_announcer;
    DrawnPixelPointer m_pointer;
};

} // namespace platform
