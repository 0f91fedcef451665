#include "platform/design.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace platform {

const ControlDesign& FormDesign::control(std::string_view name) const
{
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [name](const ControlDesign& row) { return row.name == name; });
    if (found == controls.end())
        throw std::logic_error("the design has no control named " + std::string(name));
    return *found;
}

} // namespace platform
