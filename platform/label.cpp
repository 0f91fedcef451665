#include "platform/controls.h"

namespace platform {

Label::Label(Form& form, const ControlDesign& design)
    : Control(form, design)
{
}

} // namespace platform
