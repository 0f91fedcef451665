// blastmap-bench-timers: runs the real game on Qt's timers for a while, presses the map now and
// then so that the explosion's timer runs too, and reports how late each timer's ticks came.
#include "bench/common/stats.h"
#include "bench/probes/recording_services.h"
#include "game/form1.h"
#include "scene/form1_design.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <random>

namespace {

// The least-squares slope of lateness against time, in ms per minute: a drift shows as a trend
// where noise shows as scatter.
double trendPerMinute(const std::vector<bench::Tick>& ticks)
{
    if (ticks.size() < 2)
        return 0;
    double sumT = 0;
    double sumL = 0;
    for (const bench::Tick& tick : ticks) {
        sumT += bench::millisecondsBetween(ticks.front().arrived, tick.arrived);
        sumL += bench::millisecondsBetween(tick.due, tick.arrived);
    }
    const double n = static_cast<double>(ticks.size());
    double covariance = 0;
    double variance = 0;
    for (const bench::Tick& tick : ticks) {
        const double t = bench::millisecondsBetween(ticks.front().arrived, tick.arrived) - sumT / n;
        covariance += t * (bench::millisecondsBetween(tick.due, tick.arrived) - sumL / n);
        variance += t * t;
    }
    return variance > 0 ? covariance / variance * 60'000 : 0;
}

void report(const bench::TimerLog& log)
{
    std::vector<double> late;
    std::vector<double> off;
    for (const bench::Tick& tick : log.ticks()) {
        const double ms = bench::millisecondsBetween(tick.due, tick.arrived);
        late.push_back(ms);
        off.push_back(std::abs(ms));
    }
    const std::size_t n = late.size();
    const std::size_t edge = std::min<std::size_t>(10, n);
    const std::vector<double> first(late.begin(), late.begin() + static_cast<long>(edge));
    const std::vector<double> last(late.end() - static_cast<long>(edge), late.end());
    const std::string prefix = "timer." + log.name() + ".";
    bench::printFigure(prefix + "ticks", static_cast<double>(n));
    bench::printFigure(prefix + "median_ms", bench::median(off));
    bench::printFigure(prefix + "max_ms", bench::largest(off));
    bench::printFigure(prefix + "p95_ms", bench::percentile(off, 95));
    bench::printFigure(prefix + "first10_ms", bench::median(first));
    bench::printFigure(prefix + "last10_ms", bench::median(last));
    bench::printFigure(prefix + "trend_ms_per_min", trendPerMinute(log.ticks()));
    bench::printFigure(prefix + "stray", log.strayTicks());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;

    bench::RecordingServices services(scene::form1Design());
    game::Form1 form(services);
    services.setOwnerWindow(form.window());

    // A press on bare map every 1.7 s sets the explosion going: four ticks 300 ms apart.
    std::mt19937 chance(7);
    std::uniform_real_distribution<float> across(600, 4000);
    QTimer presses;
    QObject::connect(&presses, &QTimer::timeout, [&] {
        form.Iraq.raiseMouseDown(platform::LeftButton, 0, across(chance), across(chance));
    });
    presses.start(1700);
    QTimer::singleShot(seconds * 1000, form.window(), [&] { form.window()->close(); });

    const int status = platform::run(form);
    for (const auto& log : services.logs())
        report(*log);
    return status;
}
