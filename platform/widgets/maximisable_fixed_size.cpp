#include "platform/widgets/maximisable_fixed_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace platform {

MaximisableFixedSize::MaximisableFixedSize(QWidget& window)
    : QObject(&window)
    , m_window(window)
    // "wayland", "wayland-egl" and the like.
    , m_underWayland(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
{
    if (!m_underWayland)
        return;
    refix();
    window.installEventFilter(this);
}

void MaximisableFixedSize::refix()
{
    if (m_underWayland)
        m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

bool MaximisableFixedSize::maximised() const
{
    return m_window.windowState() & Qt::WindowMaximized;
}

bool MaximisableFixedSize::eventFilter(QObject* watched, QEvent* event)
{
    // Qt reports the state before the size that came with it, so a size in any other state than
    // maximised is one the compositor offered: a resize by an edge, or full screen, which may
    // show a smaller window.
    if (watched == &m_window && event->type() == QEvent::Resize && !maximised() &&
        m_window.size() != m_window.minimumSize())
        m_window.resize(m_window.minimumSize());
    return false;
}

} // namespace platform
