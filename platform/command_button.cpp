#include "platform/controls.h"
#include "platform/form.h"
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

} // namespace

CommandButton::CommandButton(Form& form, const ControlDesign& design, QWidget* parent)
    : Control(form, design)
{
    auto* button = new PushButton(utf8::toQString(design.text), parent);
    button->setAutoDefault(false);
    attach(button, Backing::Window);
    QObject::connect(button, &QPushButton::clicked, button, [this] { raiseClick(); });
}

std::string CommandButton::caption() const
{
    noteAccess("Caption", ReadText);
    return widgetAs<QPushButton>()->text().toStdString();
}

void CommandButton::setCaption(std::string_view caption)
{
    noteAccess("Caption", Write);
    widgetAs<QPushButton>()->setText(utf8::toQString(caption));
}

void CommandButton::raiseClick() { form().raise(onClick); }

} // namespace platform
