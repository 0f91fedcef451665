#include "platform/controls.h"
#include "platform/qt/widget_controls.h"
#include "utf8/qt_string.h"

#include <QKeyEvent>
#include <QPushButton>

namespace platform {
namespace {

// Space presses a focused Qt button already; Enter does so only in dialogs, and here it
// should as well.
class PushButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            event->modifiers() == Qt::NoModifier) {
            event->accept();
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

class ButtonWidget final : public WidgetControl {
public:
    ButtonWidget(CommandButton& control, const ControlDesign& design, QWidget* parent)
        : WidgetControl(new PushButton(utf8::toQString(design.text), parent), Backing::Window,
                        design)
    {
        button()->setAutoDefault(false);
        QObject::connect(button(), &QPushButton::clicked, button(),
                         [&control] { control.raiseClick(); });
    }

    std::string text() const override { return button()->text().toStdString(); }
    void setText(std::string_view text) override { button()->setText(utf8::toQString(text)); }

private:
    QPushButton* button() const { return widgetAs<QPushButton>(); }
};

} // namespace

std::unique_ptr<NativeControl> makeButtonWidget(CommandButton& control, const ControlDesign& design,
                                                QWidget* parent)
{
    return std::make_unique<ButtonWidget>(control, design, parent);
}

} // namespace platform
