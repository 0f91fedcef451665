// The bench's start marks: each point's moment on the monotonic clock, which the driver's
// steady clock shares, and the first expose, paint and flush of a window seen from the event
// loop. They are printed once the first frame is out, so that printing costs the start nothing,
// with the process's id, which the profile's report picks its samples by.
#include "app/start_marks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

struct Mark {
    const char* point;
    std::chrono::steady_clock::time_point at;
};

std::vector<Mark>& marks()
{
    static std::vector<Mark> noted = [] {
        std::vector<Mark> reserved;
        reserved.reserve(32);
        return reserved;
    }();
    return noted;
}

void note(const char* point) { marks().push_back({point, std::chrono::steady_clock::now()}); }

void print()
{
    std::printf("pid %ld\n", static_cast<long>(getpid()));
    for (const Mark& mark : marks())
        std::printf("mark.%s %lld\n", mark.point,
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                               mark.at.time_since_epoch())
                                               .count()));
    std::fflush(stdout);
}

// Sees the first expose of a top-level window and its first paint; a call queued then runs
// once that event's painting and flushing are over.
class FirstFrameWatch final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (!m_exposed && type == QEvent::Expose && qobject_cast<QWindow*>(watched)) {
            m_exposed = true;
            note(startPoint::expose);
            QTimer::singleShot(0, this, [] {
                note(startPoint::flushed);
                print();
            });
        } else if (m_exposed && !m_painted && type == QEvent::Paint) {
            m_painted = true;
            note(startPoint::paint);
        }
        return false;
    }

private:
    bool m_exposed = false;
    bool m_painted = false;
};

} // namespace

void blastmapStartMark(const char* point)
{
    note(point);
    // The application exists from this point on: watch its events for the first frame.
    if (std::string_view(point) == startPoint::application)
        QCoreApplication::instance()->installEventFilter(new FirstFrameWatch);
}
