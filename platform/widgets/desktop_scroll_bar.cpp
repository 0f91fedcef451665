#include "platform/widgets/desktop_scroll_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QTimerEvent>

namespace platform {

void DesktopScrollBar::mousePressEvent(QMouseEvent* event)
{
    const QStyle::SubControl part = partAt(event->position().toPoint());
    const bool inTrough =
        part == QStyle::SC_ScrollBarAddPage || part == QStyle::SC_ScrollBarSubPage;
    if (!inTrough || (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton)) {
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

void DesktopScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_paging == QStyle::SC_None) {
        QScrollBar::mouseMoveEvent(event);
        return;
    }
    event->accept();
    m_pointer = event->position().toPoint();
    followPointer();
}

void DesktopScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_paging == QStyle::SC_None) {
        QScrollBar::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->button() == Qt::LeftButton)
        stopPaging();
}

void DesktopScrollBar::hideEvent(QHideEvent* event)
{
    stopPaging();
    QScrollBar::hideEvent(event);
}

void DesktopScrollBar::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_repeat.timerId()) {
        QScrollBar::timerEvent(event);
        return;
    }
    m_repeat.start(kRepeatIntervalMs, this);
    triggerAction(pageAction());
}

void DesktopScrollBar::paintEvent(QPaintEvent* event)
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

void DesktopScrollBar::keyPressEvent(QKeyEvent* event)
{
    const SliderAction action = actionFor(event->key());
    if (action == SliderNoAction) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
    triggerAction(action);
}

QStyle::SubControl DesktopScrollBar::partAt(QPoint point) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, point, this);
}

QAbstractSlider::SliderAction DesktopScrollBar::pageAction() const
{
    return m_paging == QStyle::SC_ScrollBarAddPage ? SliderPageStepAdd : SliderPageStepSub;
}

void DesktopScrollBar::page()
{
    triggerAction(pageAction());
    m_repeat.start(kRepeatDelayMs, this);
    update();
}

void DesktopScrollBar::followPointer()
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

void DesktopScrollBar::stopPaging()
{
    if (m_paging == QStyle::SC_None)
        return;
    m_repeat.stop();
    m_paging = QStyle::SC_None;
    update();
}

QAbstractSlider::SliderAction DesktopScrollBar::actionFor(int key)
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

} // namespace platform
