// blastmap-bench-press: the real game under X, pressed through XTest; reports the time from a
// press to the end of the paint that shows its effect.
#include "bench/probes/press_trials.h"
#include "scene/form1_design.h"

#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
try {
    bench::WatchedApplication app(argc, argv);
    const int presses = argc > 1 ? std::atoi(argv[1]) : 50;
    constexpr int kWarmUp = 3;

    bench::RecordingServices services(scene::form1Design());
    game::Form1 form(services);
    services.setOwnerWindow(form.window());

    bench::PressTrials trials(app, form, services, presses, kWarmUp);
    QTimer::singleShot(500, form.window(), [&] { trials.start(); });
    bool timedOut = false;
    QTimer::singleShot(600'000, form.window(), [&] {
        timedOut = true;
        form.window()->close();
    });

    const int status = platform::run(form);
    trials.report();
    if (timedOut)
        std::fprintf(stderr, "the press trials did not finish in time\n");
    return timedOut ? 1 : status;
} catch (const std::exception& error) {
    std::fprintf(stderr, "blastmap-bench-press: %s\n", error.what());
    return 2;
}
