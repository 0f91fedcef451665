#include "platform/controls.h"
#include "platform/qt/system_colours.h"
#include "platform/qt/widget_controls.h"
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
    }
    return Qt::PartiallyChecked;
}

class CheckBoxWidget final : public WidgetControl {
public:
    CheckBoxWidget(CheckBox& control, const ControlDesign& design, QWidget* parent)
        : WidgetControl(new TwoStateCheckBox(utf8::toQString(design.text), parent), Backing::Window,
                        design)
    {
        applySystemColour(box(), design.background);
        box()->setCheckState(toCheckState(design.checkValue));
        // Click follows every change of the value, whichever way it came: the mouse, Space, a
        // screen reader's Toggle (which changes the state without a click) or the program's
        // code.
        QObject::connect(box(), &QCheckBox::stateChanged, box(),
                         [&control] { control.raiseClick(); });
    }

    std::int16_t value() const override
    {
        switch (box()->checkState()) {
        case Qt::Unchecked:
            return 0;
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            break;
        }
        return 2;
    }

    void setValue(std::int16_t value) override { box()->setCheckState(toCheckState(value)); }

private:
    QCheckBox* box() const { return widgetAs<QCheckBox>(); }
};

} // namespace

std::unique_ptr<NativeControl> makeCheckBoxWidget(CheckBox& control, const ControlDesign& design,
                                                  QWidget* parent)
{
    return std::make_unique<CheckBoxWidget>(control, design, parent);
}

} // namespace platform
