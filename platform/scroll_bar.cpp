#include "platform/controls.h"
#include "platform/form.h"
#include "platform/widgets/control_accessibles.h"
#include "platform/widgets/desktop_scroll_bar.h"

namespace platform {

HScrollBar::HScrollBar(Form& form, const ControlDesign& design, QWidget* parent)
    : Control(form, design)
{
    auto* bar = new DesktopScrollBar(Qt::Horizontal, parent);
    bar->setRange(design.range.min, design.range.max);
    bar->setSingleStep(design.range.smallChange);
    bar->setPageStep(design.range.largeChange);
    bar->setValue(design.range.value);
    if (design.accessibleValueFrom != 0)
        setAccessibleValueFrom(bar, design.accessibleValueFrom);
    // Change comes when a drag of the thumb ends, not at every pixel on the way.
    bar->setTracking(false);
    // Qt's scroll bars take no focus of their own; the player tabs to this one and uses keys.
    attach(bar, Backing::Window);
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this] { raiseChange(); });
}

std::int16_t HScrollBar::value() const
{
    noteAccess("Value", Read);
    return static_cast<std::int16_t>(widgetAs<QScrollBar>()->value());
}

void HScrollBar::setValue(std::int16_t value)
{
    noteAccess("Value", Write);
    widgetAs<QScrollBar>()->setValue(value);
}

std::int16_t HScrollBar::min() const
{
    noteAccess("Min", Read);
    return static_cast<std::int16_t>(widgetAs<QScrollBar>()->minimum());
}

std::int16_t HScrollBar::max() const
{
    noteAccess("Max", Read);
    return static_cast<std::int16_t>(widgetAs<QScrollBar>()->maximum());
}

std::int16_t HScrollBar::smallChange() const
{
    noteAccess("SmallChange", Read);
    return static_cast<std::int16_t>(widgetAs<QScrollBar>()->singleStep());
}

std::int16_t HScrollBar::largeChange() const
{
    noteAccess("LargeChange", Read);
    return static_cast<std::int16_t>(widgetAs<QScrollBar>()->pageStep());
}

void HScrollBar::raiseChange() { form().raise(onChange); }

} // namespace platform
