#include "platform/controls.h"
#include "platform/widgets/accessible_role.h"
#include "platform/widgets/system_colours.h"
#include "utf8/qt_string.h"

#include <QLabel>

namespace platform {

Label::Label(Form& form, const ControlDesign& design, QWidget* parent)
    : Control(form, design)
{
    auto* label = new QLabel(parent);
    // A named label is read out when it shows, text and all: Orca says a notification as it
    // shows, and its flat review reads a label by its name. The role must come before the text,
    // whose first change makes Qt settle on its own interface for the label.
    if (!design.accessibleName.empty())
        setAccessibleRole(label, QAccessible::Notification);
    label->setText(utf8::toQString(design.text));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (design.border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    applySystemColour(label, design.background);
    attach(label, Backing::Windowless);
    if (!design.accessibleName.empty())
        label->setAccessibleName(label->text());
}

} // namespace platform
