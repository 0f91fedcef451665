#include "platform/qt/desktop_scroll_bar.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QTimerEvent>

namespace platform {

void DesktopScrollBar::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || event->buttons() != Qt::LeftButton)
        return;
    m_leftHeld = true;
    const QStyle::SubControl part = partAt(event->position().toPoint());
    if (part != QStyle::SC_ScrollBarAddPage && part != QStyle::SC_ScrollBarSubPage) {
        QScrollBar::mousePressEvent(event);
        return;
    }
    if (minimum() == maximum())
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
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_leftHeld = false;
    if (m_paging != QStyle::SC_None) {
        stopPaging();
        return;
    }
    // Qt ends an arrow's repeat or a drag only once no other button is down.
    QMouseEvent leftAlone(event->type(), event->position(), event->scenePosition(),
                          event->globalPosition(), Qt::LeftButton, Qt::NoButton, event->modifiers(),
                          event->pointingDevice());
    QScrollBar::mouseReleaseEvent(&leftAlone);
}

void DesktopScrollBar::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_leftHeld) {
        event->accept();
        return;
    }
    QScrollBar::contextMenuEvent(event);
}

void DesktopScrollBar::hideEvent(QHideEvent* event)
{
    m_leftHeld = false;
    stopPaging();
    QScrollBar::hideEvent(event);
}

void DesktopScrollBar::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_repeat.timerId()) {
        QScrollBar::timerEvent(event);
        return;
    }
    // The thumb may have reached the pointer with the last step.
    followPointer();
    if (m_pointerAway)
        return;
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
