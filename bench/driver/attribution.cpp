// Times and profiles the marked builds; perf records with the monotonic clock, which the marks
// and the driver's steady clock share, so that a sample can be set against the first flush.
#include "bench/driver/attribution.h"

#include "bench/driver/start_up.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace bench {
namespace {

using harness::ChildProcess;
using harness::Clock;
using Output = ChildProcess::Output;
using namespace std::chrono_literals;

double nsToMs(double ns) { return ns / 1e6; }

double sinceSpawnMs(const ChildProcess& child, long long monotonicNs)
{
    const auto spawnNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(child.startedAt().time_since_epoch())
            .count();
    return nsToMs(static_cast<double>(monotonicNs - spawnNs));
}

// "mark.<point> <monotonic ns>" lines, as the marked builds print them.
std::map<std::string, long long> parseMarks(const std::string& output)
{
    std::map<std::string, long long> marks;
    std::istringstream lines(output);
    std::string name;
    long long ns = 0;
    while (lines >> name >> ns)
        if (name.starts_with("mark."))
            marks[name.substr(5)] = ns;
    return marks;
}

// Waits until the program has printed its marks, which it does once its first frame is out.
bool waitForMarks(ChildProcess& child)
{
    return harness::waitUntil(
               20s,
               [&] {
                   return !child.running() ||
                          child.output().find("mark.flushed") != std::string::npos;
               },
               5ms) &&
           child.output().find("mark.flushed") != std::string::npos;
}

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "blastmap-bench-XXXXXX");
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a scratch folder");
        m_path = pattern;
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void timeStarts(Screen& screen, const MarkedProgram& program, ProgramAttribution& into,
                const MapRow& expected)
{
    screen.maps().forgetEarlier();
    ChildProcess child({program.path}, screen.programOptions(Output::Capture));
    const std::optional<StartTimes> times = timeOneStart(screen, child, expected);
    child.sendSignal(SIGTERM);
    child.wait();
    if (!times)
        return;
    into.msToPoint["mapped"].push_back(times->mappedMs);
    into.msToPoint["whole frame"].push_back(times->wholeMs);
    for (const auto& [point, ns] : parseMarks(child.output()))
        into.msToPoint[point].push_back(sinceSpawnMs(child, ns));
}

bool perfWorks(Screen& screen, std::string& why)
{
    try {
        ChildProcess probe({"/usr/bin/perf", "stat", "-e", "cpu-clock", "/bin/true"},
                           screen.programOptions(Output::Discard));
        if (probe.wait() == 0)
            return true;
        why = "perf is here but may not count cpu-clock (kernel.perf_event_paranoid?)";
    } catch (const std::exception&) {
        why = "no /usr/bin/perf (Debian's linux-perf)";
    }
    return false;
}

// One start under perf: its samples of the program up to the first flush, by category.
bool profileStart(Screen& screen, const MarkedProgram& program, const std::string& data,
                  ProgramAttribution& into)
{
    ChildProcess perf({"/usr/bin/perf", "record", "-q", "-k", "CLOCK_MONOTONIC", "-e", "cpu-clock",
                       "-F", "10000", "-o", data, "--", program.path},
                      screen.programOptions(Output::Capture));
    const bool marked = waitForMarks(perf);
    // perf ends its workload with SIGTERM when it is interrupted, and writes its samples.
    perf.sendSignal(SIGINT);
    perf.wait();
    const std::map<std::string, long long> marks = parseMarks(perf.output());
    if (!marked || !marks.count("flushed"))
        return false;
    const double flushed = static_cast<double>(marks.at("flushed"));

    ChildProcess script(
        {"/usr/bin/perf", "script", "-i", data, "-F", "pid,tid,time,ip,sym,dso", "--ns"},
        screen.programOptions(Output::Capture));
    script.wait();
    // "  PID/TID  SECONDS.NANOSECONDS:  IP SYMBOL (OBJECT)"
    std::istringstream lines(script.output());
    std::string line;
    const double sampleMs = 0.1; // 10 kHz
    while (std::getline(lines, line)) {
        long pid = 0;
        long tid = 0;
        double seconds = 0;
        if (std::sscanf(line.c_str(), " %ld/%ld %lf:", &pid, &tid, &seconds) != 3)
            continue;
        if (pid == perf.pid() || seconds * 1e9 > flushed)
            continue;
        const std::size_t open = line.rfind(" (");
        const std::size_t colon = line.find(": ");
        if (open == std::string::npos || colon == std::string::npos || open < colon)
            continue;
        const std::string object =
            std::filesystem::path(line.substr(open + 2, line.size() - open - 3)).filename();
        std::istringstream rest(line.substr(colon + 2, open - colon - 2));
        std::string ip;
        std::string symbol;
        rest >> ip;
        std::getline(rest >> std::ws, symbol);
        if (pid == tid)
            into.mainThreadMs[categoryOf(object, symbol)] += sampleMs;
        else
            into.otherThreadsMs += sampleMs;
    }
    ++into.profiledStarts;
    return true;
}

long statistic(const std::string& text, const std::string& label)
{
    const std::size_t at = text.find(label);
    return at == std::string::npos ? -1 : std::atol(text.c_str() + at + label.size());
}

