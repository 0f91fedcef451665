// blastmap-bench-driver PART ...: one part of the bench on a private X desktop of its own, its raw
// samples on standard output; bench/run runs the parts in turn and bench/report.py reads them.
//
//   start-up ROUND ROLE PATH ...   times each start given, in order; a round below 0 warms the
//                                  caches and is not counted
//   marks ROUND ROLE PATH ...      the same with builds that print their start marks
//   idle SECONDS                   the game left alone
//   soak SECONDS                   the game played, its memory sampled
#include "bench/driver/parts.h"
#include "harness/x_desktop.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string_view>

int main(int argc, char** argv)
try {
    // Qt's image readers find their plugins through the application.
    const QCoreApplication app(argc, argv);
    const std::string_view part = argc > 2 ? argv[1] : "";
    const std::vector<std::string> arguments(argv + std::min(argc, 2), argv + argc);
    if (part != "start-up" && part != "marks" && part != "idle" && part != "soak") {
        std::fputs("usage: blastmap-bench-driver start-up|marks ROUND ROLE PATH ... | "
                   "idle|soak SECONDS\n",
                   stderr);
        return 2;
    }
    const harness::XDesktop desktop(QSize(1024, 768));
    if (part == "idle") {
        bench::measureIdle(desktop, std::stoi(arguments[0]));
    } else if (part == "soak") {
        bench::soak(desktop, std::stoi(arguments[0]));
    } else {
        std::vector<bench::Start> starts;
        for (std::size_t i = 0; i + 2 < arguments.size(); i += 3)
            starts.push_back({std::stoi(arguments[i]), arguments[i + 1], arguments[i + 2]});
        bench::timeStarts(desktop, starts, part == "marks");
    }
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "blastmap-bench-driver: %s\n", error.what());
    return 1;
}
