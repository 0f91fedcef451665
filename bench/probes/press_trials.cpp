// Presses through XTest on the connection of the probe's own, watched from inside the game's
// process: a step at a time, polled every 5 ms, so that the game's own event loop runs as in play.
#include "bench/probes/press_trials.h"

#include "bench/common/samples.h"
#include "harness/x_connection.h"
#include "harness/x_input.h"
#include "platform/qt/qt_front_end.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

namespace bench {
namespace {

// Long enough for the paint that shows the target to be over before the pointer comes.
constexpr double kSettleMs = 120;
// Between moving the pointer and pressing, so that the move's own events are handled.
constexpr double kAimMs = 40;
// Trials of each kind before those counted, marked cold.
constexpr int kWarmUp = 3;

class PressTrials {
public:
    PressTrials(WatchedApplication& app, game::Form1& form, const RecordingServices& services,
                int presses)
        : m_app(app)
        , m_form(form)
        , m_services(services)
        , m_presses(presses)
    {
        if (!harness::hasXTest(m_pointer.display()))
            throw std::runtime_error("the X server has no XTest");
        m_poll.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
    }

    void start()
    {
        go(Step::WaitTarget);
        m_poll.start(5);
    }

    void report() const
    {
        for (const auto& [kind, fields] : m_samples)
            emitSample(*kind, fields);
        emitSample(sample::misses, {{"count", m_misses}});
    }

private:
    enum class Step {
        WaitTarget,
        AimTarget,
        WaitHitPaint,
        CloseBox,
        WaitBoxClosed,
        PauseTarget,
        WaitPaused,
        WaitQuiet,
        AimMap,
        ReleaseMap,
        WaitBoomPaint,
        Finish,
    };

    void go(Step step)
    {
        m_step = step;
        m_stepStart = Clock::now();
    }

    double sinceStep(Clock::time_point now) const
    {
        return harness::millisecondsBetween(m_stepStart, now);
    }

    static QPoint centreOf(const platform::Control& control)
    {
        const QWidget* widget = platform::qt::widgetOf(control);
        return widget->mapToGlobal(widget->rect().center());
    }

    // The message box the game shows, if one is open.
    static QMessageBox* openBox()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                return box;
        return nullptr;
    }

