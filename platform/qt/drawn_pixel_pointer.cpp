#include "platform/qt/drawn_pixel_pointer.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWindow>
#include <cmath>
#include <utility>

namespace platform {
namespace {

// A copy of a mouse event at another position of the same window.
class MouseEventAt final : public QMouseEvent {
public:
    MouseEventAt(const QMouseEvent& original, QPointF position)
        : QMouseEvent(original.type(), position, position, original.globalPosition(),
                      original.button(), original.buttons(), original.modifiers(),
                      original.source(), original.pointingDevice())
    {
        // Qt delivers no press that it follows with a double-click: the copy keeps the mark.
        m_doubleClick = original.flags().testFlag(Qt::MouseEventCreatedDoubleClick);
        setTimestamp(original.timestamp());
    }
};

// The device pixel under a logical position: the window's own events come at whole device
// pixels divided by the scale, which multiplying back meets only to within rounding.
int devicePixelAt(double logical, double scale)
{
    return static_cast<int>(std::floor(logical * scale + 1.0e-6));
}

} // namespace

int logicalPixelDrawnAt(int devicePixel, double scale)
{
    // The last L with round(L × scale) <= devicePixel, that is with L × scale < devicePixel + 0.5.
    return static_cast<int>(std::ceil((devicePixel + 0.5) / scale)) - 1;
}

bool DrawnPixelPointer::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        break;
    default:
        return false;
    }
    auto* window = qobject_cast<QWindow*>(watched);
    if (!window || event == m_resent)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const double scale = window->devicePixelRatio();
    const QPointF position = mouse->position();
    const QPoint drawn(logicalPixelDrawnAt(devicePixelAt(position.x(), scale), scale),
                       logicalPixelDrawnAt(devicePixelAt(position.y(), scale), scale));
    // Qt goes by the rounded position; only where that is another pixel is there anything to do.
    if (position.toPoint() == drawn)
        return false;
    MouseEventAt moved(*mouse, QPointF(drawn));
    // A press may open a message box, whose loop brings further events here meanwhile.
    QEvent* const outer = std::exchange(m_resent, &moved);
    QCoreApplication::sendEvent(window, &moved);
    m_resent = outer;
    mouse->setAccepted(moved.isAccepted());
    return true;
}

} // namespace platform
