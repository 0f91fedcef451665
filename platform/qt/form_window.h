// The top-level window of a form: its client area is the form's own surface.
#pragma once

#include "platform/front_end.h"
#include "platform/qt/drawn_pixel_pointer.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string_view>

namespace platform {

class Form;
class PicturesAhead;
struct FormDesign;

class FormWindow final : public QWidget, public NativeWindow {
public:
    FormWindow(Form& form, const FormDesign& design);
    ~FormWindow() override;

    Form& form() const { return m_form; }
    // The form window that holds the widget, if any.
    static FormWindow* of(const QWidget* widget);

    std::unique_ptr<NativeControl> createControl(Control& control,
                                                 const ControlDesign& design) override;
    void setTabOrder(const std::vector<NativeControl*>& order) override;
    void show() override { QWidget::show(); }
    void holdInput(bool held) override;
    void announce(std::string_view text) override;

    // Takes the pictures decoded ahead for the form's design: its controls take theirs from
    // them as they first show. Give them before the window shows; without them, each control
    // decodes its own. Throws std::logic_error if they were decoded for another design.
    void takePicturesAhead(std::unique_ptr<PicturesAhead> pictures);
    PicturesAhead* picturesAhead() const { return m_pictures.get(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Form& m_form;
    std::unique_ptr<PicturesAhead> m_pictures;
    bool m_painted = false;
    QPointer<QWidget> m_focusBeforeBox;
    QWidget* m_announcer;
    DrawnPixelPointer m_pointer;
};

} // namespace platform
