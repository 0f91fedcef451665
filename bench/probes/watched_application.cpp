#include "bench/probes/watched_application.h"

#include <QEvent>
#include <QWidget>

namespace bench {

void WatchedApplication::arm(QWidget* painted)
{
    m_painted = painted;
    m_sawPaint = false;
    m_pressArrived.reset();
    m_pressHandled.reset();
    m_paintEnded.reset();
}

bool WatchedApplication::notify(QObject* receiver, QEvent* event)
{
    const QEvent::Type type = event->type();
    // The first delivery of a press is to the window; the widget's own comes inside it.
    const bool press = type == QEvent::MouseButtonPress && m_painted && !m_pressArrived;
    if (press)
        m_pressArrived = Clock::now();
    // A window paints its widgets and flushes them while it handles an update request, or an
    // expose when it first shows.
    const bool update = type == QEvent::UpdateRequest || type == QEvent::Expose;
    const bool sawBefore = m_sawPaint;
    if (type == QEvent::Paint && m_painted && receiver == m_painted)
        m_sawPaint = true;
    m_updateDepth += update;

    const bool result = QApplication::notify(receiver, event);

    m_updateDepth -= update;
    if (press)
        m_pressHandled = Clock::now();
    const bool ended = update || (type == QEvent::Paint && m_updateDepth == 0);
    if (ended && !sawBefore && m_sawPaint && !m_paintEnded)
        m_paintEnded = Clock::now();
    return result;
}

} // namespace bench
