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
double pairedRatio(const std::vector<double>& program, const std::vector<double>& reference)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < program.size() && i < reference.size(); ++i) {
        const double ratio = program[i] / reference[i];
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
    std::printf("The whole first frame is the first frame that equals the window settled 1.5 s "
                "after the spawn, every control that shows at start drawn as it stays; first "
                "pixels are the first row of map.\n\n");
    std::printf("| program | spawn to map (ms) | spawn to first pixels (ms) | spawn to whole first "
                "frame (ms) | fastest / slowest whole (ms) | CPU in 1.5 s (ms) | VmRSS at 1.5 s "
                "(MiB) | failed runs |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const StartSamples& s = samples[i];
        const auto [low, high] = std::minmax_element(s.wholeMs.begin(), s.wholeMs.end());
        std::printf("| %s | %.1f | %.1f | %.1f | %.1f / %.1f | %.1f | %.2f | %d |\n",
                    programs[i].label.c_str(), median(s.mappedMs), median(s.shownMs),
                    median(s.wholeMs), s.wholeMs.empty() ? 0 : *low, s.wholeMs.empty() ? 0 : *high,
                    median(s.cpuMs), mib(median(s.residentKiB)), s.failures);
    }
    const auto ratio = [&](std::size_t program, std::size_t reference, bool whole) {
        const auto& of = [whole](const StartSamples& s) { return whole ? s.wholeMs : s.shownMs; };
        return median(of(samples[program])) / median(of(samples[reference]));
    };
    const auto paired = [&](std::size_t program, std::size_t reference) {
        return pairedRatio(samples[program].wholeByRound, samples[reference].wholeByRound);
    };
    const double overBare = ratio(2, 0, true);
    const double overPlain = ratio(2, 1, true);
    const double extraMiB = mib(median(samples[2].residentKiB) - median(samples[1].residentKiB));
    std::printf("\nWhole first frame: Blastmap / bare = %.3f, Blastmap / plain-Qt = %.3f (ratio of "
                "the medians; the median of the ratios within each round: %.3f and %.3f). First "
                "pixels: %.3f and %.3f. Blastmap uses %+.2f MiB beside plain-Qt.\n",
                overBare, overPlain, paired(2, 0), paired(2, 1), ratio(2, 0, false),
                ratio(2, 1, false), extraMiB);
    for (std::size_t i = 3; i < samples.size(); ++i) {
        std::printf("%s, whole first frame: / bare = %.3f, / plain-Qt = %.3f, / Blastmap = %.3f "
                    "(within rounds: %.3f, %.3f, %.3f); %+.2f MiB beside plain-Qt.\n",
                    programs[i].label.c_str(), ratio(i, 0, true), ratio(i, 1, true),
                    ratio(i, 2, true), paired(i, 0), paired(i, 1), paired(i, 2),
                    mib(median(samples[i].residentKiB) - median(samples[1].residentKiB)));
    }
    goals.check("start-up (whole first frame) <= 1.20 x bare", overBare <= 1.20,
                format("%.3f x", overBare));
    goals.check("start-up (whole first frame) <= 1.05 x plain-Qt", overPlain <= 1.05,
                format("%.3f x", overPlain));
    goals.check("memory <= 1 MiB above plain-Qt", extraMiB <= 1.0, format("%+.2f MiB", extraMiB));
}

