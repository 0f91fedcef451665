#include "platform/controls.h"
#include "platform/form.h"

namespace platform {

Image::Image(Form& form, const ControlDesign& design)
    : Control(form, design)
{
}

void Image::raiseMouseDown(std::int16_t button, std::int16_t shift, float x, float y)
{
    form().raise(onMouseDown, button, shift, x, y);
}

void Image::raiseClick() { form().raise(onClick); }

} // namespace platform
