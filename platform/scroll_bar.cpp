#include "platform/controls.h"
#include "platform/form.h"
#include "platform/front_end.h"

#include <algorithm>

namespace platform {

HScrollBar::HScrollBar(Form& form, const ControlDesign& design)
    : Control(form, design)
    , m_range(design.range)
{
}

std::int16_t HScrollBar::value() const
{
    noteAccess("Value", Read);
    return native().value();
}

void HScrollBar::setValue(std::int16_t value)
{
    noteAccess("Value", Write);
    native().setValue(std::clamp(value, m_range.min, m_range.max));
}

std::int16_t HScrollBar::min() const
{
    noteAccess("Min", Read);
    return m_range.min;
}

std::int16_t HScrollBar::max() const
{
    noteAccess("Max", Read);
    return m_range.max;
}

std::int16_t HScrollBar::smallChange() const
{
    noteAccess("SmallChange", Read);
    return m_range.smallChange;
}

std::int16_t HScrollBar::largeChange() const
{
    noteAccess("LargeChange", Read);
    return m_range.largeChange;
}

void HScrollBar::raiseChange() { form().raise(onChange); }

} // namespace platform
