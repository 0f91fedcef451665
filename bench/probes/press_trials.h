// The press-to-paint trials on the real game: presses on the shown target until its hit
// picture is painted, then presses on bare map until the explosion's first picture is.
#pragma once

#include "bench/probes/recording_services.h"
#include "bench/probes/watched_application.h"
#include "game/form1.h"
#include "harness/x_connection.h"

#include <QTimer>
#include <random>

namespace bench {

class PressTrials {
public:
    PressTrials(WatchedApplication& app, game::Form1& form, const RecordingServices& services,
                int presses, int warmUp);

    void start();
    void report() const;

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

    void poll();
    void pollTarget(Clock::time_point now);
    void pollMap(Clock::time_point now);
    void go(Step step);
    double sinceStep(Clock::time_point now) const;
    bool boxOpen() const;
    void closeBox() const;
    QPoint centreOf(const platform::Control& control) const;

    WatchedApplication& m_app;
    game::Form1& m_form;
    const RecordingServices& m_services;
    // The player's mouse: XTest on a connection of the probe's own to the display Qt uses.
    harness::XConnection m_pointer;
    QTimer m_poll;
    std::mt19937 m_chance{11};
    const int m_presses;
    const int m_warmUp;

    Step m_step = Step::WaitTarget;
    Clock::time_point m_stepStart;
    Clock::time_point m_sent;
    QPoint m_targetAt;
    int m_hitTrials = 0;
    int m_mapTrials = 0;
    int m_misses = 0;

    std::vector<double> m_hitFromArrival;
    std::vector<double> m_hitFromSend;
    std::vector<double> m_coldHit;
    std::vector<double> m_mapHandled;
    std::vector<double> m_boomFromTick;
    std::vector<double> m_boomFromPress;
};

} // namespace bench
