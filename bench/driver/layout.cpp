#include "bench/driver/layout.h"

#include "platform/twips.h"
#include "scene/form1_design.h"

#include <stdexcept>
#include <string>

namespace bench {

QRect controlRect(std::string_view name)
{
    using platform::twipsToPixels;
    for (const platform::ControlDesign& control : scene::form1Design().controls)
        if (control.name == name)
            return {twipsToPixels(control.left), twipsToPixels(control.top),
                    twipsToPixels(control.width), twipsToPixels(control.height)};
    throw std::logic_error("no control named " + std::string(name));
}

} // namespace bench
