#include "platform/controls.h"
#include "platform/qt/control_accessibles.h"
#include "platform/qt/desktop_scroll_bar.h"
#include "platform/qt/widget_controls.h"

namespace platform {
namespace {

class ScrollBarWidget final : public WidgetControl {
public:
    ScrollBarWidget(HScrollBar& control, const ControlDesign& design, QWidget* parent)
        : WidgetControl(makeBar(design, parent), Backing::Window, design)
    {
        QObject::connect(bar(), &QScrollBar::valueChanged, bar(),
                         [&control] { control.raiseChange(); });
    }

    std::int16_t value() const override { return static_cast<std::int16_t>(bar()->value()); }
    void setValue(std::int16_t value) override { bar()->setValue(value); }

private:
    // Set up before the window takes it: Qt's scroll bars take no focus of their own, and the
    // player tabs to this one and uses keys.
    static QScrollBar* makeBar(const ControlDesign& design, QWidget* parent)
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
        return bar;
    }

    QScrollBar* bar() const { return widgetAs<QScrollBar>(); }
};

} // namespace

std::unique_ptr<NativeControl> makeScrollBarWidget(HScrollBar& control, const ControlDesign& design,
                                                   QWidget* parent)
{
    return std::make_unique<ScrollBarWidget>(control, design, parent);
}

} // namespace platform
