// blastmap-bench-probe: the real game in this process, on timers that note their starts and
// ticks, emitting raw samples.
//
//   blastmap-bench-probe timers SECONDS   plays on Qt's timers, pressing bare map every 1.7 s so
//                                         that the explosion's timer runs too; emits how late
//                                         each tick came ("timers", "tick", "stray")
//   blastmap-bench-probe press PRESSES    presses the target and bare map through XTest; emits
//                                         the time from each press to the paint that shows it
#include "bench/probes/press_trials.h"
#include "harness/polling.h"
#include "platform/qt/qt_front_end.h"
#include "platform/qt/qt_services.h"
#include "scene/form1_design.h"

#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>

namespace {

int playOnTimers(game::Form1& form, const bench::RecordingServices& services, int seconds)
{
    std::mt19937 chance(7);
    std::uniform_real_distribution<float> across(600, 4000);
    QTimer presses;
    QObject::connect(&presses, &QTimer::timeout, [&] {
        form.Iraq.raiseMouseDown(platform::LeftButton, 0, across(chance), across(chance));
    });
    presses.start(1700);
    QTimer::singleShot(seconds * 1000, platform::qt::windowOf(form),
                       [&] { platform::qt::windowOf(form)->close(); });
    const int status = platform::run(form);
    services.emitSamples(seconds);
    return status;
}

} // namespace

int main(int argc, char** argv)
try {
    bench::WatchedApplication app(argc, argv);
    const std::string_view mode = argc > 2 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 0;
    platform::QtServices real;
    bench::RecordingServices services(real, scene::form1Design());
    game::Form1 form(services);
    real.setOwnerWindow(platform::qt::windowOf(form));
    if (mode == "timers")
        return playOnTimers(form, services, count);
    if (mode == "press")
        return bench::pressThroughX(app, form, services, count);
    std::fprintf(stderr, "usage: blastmap-bench-probe timers SECONDS | press PRESSES\n");
    return 2;
} catch (const std::exception& error) {
    std::fprintf(stderr, "blastmap-bench-probe: %s\n", error.what());
    return 2;
}
