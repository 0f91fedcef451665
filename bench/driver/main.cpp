// blastmap-bench-driver SETTINGS: measures Blastmap, the bare and the plain-Qt windows on a
// private Xvfb of its own, and prints the raw samples; bench/run starts it and bench/report.py
// reads them.
#include "bench/common/samples.h"
#include "bench/driver/layout.h"
#include "bench/driver/parts.h"
#include "harness/x_input.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>
#include <exception>

namespace {

// A probe that runs the game in its own process and prints its samples.
void runProbe(const bench::Screen& screen, const std::vector<std::string>& argv)
{
    std::fprintf(stderr, "running %s...\n", argv[0].c_str());
    harness::ChildProcess probe(argv,
                                screen.programOptions(harness::ChildProcess::Output::Capture));
    const int status = probe.wait();
    if (status != 0)
        std::fprintf(stderr, "%s %s\n", argv[0].c_str(),
                     harness::describeWaitStatus(status).c_str());
    bench::relaySamples(probe.output());
}

} // namespace

int main(int argc, char** argv)
try {
    // Qt's image readers find their plugins through the application.
    const QCoreApplication app(argc, argv);
    // What to measure and for how long, as bench/run gives it: {"runs": 30, "idle_seconds": 30,
    // "timer_seconds": 60, "presses": 50, "soak_seconds": 600, "only": [...], "compare": [...]}.
    const QJsonObject settings = QJsonDocument::fromJson(argc > 1 ? argv[1] : "{}").object();
    const auto number = [&](const char* name) { return settings[name].toInt(); };
    const QJsonArray only = settings["only"].toArray();
    const auto wants = [&](const char* part) { return only.empty() || only.contains(part); };

    bench::Screen screen;
    if (wants("startup")) {
        std::vector<bench::Program> programs = {{bench::role::bare, BENCH_BARE},
                                                {bench::role::plain, BENCH_PLAIN},
                                                {bench::role::game, BENCH_GAME}};
        // Another build compared goes by its path.
        for (const QJsonValue path : settings["compare"].toArray())
            programs.push_back({path.toString().toStdString(), path.toString().toStdString()});
        harness::movePointer(screen.display(), bench::kPointerAway);
        bench::measureStartUp(screen, programs, number("runs"));
    }
    if (wants("attribution")) {
        harness::movePointer(screen.display(), bench::kPointerAway);
        bench::attributeStartUp(
            screen,
            {{bench::role::bare, BENCH_BARE_MARKED}, {bench::role::game, BENCH_GAME_MARKED}},
            number("runs"));
    }
    if (wants("idle")) {
        std::fprintf(stderr, "idle CPU...\n");
        bench::measureIdle(screen, BENCH_GAME, number("idle_seconds"));
    }
    if (wants("timers")) {
        harness::movePointer(screen.display(), bench::kPointerAway);
        runProbe(screen, {BENCH_PROBE, "timers", std::to_string(number("timer_seconds"))});
    }
    if (wants("press"))
        runProbe(screen, {BENCH_PROBE, "press", std::to_string(number("presses"))});
    if (wants("soak"))
        bench::soak(screen, BENCH_GAME, number("soak_seconds"));
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "blastmap-bench-driver: %s\n", error.what());
    return 1;
}
