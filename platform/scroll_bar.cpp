#include "platform/controls.h"
#include "platform/form.h"
#include "platform/widgets/mouse_routing.h"

#include <QScrollBar>

namespace platform {

HScrollBar::HScrollBar(Form& form, const ControlDesign& design, QWidget* parent)
    : Control(form, design)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(design.range.min, design.range.max);
    bar->setSingleStep(design.range.smallChange);
    bar->setPageStep(design.range.largeChange);
    bar->setValue(design.range.value);
    // Change comes when a drag of the thumb ends, not at every pixel on the way.
    bar->setTracking(false);
    // Qt's scroll bars take no focus of their own; the player tabs to this one and uses keys.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setCursor(Qt::ArrowCursor);
    attach(bar);
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this] { raiseChange(); });
    keepMouseEvents(bar);
}

static QScrollBar* scrollBar(QWidget* widget) { return static_cast<QScrollBar*>(widget); }

std::int16_t HScrollBar::value() const
{
    return static_cast<std::int16_t>(scrollBar(widget())->value());
}

void HScrollBar::setValue(std::int16_t value) { scrollBar(widget())->setValue(value); }

std::int16_t HScrollBar::min() const
{
    return static_cast<std::int16_t>(scrollBar(widget())->minimum());
}

std::int16_t HScrollBar::max() const
{
    return static_cast<std::int16_t>(scrollBar(widget())->maximum());
}

std::int16_t HScrollBar::smallChange() const
{
    return static_cast<std::int16_t>(scrollBar(widget())->singleStep());
}

std::int16_t HScrollBar::largeChange() const
{
    return static_cast<std::int16_t>(scrollBar(widget())->pageStep());
}

void HScrollBar::raiseChange()
{
    form().dispatch([&] {
        if (onChange)
            onChange();
    });
}

} // namespace platform