    void poll()
    {
        const Clock::time_point now = Clock::now();
        switch (m_step) {
        case Step::WaitTarget: {
            if (m_hitTrials >= m_presses + kWarmUp) {
                go(Step::PauseTarget);
                return;
            }
            if (!m_form.Despot.visible() || m_form.Deboom.visible() || openBox()) {
                m_targetAt = QPoint(-1, -1);
                return;
            }
            const QPoint at = platform::qt::widgetOf(m_form.Despot)->pos();
            if (at != m_targetAt) {
                m_targetAt = at;
                m_stepStart = now;
            }
            if (sinceStep(now) >= kSettleMs) {
                harness::movePointer(m_pointer.display(), centreOf(m_form.Despot));
                go(Step::AimTarget);
            }
            return;
        }
        case Step::AimTarget:
            if (sinceStep(now) < kAimMs)
                return;
            if (!m_form.Despot.visible() ||
                platform::qt::widgetOf(m_form.Despot)->pos() != m_targetAt) {
                go(Step::WaitTarget);
                return;
            }
            m_app.arm(platform::qt::widgetOf(m_form.Deboom));
            m_sent = Clock::now();
            harness::pressButton(m_pointer.display());
            go(Step::WaitHitPaint);
            return;
        case Step::WaitHitPaint:
            if (const auto painted = m_app.paintEnded(); painted && m_app.pressArrived()) {
                harness::releaseButton(m_pointer.display());
                m_app.disarm();
                m_samples.push_back(
                    {&sample::hit,
                     {{"cold", m_hitTrials++ < kWarmUp},
                      {"from_arrival_ms",
                       harness::millisecondsBetween(*m_app.pressArrived(), *painted)},
                      {"from_send_ms", harness::millisecondsBetween(m_sent, *painted)}}});
                go(Step::CloseBox);
            } else if (sinceStep(now) > 1000) {
                harness::releaseButton(m_pointer.display());
                m_app.disarm();
                ++m_misses;
                go(openBox() ? Step::CloseBox : Step::WaitTarget);
            }
            return;
        case Step::CloseBox:
            if (sinceStep(now) >= 30) {
                if (QMessageBox* box = openBox())
                    box->done(QMessageBox::Ok);
                go(Step::WaitBoxClosed);
            }
            return;
        case Step::WaitBoxClosed:
            if (!openBox() && !m_form.Deboom.visible())
                go(Step::WaitTarget);
            return;
        case Step::PauseTarget:
            // The instructions panel pauses the target, so that no press lands on it.
            harness::movePointer(m_pointer.display(), centreOf(m_form.Instructions));
            harness::clickButton(m_pointer.display());
            go(Step::WaitPaused);
            return;
        case Step::WaitPaused:
            if (sinceStep(now) >= 800 && m_form.Inst.visible() && !m_form.Despot.visible())
                go(Step::WaitQuiet);
            else if (sinceStep(now) > 3000)
                go(Step::PauseTarget);
            return;
        case Step::WaitQuiet: {
            if (m_mapTrials >= m_presses + kWarmUp) {
                go(Step::Finish);
                return;
            }
            if (m_form.boomtime.enabled() || sinceStep(now) < 100)
                return;
            // Bare map left of the instructions panel, between the buttons and the check box, far
            // enough in that the explosion centred on the press stays clear of them too.
            const QSize half = platform::qt::widgetOf(m_form.boom1)->size() / 2;
            const QRect bare =
                QRect(QPoint(0, platform::qt::widgetOf(m_form.Instructions)->geometry().bottom()),
                      QPoint(platform::qt::widgetOf(m_form.Inst)->x(),
                             platform::qt::widgetOf(m_form.civcheck)->y()))
                    .adjusted(half.width(), half.height(), -half.width(), -half.height());
            std::uniform_int_distribution<int> across(bare.left(), bare.right());
            std::uniform_int_distribution<int> down(bare.top(), bare.bottom());
            const QPoint at(across(m_chance), down(m_chance));
            harness::movePointer(m_pointer.display(),
                                 platform::qt::widgetOf(m_form.Iraq)->mapToGlobal(at));
            go(Step::AimMap);
            return;
        }
        case Step::AimMap:
            if (sinceStep(now) < kAimMs)
                return;
            m_app.arm(platform::qt::widgetOf(m_form.boom1));
            m_sent = Clock::now();
            harness::pressButton(m_pointer.display());
            go(Step::ReleaseMap);
            return;
        case Step::ReleaseMap:
            if (sinceStep(now) >= 20) {
                harness::releaseButton(m_pointer.display());
                go(Step::WaitBoomPaint);
            }
            return;
        case Step::WaitBoomPaint: {
            const auto painted = m_app.paintEnded();
            const auto arrived = m_app.pressArrived();
            const auto& ticks = m_services.log("boomtime").ticks;
            if (painted && arrived && m_app.pressHandled() && !ticks.empty() &&
                ticks.back().arrived > *arrived) {
                m_app.disarm();
                m_samples.push_back(
                    {&sample::boom,
                     {{"cold", m_mapTrials++ < kWarmUp},
                      {"handled_ms", harness::millisecondsBetween(*arrived, *m_app.pressHandled())},
                      {"from_tick_ms",
                       harness::millisecondsBetween(ticks.back().arrived, *painted)},
                      {"from_press_ms", harness::millisecondsBetween(*arrived, *painted)}}});
                go(Step::WaitQuiet);
            } else if (sinceStep(now) > 2000) {
                m_app.disarm();
                ++m_misses;
                go(Step::WaitQuiet);
            }
            return;
        }
        case Step::Finish:
            m_poll.stop();
            platform::qt::windowOf(m_form)->close();
            return;
        }
    }

    WatchedApplication& m_app;
    game::Form1& m_form;
    const RecordingServices& m_services;
    // The player's mouse: XTest on a connection of the probe's own to the display Qt uses.
    harness::XConnection m_pointer;
    QTimer m_poll;
    std::mt19937 m_chance{11};
    const int m_presses;

    Step m_step = Step::WaitTarget;
    Clock::time_point m_stepStart;
    Clock::time_point m_sent;
    QPoint m_targetAt;
    int m_hitTrials = 0;
    int m_mapTrials = 0;
    int m_misses = 0;

    // Kept until the end, so that printing costs the trials nothing.
    std::vector<std::pair<const SampleKind*, SampleFields>> m_samples;
};

} // namespace

int pressThroughX(WatchedApplication& app, game::Form1& form, const RecordingServices& services,
                  int presses)
{
    PressTrials trials(app, form, services, presses);
    QTimer::singleShot(500, platform::qt::windowOf(form), [&] { trials.start(); });
    bool timedOut = false;
    QTimer::singleShot(600'000, platform::qt::windowOf(form), [&] {
        timedOut = true;
        platform::qt::windowOf(form)->close();
    });
    const int status = platform::run(form);
    trials.report();
    if (timedOut)
        std::fprintf(stderr, "the press trials did not finish in time\n");
    return timedOut ? 1 : status;
}

} // namespace bench
