#include "platform/controls.h"
#include "platform/form.h"
#include "platform/widgets/mouse_routing.h"

#include <QBasicTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimerEvent>

namespace platform {
namespace {

// The keys of a desktop scroll bar: arrows by the small change, Page Up and Page Down by the
// large one (Page Down to the right), Home and End to the ends. Qt maps Page Up to the right.
//
// A left press in the trough takes one large step towards the pointer and repeats while held;
// no press there makes the thumb jump to the pointer. Qt leaves that to the style (a left or
// middle click jumps where the style's hints say so), so the bar pages itself: a style still
// draws it, but decides nothing about a press in the trough. Presses on the arrows and the thumb
// stay Qt's.
class ScrollBar final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        const QStyle::SubControl part = partAt(event->position().toPoint());
        const bool inTrough =
            part == QStyle::SC_ScrollBarAddPage || part == QStyle::SC_ScrollBarSubPage;
        if (!inTrough ||
            (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton)) {
            QScrollBar::mousePressEvent(event);
            return;
        }
        event->accept();
        // Only a left press on its own pages, as on the arrows; a middle one does nothing here.
        if (event->button() != Qt::LeftButton || event->buttons() != Qt::LeftButton ||
            minimum() == maximum())
            return;
        m_paging = part;
        m_pointer = event->position().toPoint();
        m_pointerAway = false;
        page();
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (m_paging == QStyle::SC_None) {
            QScrollBar::mouseMoveEvent(event);
            return;
        }
        event->accept();
        m_pointer = event->position().toPoint();
        followPointer();
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (m_paging == QStyle::SC_None) {
            QScrollBar::mouseReleaseEvent(event);
            return;
        }
        event->accept();
        if (event->button() == Qt::LeftButton)
            stopPaging();
    }

    void hideEvent(QHideEvent* event) override
    {
        stopPaging();
        QScrollBar::hideEvent(event);
    }

    // The repeat runs on a timer of the bar's own: Qt's slider repeat asks the style whether to
    // stop at a press position that only Qt's own press handling records.
    void timerEvent(QTimerEvent* event) override
    {
        if (event->timerId() != m_repeat.timerId()) {
            QScrollBar::timerEvent(event);
            return;
        }
        m_repeat.start(kRepeatIntervalMs, this);
        triggerAction(pageAction());
    }

    // As Qt draws the bar, with the trough's pressed part shown sunk while it pages.
    void paintEvent(QPaintEvent* event) override
    {
        if (m_paging == QStyle::SC_None) {
            QScrollBar::paintEvent(event);
            return;
        }
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.subControls = QStyle::SC_All;
        option.activeSubControls = m_paging;
        if (!m_pointerAway)
            option.state |= QStyle::State_Sunken;
        QPainter painter(this);
        style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const SliderAction action = actionFor(event->key());
        if (action == SliderNoAction) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        event->accept();
        triggerAction(action);
    }

private:
    QStyle::SubControl partAt(QPoint point) const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, point, this);
    }

    SliderAction pageAction() const
    {
        return m_paging == QStyle::SC_ScrollBarAddPage ? SliderPageStepAdd : SliderPageStepSub;
    }

    // One large step now, and more after a delay while the press is held.
    void page()
    {
        triggerAction(pageAction());
        m_repeat.start(kRepeatDelayMs, this);
        update();
    }

    // Pauses the repeat while the pointer is off the pressed part of the trough, and takes it
    // up again when the pointer comes back, as Qt does for the arrows.
    void followPointer()
    {
        const bool away = partAt(m_pointer) != m_paging;
        if (away == m_pointerAway)
            return;
        m_pointerAway = away;
        if (away) {
            m_repeat.stop();
            update();
        } else {
            page();
        }
    }

    void stopPaging()
    {
        if (m_paging == QStyle::SC_None)
            return;
        m_repeat.stop();
        m_paging = QStyle::SC_None;
        update();
    }

    static SliderAction actionFor(int key)
    {
        switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            return SliderSingleStepSub;
        case Qt::Key_Right:
        case Qt::Key_Down:
            return SliderSingleStepAdd;
        case Qt::Key_PageUp:
            return SliderPageStepSub;
        case Qt::Key_PageDown:
            return SliderPageStepAdd;
        case Qt::Key_Home:
            return SliderToMinimum;
        case Qt::Key_End:
            return SliderToMaximum;
        default:
            return SliderNoAction;
        }
    }

    // The delays of Qt's own scroll bars.
    static constexpr int kRepeatDelayMs = 500;
    static constexpr int kRepeatIntervalMs = 50;

    QStyle::SubControl m_paging = QStyle::SC_None; // the part of the trough held pressed
    QPoint m_pointer;
    bool m_pointerAway = false;
    QBasicTimer m_repeat;
};

} // namespace

HScrollBar::HScrollBar(Form& form, const ControlDesign& design, QWidget* parent)
    : Control(form, design)
{
    auto* bar = new ScrollBar(Qt::Horizontal, parent);
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
