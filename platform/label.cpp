#include "platform/controls.h"
#include "platform/widgets/qt_string.h"
#include "platform/widgets/system_colours.h"

#include <QLabel>

namespace platform {

Label::Label(Form& form, const ControlDesign& design, QWidget* parent)
    : Control(form, design)
{
    auto* label = new QLabel(toQString(design.text), parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (design.border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    applySystemColour(label, design.background);
    // A named label still has its text read out, as the description.
    if (!design.accessibleName.empty())
        label->setAccessibleDescription(label->text());
    attach(label, Backing::Windowless);
}

} // namespace platform
