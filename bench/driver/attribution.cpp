// Times and profiles the marked builds. perf records with the monotonic clock, which the marks
// and the driver's steady clock share, so that its report can leave out what came after the
// first flush.
#include "bench/driver/attribution.h"

#include "bench/common/samples.h"
#include "bench/driver/start_up.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

namespace bench {
namespace {

using harness::ChildProcess;
using Output = ChildProcess::Output;
using namespace std::chrono_literals;

// What a marked build prints once its first frame is out: "pid <pid>" and "mark.<point> <ns>"
// lines, the nanoseconds on the monotonic clock.
struct Marks {
    pid_t pid = 0;
    std::map<std::string, long long> ns;
};

Marks parseMarks(const std::string& output)
{
    Marks marks;
    std::istringstream lines(output);
    std::string name;
    long long value = 0;
    while (lines >> name >> value) {
        if (name == "pid")
            marks.pid = static_cast<pid_t>(value);
        else if (name.starts_with("mark."))
            marks.ns[name.substr(5)] = value;
    }
    return marks;
}

// Waits until the program has printed its marks.
bool waitForMarks(ChildProcess& child)
{
    const auto printed = [&] { return child.output().find("mark.flushed") != std::string::npos; };
    harness::waitUntil(
        20s, [&] { return !child.running() || printed(); }, 5ms);
    return printed();
}

void timeStart(Screen& screen, const MarkedProgram& program, const MapRow& expected)
{
    screen.maps().forgetEarlier();
    ChildProcess child({program.path}, screen.programOptions(Output::Capture));
    const std::optional<StartTimes> times = timeOneStart(screen, child, expected);
    child.sendSignal(SIGTERM);
    child.wait();
    if (!times)
        return;
    QJsonObject ms{{"mapped", times->mappedMs}, {"whole frame", times->wholeMs}};
    const auto spawnNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(child.startedAt().time_since_epoch())
            .count();
    for (const auto& [point, ns] : parseMarks(child.output()).ns)
        ms[QString::fromStdString(point)] = static_cast<double>(ns - spawnNs) / 1e6;
    emitSample({{"kind", "marks"}, {"program", QString::fromStdString(program.label)}, {"ms", ms}});
}

// Why perf cannot profile here, or nothing if it can.
std::optional<std::string> perfMissing(Screen& screen)
{
    try {
        ChildProcess probe({"/usr/bin/perf", "stat", "-e", "cpu-clock", "/bin/true"},
                           screen.programOptions(Output::Discard));
        if (probe.wait() == 0)
            return std::nullopt;
        return "perf is here but may not count cpu-clock (kernel.perf_event_paranoid?)";
    } catch (const std::exception&) {
        return "no /usr/bin/perf (Debian's linux-perf)";
    }
}

// perf report's rows for the samples of one thread or process up to a moment, as
// [object, symbol, samples].
QJsonArray reportRows(Screen& screen, const std::string& data, const char* filter, pid_t id,
                      double untilSeconds)
{
    ChildProcess report({"/usr/bin/perf", "report", "-i", data, "--stdio", "-q", "--sort",
                         "dso,sym", "-F", "sample,dso,sym", "-t", "\t", filter, std::to_string(id),
                         "--time", (',' + QString::number(untilSeconds, 'f', 9)).toStdString()},
                        screen.programOptions(Output::Capture));
    report.wait();
    static const QRegularExpression symbolKind("^\\[.\\] ");
    QJsonArray rows;
    for (const QString& line : QString::fromStdString(report.output()).split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() == 3)
            rows.append(QJsonArray{fields[1].trimmed(), fields[2].trimmed().remove(symbolKind),
                                   fields[0].trimmed().toInt()});
    }
    return rows;
}

// One start under perf, reported up to the first flush.
void profileStart(Screen& screen, const MarkedProgram& program, const std::string& data)
{
    ChildProcess perf({"/usr/bin/perf", "record", "-q", "-k", "CLOCK_MONOTONIC", "-e", "cpu-clock",
                       "-F", "10000", "-o", data, "--", program.path},
                      screen.programOptions(Output::Capture));
    const bool marked = waitForMarks(perf);
    // perf ends its workload with SIGTERM when it is interrupted, and writes its samples.
    perf.sendSignal(SIGINT);
    perf.wait();
    const Marks marks = parseMarks(perf.output());
    if (!marked || !marks.pid || !marks.ns.count("flushed"))
        return;
    const double flushed = static_cast<double>(marks.ns.at("flushed")) / 1e9;
    emitSample({{"kind", "profile"},
                {"program", QString::fromStdString(program.label)},
                {"main", reportRows(screen, data, "--tid", marks.pid, flushed)},
                {"all", reportRows(screen, data, "--pid", marks.pid, flushed)}});
}

long statistic(const std::string& text, const std::string& label)
{
    const std::size_t at = text.find(label);
    return at == std::string::npos ? -1 : std::atol(text.c_str() + at + label.size());
}

void loaderStatistics(Screen& screen, const MarkedProgram& program, const std::string& prefix)
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
    emitSample(
        {{"kind", "loader"},
         {"program", QString::fromStdString(program.label)},
         {"cycles",
          static_cast<double>(statistic(text.str(), "total startup time in dynamic loader:"))},
         {"relocations", static_cast<double>(statistic(text.str(), "number of relocations:"))},
         {"from_cache",
          static_cast<double>(statistic(text.str(), "number of relocations from cache:"))}});
}

} // namespace

void attributeStartUp(Screen& screen, const std::vector<MarkedProgram>& programs, int runs,
                      int profiled)
{
    QJsonArray labels;
    for (const MarkedProgram& program : programs)
        labels.append(QString::fromStdString(program.label));
    emitSample({{"kind", "attribution"}, {"programs", labels}});
    const MapRow expected = expectedMapRow();
    for (int round = 0; round < runs; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            timeStart(screen, programs[(i + static_cast<std::size_t>(round)) % programs.size()],
                      expected);
            std::this_thread::sleep_for(150ms);
        }
        std::fprintf(stderr, "\rattribution: timed round %d of %d", round + 1, runs);
    }
    std::fprintf(stderr, "\n");

    const QTemporaryDir scratch;
    const auto file = [&](const char* name) { return scratch.filePath(name).toStdString(); };
    if (const std::optional<std::string> missing = perfMissing(screen)) {
        emitSample({{"kind", "profiler"}, {"missing", QString::fromStdString(*missing)}});
    } else {
        emitSample({{"kind", "profiler"},
                    {"how", "perf record -e cpu-clock -F 10000 (10 kHz samples)"},
                    {"sample_ms", 0.1}});
        for (int round = 0; round < profiled; ++round) {
            for (const MarkedProgram& program : programs)
                profileStart(screen, program, file("perf.data"));
            std::fprintf(stderr, "\rattribution: profiled round %d of %d", round + 1, profiled);
        }
        std::fprintf(stderr, "\n");
    }
    for (const MarkedProgram& program : programs)
        loaderStatistics(screen, program, file("ld"));
}

} // namespace bench
