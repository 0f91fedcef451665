// The press-to-paint trials on the real game: presses on the shown target until its hit
// picture is painted, then presses on bare map until the explosion's first picture is.
#pragma once

#include "bench/probes/recording_services.h"
#include "bench/probes/watched_application.h"
#include "game/form1.h"
#include "harness/x_connection.h"

#include <QJsonObject>
#include <QTimer>
#include <random>
#include <vector>

namespace bench {

class PressTrials {
public:
    PressTrials(WatchedApplication& app, game::Form1& form, const RecordingServices& services,
                int presses, int warmUp);

    void start();
    // Emits a sample a trial: "hit" (from the press's arrival and from its sending to the paint
    // of the hit picture) and "boom" (from the press's arrival to its handling, and from the
    // explosion timer's tick and from the press to the paint of the explosion), the first
    // trials of each marked cold; then the presses that missed ("misses").
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

    // Kept until the end, so that printing costs the trials nothing.
    std::vector<QJsonObject> m_samples;
};

} // namespace bench