void reportAttribution(const Attribution& attribution)
{
    const std::vector<std::pair<const char*, const char*>> points = {
        {"main", "main() entered: exec, dynamic linking, static initialisers"},
        {"application", "QApplication built: platform plugin, X connection"},
        {"fonts", "font configuration, read on a second thread meanwhile, joined"},
        {"window", "window and controls built"},
        {"mapped", "window mapped (as the driver sees it)"},
        {"expose", "first expose reaches the program"},
        {"paint", "first paint begins (after polish and layout)"},
        {"flushed", "first frame painted and flushed to the server"},
        {"whole frame", "whole first frame on the screen (as the driver sees it)"},
    };
    const auto& results = attribution.results;
    std::printf("\n### Where the start-up goes (medians of %zu starts each, ms from the spawn)\n\n",
                results.empty() || !results[0].msToPoint.count("whole frame")
                    ? std::size_t{0}
                    : results[0].msToPoint.at("whole frame").size());
    std::printf("Builds of the same sources with start marks; each cell is the point's time and, "
                "after the slash, the time since the point before it.\n\n| point |");
    for (const MarkedProgram& program : attribution.programs)
        std::printf(" %s |", program.label.c_str());
    std::printf("\n|---|");
    for (std::size_t i = 0; i < attribution.programs.size(); ++i)
        std::printf("---|");
    std::printf("\n");
    std::vector<double> previous(results.size(), 0);
    for (const auto& [point, meaning] : points) {
        std::printf("| %s |", meaning);
        for (std::size_t i = 0; i < results.size(); ++i) {
            const auto found = results[i].msToPoint.find(point);
            if (found == results[i].msToPoint.end() || found->second.empty()) {
                std::printf(" - |");
                continue;
            }
            const double at = median(found->second);
            std::printf(" %.1f / %+.1f |", at, at - previous[i]);
            previous[i] = at;
        }
        std::printf("\n");
    }

    std::printf("\n#### The main thread's processor time up to the first flush (ms per start)\n\n");
    if (results.empty() || results[0].profiledStarts == 0) {
        std::printf("Not profiled: %s.\n", attribution.profiler.c_str());
    } else {
        std::printf("%s, %d starts of each; samples after the first frame's flush are left "
                    "out. Waiting (for the X server, say) takes no processor time and shows in "
                    "the table above only.\n\n| spent on |",
                    attribution.profiler.c_str(), results[0].profiledStarts);
        for (const MarkedProgram& program : attribution.programs)
            std::printf(" %s |", program.label.c_str());
        std::printf("\n|---|");
        for (std::size_t i = 0; i < results.size(); ++i)
            std::printf("---|");
        std::printf("\n");
        std::map<std::string, double> order; // by the last program's time, largest first
        for (const ProgramAttribution& result : results)
            for (const auto& [category, ms] : result.mainThreadMs)
                order[category];
        for (auto& [category, ms] : order) {
            const auto found = results.back().mainThreadMs.find(category);
            ms = found == results.back().mainThreadMs.end() ? 0 : found->second;
        }
        std::vector<std::pair<std::string, double>> rows(order.begin(), order.end());
        std::sort(rows.begin(), rows.end(),
                  [](const auto& a, const auto& b) { return a.second > b.second; });
        std::vector<double> totals(results.size(), 0);
        for (const auto& [category, unused] : rows) {
            std::printf("| %s |", category.c_str());
            for (std::size_t i = 0; i < results.size(); ++i) {
                const auto found = results[i].mainThreadMs.find(category);
                const double ms = found == results[i].mainThreadMs.end() ? 0 : found->second;
                totals[i] += ms;
                std::printf(" %.2f |", ms);
            }
            std::printf("\n");
        }
        std::printf("| **main thread, in all** |");
        for (double total : totals)
            std::printf(" **%.2f** |", total);
        std::printf("\n| other threads (Qt's X event reader, the font reader, D-Bus) |");
        for (const ProgramAttribution& result : results)
            std::printf(" %.2f |", result.otherThreadsMs);
        std::printf("\n");
    }

    std::printf("\n#### The dynamic loader (LD_DEBUG=statistics, one start each)\n\n| program | "
                "relocations | of them from the cache | cycles in the loader at start |\n"
                "|---|---|---|---|\n");
    for (std::size_t i = 0; i < results.size(); ++i)
        std::printf("| %s | %ld | %ld | %ld |\n", attribution.programs[i].label.c_str(),
                    results[i].relocations, results[i].relocationsFromCache,
                    results[i].loaderCycles);
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
