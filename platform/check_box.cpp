#include "platform/controls.h"
#include "platform/form.h"
#include "platform/front_end.h"
#include "platform/runtime_error.h"

namespace platform {

CheckBox::CheckBox(Form& form, const ControlDesign& design)
    : Control(form, design)
{
}

std::int16_t CheckBox::value() const
{
    noteAccess("Value", Read);
    return native().value();
}

void CheckBox::setValue(std::int16_t value)
{
    noteAccess("Value", Write);
    // Unchecked, checked and greyed are all a check box has.
    if (value < 0 || value > 2)
        throw invalidPropertyValueError();
    // A change raises Click through the native control, as a player's click does.
    native().setValue(value);
}

void CheckBox::raiseClick() { form().raise(onClick); }

} // namespace platform
