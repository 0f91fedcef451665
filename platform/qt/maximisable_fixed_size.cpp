#include "platform/qt/maximisable_fixed_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace platform {

MaximisableFixedSize::MaximisableFixedSize(QWidget& window)
    : QObject(&window)
    , m_window(window)
    // "wayland", "wayland-egl" and the like.
    , m_underWayland(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
{
    if (m_underWayland)
        window.installEventFilter(this);
}

void MaximisableFixedSize::refix()
{
    if (m_underWayland && qtDrawsTheFrame())
        m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

bool MaximisableFixedSize::qtDrawsTheFrame() const
{
    // Qt knows whose frame it is once the window exists: its own has margins.
    const QWindow* window = m_window.windowHandle();
    return window && !window->frameMargins().isNull();
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
    // Qt makes its frame as the window is first exposed, after it shows: the first paint is
    // the first moment sure to know whose frame it is.
    if (watched == &m_window && !m_checkedFrame && event->type() == QEvent::Paint) {
        m_checkedFrame = true;
        refix();
    }
    if (watched == &m_window && event->type() == QEvent::Resize && !maximised() &&
        m_window.size() != m_window.minimumSize())
        m_window.resize(m_window.minimumSize());
    return false;
}

} // namespace platform
