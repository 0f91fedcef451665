#include "platform/controls.h"
#include "platform/widgets/mouse_routing.h"
#include "platform/widgets/system_colours.h"

#include <QPlainTextEdit>

namespace platform {
namespace {

// Texts keep the carriage return and line feed that end their lines; Qt breaks on the feed.
QString displayText(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

TextBox::TextBox(Form& form, const ControlDesign& design, QWidget* parent)
    : Control(form, design)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setPlainText(displayText(design.text));
    // The credits are for reading: they scroll and can be selected, not edited.
    edit->setReadOnly(true);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setFocusPolicy(Qt::StrongFocus);
    edit->setCursor(Qt::ArrowCursor);
    edit->viewport()->setCursor(Qt::ArrowCursor);
    applyBackground(edit, design.background);
    attach(edit);
    keepMouseEvents(edit);
}

std::string TextBox::text() const
{
    return static_cast<QPlainTextEdit*>(widget())->toPlainText().toStdString();
}

} // namespace platform
