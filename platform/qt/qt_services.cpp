#include "platform/qt/qt_services.h"

#include "platform/qt/message_box.h"
#include "utf8/qt_string.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace platform {
namespace {

class QtTimer final : public TimerBackend {
public:
    explicit QtTimer(std::function<void()> onTick)
    {
        // Qt's default coarse timers may shift a tick by up to 5 % of its interval.
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(onTick));
    }
    void start(int intervalMs) override { m_timer.start(intervalMs); }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

// Keeps a message box modal to its owner window as the runtime's boxes are: the events of the
// player's input to the window are held back while the box is open, but the window can still be
// closed, and closing it ends the box. Qt's own modality would refuse the window manager's close
// request. A screen reader's actions are calls, not events: the form refuses those itself.
class BoxGuard final : public QObject {
public:
    BoxGuard(QWidget* owner, QMessageBox& box)
        : m_owner(owner)
        , m_box(box)
    {
        qApp->installEventFilter(this);
    }
    ~BoxGuard() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_owner || !watched->isWidgetType())
            return false;
        if (watched == m_owner && event->type() == QEvent::Close) {
            m_box.done(QMessageBox::Ok);
            return false;
        }
        return isInput(event->type()) && static_cast<QWidget*>(watched)->window() == m_owner;
    }

private:
    static bool isInput(QEvent::Type type)
    {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
        }
    }

    QPointer<QWidget> m_owner;
    QMessageBox& m_box;
};

} // namespace

std::unique_ptr<TimerBackend> QtServices::createTimer(std::function<void()> onTick)
{
    return std::make_unique<QtTimer>(std::move(onTick));
}

void QtServices::showMessage(std::string_view text, std::string_view title)
{
    // What the handler changed before its box (a picture it showed) is painted now: building and
    // showing the box takes far longer than that paint, which would otherwise wait for it.
    if (m_owner)
        QCoreApplication::sendPostedEvents(m_owner, QEvent::UpdateRequest);
    MessageBox box(utf8::toQString(title), utf8::toQString(text), m_owner);
    box.setWindowModality(Qt::NonModal);
    BoxGuard guard(m_owner, box);
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    box.show();
    box.activateWindow();
    // Timers go on ticking in this loop.
    loop.exec();
}

} // namespace platform
