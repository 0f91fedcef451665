// blastmap-bench-driver [OPTION...] PART ...: one part of the bench on a private X desktop of its
// own, its raw samples on standard output; bench/run runs the parts in turn and bench/report.py
// reads them.
//
//   start-up ROUND ROLE PATH ...   times each start given, in order; a round below 0 warms the
//                                  caches and is not counted
//   marks ROUND ROLE PATH ...      the same with builds that print their start marks
//   idle SECONDS                   the game left alone
//   soak SECONDS                   the game played, its memory sampled
//   press PRESSES                  presses timed from outside until their picture shows (wine)
//
//   --wine-runner=PATH --wine-prefix=PATH   on a wine desktop instead, made with scripts/wine-run
//                                           from that template prefix: the programs are Windows
//                                           programs, started by wine's loader
//   --program=PATH                          the game that idle, soak and press play
#include "bench/driver/parts.h"
#include "harness/wine_desktop.h"
#include "harness/x_desktop.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string_view>

namespace {

// Wine's 64-bit loader itself, as scripts/wine-run starts it, without the runner's own start: a
// start timed through the runner would time Python.
constexpr const char* kWineLoader = "/usr/lib/wine/wine64";

struct Choices {
    std::string wineRunner;
    std::string winePrefix;
    std::string program;
    std::string part;
    std::vector<std::string> arguments;
};

Choices read(int argc, char** argv)
{
    Choices choices;
    int next = 1;
    for (; next < argc && std::string_view(argv[next]).starts_with("--"); ++next) {
        const std::string_view option = argv[next];
        const std::size_t equals = option.find('=');
        const std::string value(equals == std::string_view::npos ? "" : option.substr(equals + 1));
        const std::string_view name = option.substr(0, equals);
        if (name == "--wine-runner")
            choices.wineRunner = value;
        else if (name == "--wine-prefix")
            choices.winePrefix = value;
        else if (name == "--program")
            choices.program = value;
        else
            return {};
    }
    if (next + 1 < argc) {
        choices.part = argv[next];
        choices.arguments.assign(argv + next + 1, argv + argc);
    }
    return choices;
}

} // namespace

int main(int argc, char** argv)
try {
    // Qt's image readers find their plugins through the application.
    const QCoreApplication app(argc, argv);
    const Choices choices = read(argc, argv);
    const std::string& part = choices.part;
    const bool onWine = !choices.wineRunner.empty() && !choices.winePrefix.empty();
    if ((part != "start-up" && part != "marks" && part != "idle" && part != "soak" &&
         part != "press") ||
        (part == "press" && !onWine) || (part == "marks" && onWine)) {
        std::fputs("usage: blastmap-bench-driver [--wine-runner=PATH --wine-prefix=PATH] "
                   "[--program=PATH] start-up ROUND ROLE PATH ... | idle|soak SECONDS | "
                   "press PRESSES (wine)\n"
                   "       blastmap-bench-driver marks ROUND ROLE PATH ...\n",
                   stderr);
        return 2;
    }
    // The game session plays the program the environment names.
    if (!choices.program.empty())
        setenv("BLASTMAP_E2E_PROGRAM", choices.program.c_str(), 1);
    const QSize screen(1024, 768);
    std::unique_ptr<harness::Desktop> desktop;
    if (onWine)
        desktop = std::make_unique<harness::WineDesktop>(
            screen, harness::WineDesktop::Setup{choices.wineRunner, choices.winePrefix});
    else
        desktop = std::make_unique<harness::XDesktop>(screen);
    const std::string build = onWine ? "windows" : "";
    const std::vector<std::string>& arguments = choices.arguments;
    if (part == "idle") {
        bench::measureIdle(*desktop, std::stoi(arguments[0]), build);
    } else if (part == "soak") {
        bench::soak(*desktop, std::stoi(arguments[0]), build);
    } else if (part == "press") {
        bench::timePressesFromOutside(*desktop, std::stoi(arguments[0]));
    } else {
        std::vector<bench::Start> starts;
        for (std::size_t i = 0; i + 2 < arguments.size(); i += 3)
            starts.push_back({std::stoi(arguments[i]), arguments[i + 1], arguments[i + 2]});
        bench::Loader loader;
        if (onWine)
            // As scripts/wine-run sets them: its loader, its quieter log, no menu builder.
            loader = {{kWineLoader},
                      {std::string("WINELOADER=") + kWineLoader, "WINEDEBUG=fixme-all",
                       "WINEDLLOVERRIDES=winemenubuilder.exe=d"}};
        bench::timeStarts(*desktop, starts, part == "marks", loader);
    }
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "blastmap-bench-driver: %s\n", error.what());
    return 1;
}
