#include "platform/controls.h"
#include "platform/front_end.h"

namespace platform {

TextBox::TextBox(Form& form, const ControlDesign& design)
    : Control(form, design)
{
}

std::string TextBox::text() const
{
    noteAccess("Text", ReadText);
    return native().text();
}

} // namespace platform
