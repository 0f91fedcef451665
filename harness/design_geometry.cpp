// Converts a design's twips to pixels the way the forms runtime places its window and controls.
#include "harness/design_geometry.h"

#include "platform/twips.h"

namespace harness {

using platform::twipsToPixels;

QSize clientSize(const platform::FormDesign& form)
{
    return {twipsToPixels(form.clientWidth), twipsToPixels(form.clientHeight)};
}

QRect pixelRect(const platform::ControlDesign& control)
{
    return {twipsToPixels(control.left), twipsToPixels(control.top), twipsToPixels(control.width),
            twipsToPixels(control.height)};
}

QRect controlRect(const platform::FormDesign& form, std::string_view name)
{
    return pixelRect(form.control(name));
}

} // namespace harness
