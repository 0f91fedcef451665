#include "bench/driver/report.h"

#include "bench/common/stats.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace bench {
namespace {

std::string format(const char* pattern, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    return buffer;
}

double mib(double kib) { return kib / 1024; }

// The median over the rounds of one program's start against another's in the same round:
// what the machine did across the whole run cancels out.
double pairedRatio(const StartSamples& program, const StartSamples& reference)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < program.shownByRound.size(); ++i) {
        const double ratio = program.shownByRound[i] / reference.shownByRound[i];
        if (std::isfinite(ratio))
            ratios.push_back(ratio);
    }
    return median(ratios);
}

double figure(const std::map<std::string, double>& figures, const std::string& name)
{
    const auto found = figures.find(name);
    return found == figures.end() ? NAN : found->second;
}

} // namespace

void Goals::check(const std::string& goal, bool met, const std::string& seen)
{
    m_verdicts.push_back({goal, met, seen});
}

void Goals::print() const
{
    std::printf("\n### Goals\n\n| goal | seen | verdict |\n|---|---|---|\n");
    for (const Verdict& verdict : m_verdicts)
        std::printf("| %s | %s | %s |\n", verdict.goal.c_str(), verdict.seen.c_str(),
                    verdict.met ? "met" : "**not met**");
}

void reportStartUp(const std::vector<Program>& programs, const std::vector<StartSamples>& samples,
                   int runs, Goals& goals)
{
    std::printf("\n### Start-up and memory (medians of %d alternated runs each)\n\n", runs);
    std::printf("| program | spawn to map (ms) | spawn to first pixels (ms) | fastest / slowest "
                "(ms) | CPU in 1.5 s (ms) | VmRSS at 1.5 s (MiB) | failed runs |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const StartSamples& s = samples[i];
        const auto [low, high] = std::minmax_element(s.shownMs.begin(), s.shownMs.end());
        std::printf("| %s | %.1f | %.1f | %.1f / %.1f | %.1f | %.2f | %d |\n",
                    programs[i].label.c_str(), median(s.mappedMs), median(s.shownMs),
                    s.shownMs.empty() ? 0 : *low, s.shownMs.empty() ? 0 : *high, median(s.cpuMs),
                    mib(median(s.residentKiB)), s.failures);
    }
    const double bare = median(samples[0].shownMs);
    const double plain = median(samples[1].shownMs);
    const double game = median(samples[2].shownMs);
    const double overBare = game / bare;
    const double overPlain = game / plain;
    const double extraMiB = mib(median(samples[2].residentKiB) - median(samples[1].residentKiB));
    std::printf("\nBlastmap / bare = %.3f, Blastmap / plain-Qt = %.3f (first pixels, ratio of the "
                "medians; the median of the ratios within each round: %.3f and %.3f). Blastmap "
                "uses %+.2f MiB beside plain-Qt.\n",
                overBare, overPlain, pairedRatio(samples[2], samples[0]),
                pairedRatio(samples[2], samples[1]), extraMiB);
    for (std::size_t i = 3; i < samples.size(); ++i) {
        const double other = median(samples[i].shownMs);
        std::printf("%s: / bare = %.3f, / plain-Qt = %.3f, / Blastmap = %.3f (within rounds: "
                    "%.3f, %.3f, %.3f); %+.2f MiB beside plain-Qt.\n",
                    programs[i].label.c_str(), other / bare, other / plain, other / game,
                    pairedRatio(samples[i], samples[0]), pairedRatio(samples[i], samples[1]),
                    pairedRatio(samples[i], samples[2]),
                    mib(median(samples[i].residentKiB) - median(samples[1].residentKiB)));
    }
    goals.check("start-up <= 1.20 x bare", overBare <= 1.20, format("%.3f x", overBare));
    goals.check("start-up <= 1.05 x plain-Qt", overPlain <= 1.05, format("%.3f x", overPlain));
    goals.check("memory <= 1 MiB above plain-Qt", extraMiB <= 1.0, format("%+.2f MiB", extraMiB));
}

void reportIdle(const IdleFigures& figures, int seconds, Goals& goals)
{
    std::printf("\n### Idle CPU (%d s without input, %% of one core)\n\n", seconds);
    std::printf("| civilians | CPU |\n|---|---|\n| hidden | %.3f %% |\n| shown%s | %.3f %% |\n",
                figures.hiddenPercent, figures.civiliansSeen ? "" : " (not seen!)",
                figures.shownPercent);
    const double worst = std::max(figures.hiddenPercent, figures.shownPercent);
    goals.check("idle CPU <= 0.3 % of a core",
                figures.hiddenPercent >= 0 && worst <= 0.3 && figures.civiliansSeen,
                format("%.3f %% / %.3f %%", figures.hiddenPercent, figures.shownPercent));
}