void loaderStatistics(Screen& screen, const MarkedProgram& program, const std::string& prefix,
                      ProgramAttribution& into)
{
    ChildProcess::Options options = screen.programOptions(Output::Capture);
    options.environment.push_back("LD_DEBUG=statistics");
    options.environment.push_back("LD_DEBUG_OUTPUT=" + prefix);
    ChildProcess child({program.path}, options);
    waitForMarks(child);
    child.sendSignal(SIGTERM);
    child.wait();
    std::ifstream file(prefix + "." + std::to_string(child.pid()));
    std::stringstream text;
    text << file.rdbuf();
    // The first report is the start's; another comes at exit.
    into.loaderCycles = statistic(text.str(), "total startup time in dynamic loader:");
    into.relocations = statistic(text.str(), "number of relocations:");
    into.relocationsFromCache = statistic(text.str(), "number of relocations from cache:");
}

bool contains(const std::string& text, std::initializer_list<const char*> parts)
{
    return std::any_of(parts.begin(), parts.end(),
                       [&](const char* part) { return text.find(part) != std::string::npos; });
}

} // namespace

std::string categoryOf(const std::string& object, const std::string& symbol)
{
    if (object == "[kernel.kallsyms]")
        return "kernel: exec, mapping files, page faults, system calls";
    if (object.starts_with("ld-linux"))
        return "dynamic linking and relocation";
    if (contains(object, {"libfontconfig", "libexpat", "libfreetype", "libharfbuzz"}) ||
        contains(symbol, {"QFont", "QTextEngine", "QTextLayout", "QStackTextEngine", "QGlyph",
                          "QRawFont", "QTextLine"}))
        return "fonts: configuration, faces, shaping and layout";
    if (contains(object, {"libqgif", "libqico", "libqjpeg", "libpng", "libz."}) ||
        contains(symbol, {"QImage", "QPixmap", "QBmp", "QIcon", "QCursor", "convert_", "qt_convert",
                          "qt_scale"}))
        return "pictures: decoding, converting, scaling";
    if (contains(symbol, {"QPainter", "QRasterPaintEngine", "QPaintEngine", "qt_blend",
                          "qt_memfill", "QBackingStore", "BackingStore", "comp_func", "fetch",
                          "QRasterizer", "QSpanData", "QPainterPath"}))
        return "painting and the backing store";
    if (object.starts_with("libQt6Widgets") && contains(symbol, {"Style", "QPalette"}))
        return "style: polish, metrics, drawing";
    if (contains(object, {"libQt6XcbQpa", "libxcb", "libX11", "libxkbcommon", "libXext",
                          "libXrender", "libXi.", "libXau", "libXdmcp", "libICE", "libSM"}))
        return "X11 platform plugin and connection";
    if (contains(object, {"libQt6DBus", "libdbus"}) ||
        contains(symbol, {"QAccessible", "QSpi", "AtSpi"}))
        return "accessibility and D-Bus";
    if (contains(object, {"libzstd"}) ||
        contains(symbol, {"QFactoryLoader", "QLibrary", "QPluginLoader", "QElfParser", "QResource",
                          "qRegisterResourceData"}))
        return "plugins and embedded resources";
    if (object.starts_with("libQt6Widgets"))
        return "widgets: creation, layout, events";
    if (object.starts_with("libc.") || object.starts_with("libm."))
        return "C library: memory, strings";
    if (object.starts_with("libstdc++"))
        return "C++ library";
    if (object.starts_with("libglib"))
        return "event loop (GLib)";
    if (object.starts_with("libQt6Core") || object.starts_with("libQt6Gui"))
        return "Qt core and GUI, other";
    if (object.starts_with("blastmap"))
        return "the program's own code";
    return "other libraries";
}

Attribution attributeStartUp(Screen& screen, const std::vector<MarkedProgram>& programs, int runs,
                             int profiled)
{
    Attribution attribution{programs, std::vector<ProgramAttribution>(programs.size()), {}};
    const MapRow expected = expectedMapRow();
    for (int round = 0; round < runs; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const std::size_t which = (i + static_cast<std::size_t>(round)) % programs.size();
            timeStarts(screen, programs[which], attribution.results[which], expected);
            std::this_thread::sleep_for(150ms);
        }
        std::fprintf(stderr, "\rattribution: timed round %d of %d", round + 1, runs);
    }
    std::fprintf(stderr, "\n");

    const ScratchFolder scratch;
    if (perfWorks(screen, attribution.profiler)) {
        attribution.profiler = "perf record -e cpu-clock -F 10000 (10 kHz samples)";
        for (int round = 0; round < profiled; ++round) {
            for (std::size_t i = 0; i < programs.size(); ++i)
                profileStart(screen, programs[i], (scratch.path() / "perf.data").string(),
                             attribution.results[i]);
            std::fprintf(stderr, "\rattribution: profiled round %d of %d", round + 1, profiled);
        }
        std::fprintf(stderr, "\n");
        for (ProgramAttribution& result : attribution.results) {
            for (auto& [category, ms] : result.mainThreadMs)
                ms /= std::max(1, result.profiledStarts);
            result.otherThreadsMs /= std::max(1, result.profiledStarts);
        }
    }
    for (std::size_t i = 0; i < programs.size(); ++i)
        loaderStatistics(screen, programs[i], (scratch.path() / "ld").string(),
                         attribution.results[i]);
    return attribution;
}

} // namespace bench
