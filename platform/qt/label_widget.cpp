#include "platform/qt/accessible_role.h"
#include "platform/qt/system_colours.h"
#include "platform/qt/widget_controls.h"
#include "utf8/qt_string.h"

#include <QLabel>

namespace platform {
namespace {

// A named label is read out when it shows, text and all: Orca says a notification as it shows,
// and its flat review reads a label by its name. The role must come before the text, whose
// first change makes Qt settle on its own interface for the label.
QLabel* makeLabel(const ControlDesign& design, QWidget* parent)
{
    auto* label = new QLabel(parent);
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
    return label;
}

} // namespace

std::unique_ptr<NativeControl> makeLabelWidget(const ControlDesign& design, QWidget* parent)
{
    QLabel* label = makeLabel(design, parent);
    auto native =
        std::make_unique<WidgetControl>(label, WidgetControl::Backing::Windowless, design);
    if (!design.accessibleName.empty())
        label->setAccessibleName(label->text());
    return native;
}

} // namespace platform