void reportTimers(const std::map<std::string, double>& figures, int seconds, Goals& goals)
{
    std::printf("\n### Timer accuracy (%d s; how far each tick came from the moment it was due, "
                "ms)\n\n",
                seconds);
    std::printf("| timer | ticks | median off due | p95 off due | largest off due | first 10 "
                "late (median) | last 10 late (median) | last 10 - first 10 | trend (ms/min) "
                "|\n|---|---|---|---|---|---|---|---|---|\n");
    double worst = 0;
    double worstDrift = 0;
    for (const char* name : {"moveT", "appear", "civmove", "boomtime"}) {
        const std::string prefix = std::string("timer.") + name + ".";
        const double drift =
            figure(figures, prefix + "last10_ms") - figure(figures, prefix + "first10_ms");
        std::printf("| %s | %.0f | %.3f | %.3f | %.3f | %.3f | %.3f | %+.3f | %+.3f |\n", name,
                    figure(figures, prefix + "ticks"), figure(figures, prefix + "median_ms"),
                    figure(figures, prefix + "p95_ms"), figure(figures, prefix + "max_ms"),
                    figure(figures, prefix + "first10_ms"), figure(figures, prefix + "last10_ms"),
                    drift, figure(figures, prefix + "trend_ms_per_min"));
        worst = std::max(worst, figure(figures, prefix + "max_ms"));
        worstDrift = std::max(worstDrift, std::abs(drift));
        if (figure(figures, prefix + "stray") > 0)
            std::printf("\n%s ticked %.0f times while stopped.\n", name,
                        figure(figures, prefix + "stray"));
    }
    std::printf("\nmoveT's interval is drawn anew at every tick; its due time counts from that "
                "start. Qt waits for its timers in whole milliseconds, rounded up (with or without "
                "glib's loop alike), hence a median lateness under 1 ms.\n");
    goals.check("every tick within 2 ms of due", worst <= 2.0, format("largest %.3f ms", worst));
    // A drift adds up tick after tick; within the loop's 1 ms resolution is none.
    goals.check("no drift over a minute (last 10 against first 10 within 1 ms)", worstDrift <= 1.0,
                format("largest %.3f ms", worstDrift));
}

void reportPress(const std::map<std::string, double>& figures, Goals& goals)
{
    std::printf("\n### Press to paint (under Xvfb, ms)\n\n");
    std::printf("| from | to | presses | median | p95 |\n|---|---|---|---|---|\n");
    std::printf("| press reaches the application | end of the paint that shows the hit "
                "picture | %.0f | %.3f | %.3f |\n",
                figure(figures, "press.hit.count"), figure(figures, "press.hit.median_ms"),
                figure(figures, "press.hit.p95_ms"));
    std::printf("| XTest press sent | same | %.0f | %.3f | %.3f |\n",
                figure(figures, "press.hit.count"),
                figure(figures, "press.hit.from_send_median_ms"),
                figure(figures, "press.hit.from_send_p95_ms"));
    std::printf("| press on bare map reaches the application | press handled (the explosion "
                "is placed, hidden) | %.0f | %.3f | %.3f |\n",
                figure(figures, "press.map.count"), figure(figures, "press.map.handled_median_ms"),
                figure(figures, "press.map.handled_p95_ms"));
    std::printf("| explosion timer's tick | end of the paint that shows the explosion | %.0f | "
                "%.3f | %.3f |\n",
                figure(figures, "press.map.count"),
                figure(figures, "press.boom.from_tick_median_ms"),
                figure(figures, "press.boom.from_tick_p95_ms"));
    std::printf("\nThe first hit of a run (not counted above) took %.3f ms; presses that missed "
                "and were retried: %.0f.\n",
                figure(figures, "press.hit.cold_ms"), figure(figures, "press.misses"));
    const double hit = figure(figures, "press.hit.median_ms");
    goals.check("press to paint <= 1 ms median", hit <= 1.0, format("%.3f ms", hit));
}

void reportSoak(const SoakFigures& figures, int seconds, Goals& goals)
{
    std::printf("\n### Memory over %.0f min of play (VmRSS every 10 s)\n\n", seconds / 60.0);
    if (figures.residentKiB.empty()) {
        std::printf("The game never showed.\n");
        goals.check("no memory growth over the game", false, "no samples");
        return;
    }
    const std::vector<double>& kib = figures.residentKiB;
    // The first minute includes the first message box and panels, made once and kept.
    const auto warm = std::find_if(figures.minutes.begin(), figures.minutes.end(),
                                   [](double minute) { return minute >= 1; });
    const double atMinute = warm == figures.minutes.end()
                                ? kib.back()
                                : kib[static_cast<std::size_t>(warm - figures.minutes.begin())];
    std::printf("| start (1.5 s) | after 1 min | end | largest | growth start to end | growth "
                "1 min to end |\n|---|---|---|---|---|---|\n");
    std::printf("| %.2f MiB | %.2f MiB | %.2f MiB | %.2f MiB | %+.0f KiB | %+.0f KiB |\n",
                mib(kib.front()), mib(atMinute), mib(kib.back()), mib(largest(kib)),
                kib.back() - kib.front(), kib.back() - atMinute);
    std::printf("\n%d presses on the target, %d other moves, %d message boxes dismissed; the "
                "game %s.\n",
                figures.targetPresses, figures.otherPresses, figures.boxesDismissed,
                figures.survived ? "was still running at the end" : "**had gone**");
    goals.check("no memory growth over the game (1 min to end)",
                figures.survived && kib.back() - atMinute <= 0,
                format("%+.0f KiB over %.0f min", kib.back() - atMinute, seconds / 60.0));
}

} // namespace bench
