#include "platform/controls.h"
#include "platform/form.h"
#include "platform/front_end.h"

namespace platform {

CommandButton::CommandButton(Form& form, const ControlDesign& design)
    : Control(form, design)
{
}

std::string CommandButton::caption() const
{
    noteAccess("Caption", ReadText);
    return native().text();
}

void CommandButton::setCaption(std::string_view caption)
{
    noteAccess("Caption", Write);
    native().setText(caption);
}

void CommandButton::raiseClick() { form().raise(onClick); }

} // namespace platform
