// blastmap-bench-driver: measures Blastmap against the bare and the plain-Qt windows on a private
// Xvfb of its own, and prints the figures, their ratios and the goals as Markdown.
#include "bench/common/stats.h"
#include "bench/driver/layout.h"
#include "bench/driver/options.h"
#include "bench/driver/proc_stats.h"
#include "bench/driver/report.h"
#include "bench/driver/screen.h"
#include "harness/x_input.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <exception>

namespace {

std::map<std::string, double> runProbe(const bench::Screen& screen,
                                       const std::vector<std::string>& argv)
{
    std::fprintf(stderr, "running %s...\n", argv[0].c_str());
    harness::ChildProcess probe(argv,
                                screen.programOptions(harness::ChildProcess::Output::Capture));
    const int status = probe.wait();
    if (status != 0)
        std::fprintf(stderr, "%s %s\n", argv[0].c_str(),
                     harness::describeWaitStatus(status).c_str());
    return bench::parseFigures(probe.output());
}

std::string today()
{
    char text[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", std::localtime(&now));
    return text;
}

} // namespace

int main(int argc, char** argv)
try {
    const bench::Options options = bench::parseOptions(argc, argv);
    bench::Screen screen;
    bench::Goals goals;
    std::printf("## Blastmap bench, %s\n\nLoad average (1, 5, 15 min) at the start: %s\n",
                today().c_str(), bench::loadAverages().c_str());

    if (options.wants("startup")) {
        std::vector<bench::Program> programs = {{"bare Qt window", BENCH_BARE},
                                                {"plain-Qt window", BENCH_PLAIN},
                                                {"Blastmap", BENCH_GAME}};
        for (const std::string& path : options.compare)
            programs.push_back({"compared: " + path, path});
        harness::movePointer(screen.display(), bench::kPointerAway);
        const auto samples = bench::measureStartUp(screen, programs, options.runs);
        bench::reportStartUp(programs, samples, options.runs, goals);
    }
    if (options.wants("attribution")) {
        const std::vector<bench::MarkedProgram> marked = {{"bare Qt window", BENCH_BARE_MARKED},
                                                          {"Blastmap", BENCH_GAME_MARKED}};
        harness::movePointer(screen.display(), bench::kPointerAway);
        bench::reportAttribution(
            bench::attributeStartUp(screen, marked, options.runs, std::min(options.runs, 10)));
    }
    if (options.wants("idle")) {
        std::fprintf(stderr, "idle CPU...\n");
        bench::reportIdle(bench::measureIdle(screen, BENCH_GAME, options.idleSeconds),
                          options.idleSeconds, goals);
    }
    if (options.wants("timers")) {
        harness::movePointer(screen.display(), bench::kPointerAway);
        bench::reportTimers(runProbe(screen, {BENCH_TIMERS, std::to_string(options.timerSeconds)}),
                            options.timerSeconds, goals);
    }
    if (options.wants("press"))
        bench::reportPress(runProbe(screen, {BENCH_PRESS, std::to_string(options.presses)}), goals);
    if (options.wants("soak"))
        bench::reportSoak(bench::soak(screen, BENCH_GAME, options.soakSeconds), options.soakSeconds,
                          goals);

    goals.print();
    std::printf("\nLoad average at the end: %s\n", bench::loadAverages().c_str());
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "blastmap-bench-driver: %s\n", error.what());
    return 1;
}
