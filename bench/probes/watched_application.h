// A QApplication that notes when a mouse press arrives and when the paint that first shows a
// chosen widget has ended, by watching the events it delivers; the game is left as it is.
#pragma once

#include "bench/probes/recording_services.h"

#include <QApplication>
#include <optional>

namespace bench {

class WatchedApplication final : public QApplication {
public:
    using QApplication::QApplication;

    // Starts watching for the next press and for the next paint of the widget.
    void arm(QWidget* painted);
    void disarm() { m_painted = nullptr; }

    // When the next press reached the application, and when its delivery had ended.
    std::optional<Clock::time_point> pressArrived() const { return m_pressArrived; }
    std::optional<Clock::time_point> pressHandled() const { return m_pressHandled; }
    // When the paint that drew the widget had ended, its flush handed to the X server.
    std::optional<Clock::time_point> paintEnded() const { return m_paintEnded; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QWidget* m_painted = nullptr;
    bool m_sawPaint = false;
    int m_updateDepth = 0;
    std::optional<Clock::time_point> m_pressArrived;
    std::optional<Clock::time_point> m_pressHandled;
    std::optional<Clock::time_point> m_paintEnded;
};

} // namespace bench
