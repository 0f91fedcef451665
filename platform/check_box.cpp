#include "platform/controls.h"
#include "platform/form.h"
#include "platform/runtime_error.h"
#include "platform/widgets/system_colours.h"
#include "utf8/qt_string.h"

#include <QCheckBox>

namespace platform {
namespace {

// A player's click gives only checked or unchecked; a greyed box becomes unchecked, as a
// two-state box does on the desktop.
class TwoStateCheckBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override
    {
        const Qt::CheckState next = checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked;
        setTristate(false);
        setCheckState(next);
    }
};

Qt::CheckState toCheckState(std::int16_t value)
{
    switch (value) {
    case 0:
        return Qt::Unchecked;
    case 1:
        return Qt::Checked;
    case 2:
        return Qt::PartiallyChecked;
    }
    throw invalidPropertyValueError();
}

} // namespace

CheckBox::CheckBox(Form& form, const ControlDesign& design, QWidget* parent)
    : Control(form, design)
{
    auto* box = new TwoStateCheckBox(utf8::toQString(design.text), parent);
    applySystemColour(box, design.background);
    attach(box, Backing::Window);
    box->setCheckState(toCheckState(design.checkValue));
    // Click follows every change of the value, whichever way it came: the mouse, Space, a
    // screen reader's Toggle (which changes the state without a click) or the program's code.
    QObject::connect(box, &QCheckBox::stateChanged, box, [this] { raiseClick(); });
}

std::int16_t CheckBox::value() const
{
    noteAccess("Value", Read);
    switch (widgetAs<QCheckBox>()->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        break;
    }
    return 2;
}

void CheckBox::setValue(std::int16_t value)
{
    noteAccess("Value", Write);
    // A change raises Click through the state change, as a player's click does.
    widgetAs<QCheckBox>()->setCheckState(toCheckState(value));
}

void CheckBox::raiseClick() { form().raise(onClick); }

} // namespace platform
