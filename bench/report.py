#!/usr/bin/env python3
"""Turns the bench's raw samples into its report: medians, quantiles, ratios and the goals.

    bench/report.py SAMPLES [--output FILE]

SAMPLES holds the JSON lines that the bench's driver and probes print, one sample a line, each
with a "kind" and the keys bench/common/samples.def gives it. The report is Markdown, on standard output and in FILE if given. The goals come
from bench/goals.csv. Python 3's standard library alone.
"""

import argparse
import csv
import math
import pathlib
import re
import statistics
import sys
from collections import defaultdict

import samples
from samples import label
from start_profile import parse_marks

GOALS = pathlib.Path(__file__).with_name("goals.csv")

# What the main thread's processor time was spent on, by the object a sample fell in and its
# symbol: the first row whose object or symbol holds one of its words takes the sample (a row
# with a fourth word only in an object named so).
CATEGORIES = [
    ("kernel: exec, mapping files, page faults, system calls", ["[kernel.kallsyms]"], []),
    ("dynamic linking and relocation", ["ld-linux"], []),
    ("fonts: configuration, faces, shaping and layout",
     ["libfontconfig", "libexpat", "libfreetype", "libharfbuzz"],
     ["QFont", "QTextEngine", "QTextLayout", "QStackTextEngine", "QGlyph", "QRawFont", "QTextLine"]),
    ("pictures: decoding, converting, scaling", ["libqgif", "libqico", "libqjpeg", "libpng", "libz."],
     ["QImage", "QPixmap", "QBmp", "QIcon", "QCursor", "convert_", "qt_convert", "qt_scale"]),
    ("painting and the backing store", [],
     ["QPainter", "QRasterPaintEngine", "QPaintEngine", "qt_blend", "qt_memfill", "QBackingStore",
      "BackingStore", "comp_func", "fetch", "QRasterizer", "QSpanData", "QPainterPath"]),
    ("style: polish, metrics, drawing", [], ["Style", "QPalette"], "libQt6Widgets"),
    ("X11 platform plugin and connection",
     ["libQt6XcbQpa", "libxcb", "libX11", "libxkbcommon", "libXext", "libXrender", "libXi.",
      "libXau", "libXdmcp", "libICE", "libSM"], []),
    ("accessibility and D-Bus", ["libQt6DBus", "libdbus"], ["QAccessible", "QSpi", "AtSpi"]),
    ("plugins and embedded resources", ["libzstd"],
     ["QFactoryLoader", "QLibrary", "QPluginLoader", "QElfParser", "QResource",
      "qRegisterResourceData"]),
    ("widgets: creation, layout, events", ["libQt6Widgets"], []),
    ("C library: memory, strings", ["libc.", "libm."], []),
    ("C++ library", ["libstdc++"], []),
    ("event loop (GLib)", ["libglib"], []),
    ("Qt core and GUI, other", ["libQt6Core", "libQt6Gui"], []),
    ("the program's own code", ["blastmap"], []),
]

# The start's points in order, with what each means, from the list the programs' marks name.
POINT_LIST = pathlib.Path(__file__).resolve().parent.parent / "app" / "start_points.def"


def read_points(path=POINT_LIST):
    """The (name, meaning) of each START_POINT(id, "name", "meaning") line of the list."""
    form = re.compile(r'START_POINT\(\w+, "([^"]+)", "([^"]+)"\)')
    points = []
    for line in path.read_text().splitlines():
        if line.startswith("START_POINT"):
            point = form.fullmatch(line)
            if not point:
                sys.exit(f"report.py: {path} has a point in a form it cannot read: {line}")
            points.append(point.groups())
    if not points:
        sys.exit(f"report.py: no START_POINT line in {path}")
    return points


POINTS = read_points()


def median(values):
    return statistics.median(values) if values else math.nan


def percentile(values, p):
    """The nearest-rank p-th percentile."""
    if not values:
        return math.nan
    ordered = sorted(values)
    return ordered[max(0, math.ceil(p / 100 * len(ordered)) - 1)]


def category(obj, symbol):
    name = pathlib.PurePath(obj).name if obj.startswith("/") else obj
    for label, objects, symbols, *only_in in CATEGORIES:
        if only_in and only_in[0] not in name:
            continue
        if any(o in name for o in objects) or any(s in symbol for s in symbols):
            return label
    return "other libraries"


# The Windows build's programs, and the kinds that only its runs under wine give.
WINDOWS_ROLES = {"bare_win32", "game_win32"}
WINDOWS_KINDS = {"private_memory", "seen_press", "seen_misses"}
# The figures of goals.csv that are the Windows build's, which its own table sets beside them.
WINDOWS_FIGURE = "win32_"


def of_windows(sample):
    """Whether the sample is of the Windows build under wine: marked so, of its programs, or of a
    kind only it gives. Its executable's sample is read beside the Linux one's."""
    return (sample.get("build") == "windows" or sample["kind"] in WINDOWS_KINDS
            or (sample["kind"] != "executable" and sample.get("program") in WINDOWS_ROLES)
            or bool(WINDOWS_ROLES & set(sample.get("programs", []))))


def read_goals(path=GOALS):
    """Each goal of the file by its figure."""
    with open(path, newline="") as goals:
        return {goal["figure"]: goal for goal in csv.DictReader(goals)}


def start_ratio(done, p, q, key="whole_ms"):
    """The ratio of the two programs' medians."""
    return median([s[key] for s in done[p]]) / median([s[key] for s in done[q]])


def paired_ratio(done, p, q):
    """The median of the ratios of the whole first frame within each round: what the machine did
    across the whole run cancels out."""
    by_round = lambda x: {s["round"]: s["whole_ms"] for s in done[x]}
    mine, theirs = by_round(p), by_round(q)
    return median([mine[r] / theirs[r] for r in mine if r in theirs and theirs[r]])


class Report:
    def __init__(self, samples):
        self.by_kind = defaultdict(list)
        self.windows_kind = defaultdict(list)
        for sample in samples:
            kinds = self.windows_kind if of_windows(sample) else self.by_kind
            kinds[sample["kind"]].append(sample)
        self.lines = []
        self.figures = {}  # goal figure -> (value, what was seen)

    def say(self, text=""):
        self.lines.append(text)

    def table(self, header, rows):
        self.say("| " + " | ".join(header) + " |")
        self.say("|" + "---|" * len(header))
        for row in rows:
            self.say("| " + " | ".join(str(cell) for cell in row) + " |")

    # -- Start-up ---------------------------------------------------------------------------

    def start_table(self, kinds, settled):
        """The start-up table of the programs of the first "startup" sample among `kinds`, whose
        frames were watched until `settled` after the spawn; the starts that did not fail by
        program, or nothing without such a sample."""
        if not kinds["startup"]:
            return None
        programs, runs = kinds["startup"][0]["programs"], kinds["startup"][0]["runs"]
        starts = kinds["start"]
        done = {p: [s for s in starts if s["program"] == p and not s.get("failed")]
                for p in programs}
        column = lambda p, key: [s[key] for s in done[p]]
        self.say(f"\n### Start-up and memory (medians of {runs} alternated runs each)\n")
        self.say(f"The whole first frame is the first frame that equals the window settled "
                 f"{settled} after the spawn, every control that shows at start drawn as it stays; "
                 f"first pixels are the first row of map.\n")
        rows = []
        for p in programs:
            whole = column(p, "whole_ms") or [0]
            failed = sum(1 for s in starts if s["program"] == p and s.get("failed"))
            rows.append([label(p), f"{median(column(p, 'mapped_ms')):.1f}",
                         f"{median(column(p, 'shown_ms')):.1f}", f"{median(whole):.1f}",
                         f"{min(whole):.1f} / {max(whole):.1f}",
                         f"{median(column(p, 'cpu_ms')):.1f}",
                         f"{median(column(p, 'rss_kib')) / 1024:.2f}", failed])
        self.table(["program", "spawn to map (ms)", "spawn to first pixels (ms)",
                    "spawn to whole first frame (ms)", "fastest / slowest whole (ms)",
                    f"CPU in {settled} (ms)", f"VmRSS at {settled} (MiB)", "failed runs"], rows)
        return done

    def start_up(self):
        done = self.start_table(self.by_kind, "1.5 s")
        if done is None:
            return
        programs = list(done)
        column = lambda p, key: [s[key] for s in done[p]]
        ratio = lambda p, q, key="whole_ms": start_ratio(done, p, q, key)
        paired = lambda p, q: paired_ratio(done, p, q)

        def extra_mib(p, q):
            return (median(column(p, "rss_kib")) - median(column(q, "rss_kib"))) / 1024

        bare, plain, game = "bare", "plain", "game"
        if not {bare, plain, game} <= set(programs):
            return
        self.say(f"\nWhole first frame: Blastmap / bare = {ratio(game, bare):.3f}, Blastmap / "
                 f"plain-Qt = {ratio(game, plain):.3f} (ratio of the medians; the median of the "
                 f"ratios within each round: {paired(game, bare):.3f} and "
                 f"{paired(game, plain):.3f}). First pixels: {ratio(game, bare, 'shown_ms'):.3f} "
                 f"and {ratio(game, plain, 'shown_ms'):.3f}. Blastmap uses "
                 f"{extra_mib(game, plain):+.2f} MiB beside plain-Qt.")
        for p in programs:
            if p in samples.ROLES:
                continue
            self.say(f"{label(p)}, whole first frame: / bare = {ratio(p, bare):.3f}, / plain-Qt = "
                     f"{ratio(p, plain):.3f}, / Blastmap = {ratio(p, game):.3f} (within rounds: "
                     f"{paired(p, bare):.3f}, {paired(p, plain):.3f}, {paired(p, game):.3f}); "
                     f"{extra_mib(p, plain):+.2f} MiB beside plain-Qt.")
        self.figures["startup_over_bare"] = (ratio(game, bare), f"{ratio(game, bare):.3f} x")
        self.figures["startup_over_plain"] = (ratio(game, plain), f"{ratio(game, plain):.3f} x")
        self.figures["memory_over_plain_mib"] = (extra_mib(game, plain),
                                                 f"{extra_mib(game, plain):+.2f} MiB")

    # -- Attribution ------------------------------------------------------------------------

    def attribution(self):
        if not self.by_kind["attribution"]:
            return
        programs = self.by_kind["attribution"][0]["programs"]
        marks = self.by_kind["marks"]
        ms = {p: defaultdict(list) for p in programs}
        for m in marks:
            seen = ms[m["program"]]
            for point, ns in parse_marks(m["printed"])[1].items():
                seen[point].append((ns - m["spawn_ns"]) / 1e6)
            seen["mapped"].append(m["mapped_ms"])
            seen["whole frame"].append(m["whole_ms"])
        starts = len(ms[programs[0]]["whole frame"])
        self.say(f"\n### Where the start-up goes (medians of {starts} starts each, ms from the "
                 f"spawn)\n")
        self.say("Builds of the same sources with start marks; each cell is the point's time and, "
                 "after the slash, the time since the point before it.\n")
        previous = {p: 0.0 for p in programs}
        rows = []
        for point, meaning in POINTS:
            row = [meaning]
            for p in programs:
                if not ms[p][point]:
                    row.append("-")
                    continue
                at = median(ms[p][point])
                row.append(f"{at:.1f} / {at - previous[p]:+.1f}")
                previous[p] = at
            rows.append(row)
        self.table(["point"] + [label(p) for p in programs], rows)
        self.profile(programs)
        self.say("\n#### The dynamic loader (LD_DEBUG=statistics, one start each)\n")
        self.table(["program", "relocations", "of them from the cache",
                    "cycles in the loader at start"],
                   [[label(l["program"]), int(l["relocations"]), int(l["from_cache"]), int(l["cycles"])]
                    for l in self.by_kind["loader"]])

    def profile(self, programs):
        self.say("\n#### The main thread's processor time up to the first flush (ms per start)\n")
        profiler = (self.by_kind["profiler"] or [{"missing": "not run"}])[0]
        profiles = self.by_kind["profile"]
        if "missing" in profiler or not profiles:
            self.say(f"Not profiled: {profiler.get('missing', 'no start was profiled')}.")
            return
        sample_ms = profiler["sample_ms"]
        starts = {p: sum(1 for s in profiles if s["program"] == p) for p in programs}
        main = {p: defaultdict(float) for p in programs}
        other = {p: 0.0 for p in programs}
        for s in profiles:
            p = s["program"]
            for obj, symbol, count in s["main"]:
                main[p][category(obj, symbol)] += count * sample_ms / starts[p]
            other[p] += (sum(r[2] for r in s["all"]) - sum(r[2] for r in s["main"])) \
                * sample_ms / starts[p]
        self.say(f"{profiler['how']}, {starts[programs[0]]} starts of each; samples after the "
                 f"first frame's flush are left out. Waiting (for the X server, say) takes no "
                 f"processor time and shows in the table above only.\n")
        labels = sorted({c for p in programs for c in main[p]},
                        key=lambda c: main.get("game", main[programs[-1]]).get(c, 0),
                        reverse=True)
        rows = [[c] + [f"{main[p].get(c, 0):.2f}" for p in programs] for c in labels]
        rows.append(["**main thread, in all**"]
                    + [f"**{sum(main[p].values()):.2f}**" for p in programs])
        rows.append(["other threads (Qt's X event reader, the font reader, D-Bus)"]
                    + [f"{other[p]:.2f}" for p in programs])
        self.table(["spent on"] + [label(p) for p in programs], rows)

    # -- Idle, timers, presses, memory ------------------------------------------------------

    def idle(self):
        for s in self.by_kind["idle"]:
            self.say(f"\n### Idle CPU ({s['seconds']} s without input, % of one core)\n")
            seen = "" if s["civilians_seen"] else " (not seen!)"
            self.table(["civilians", "CPU"], [["hidden", f"{s['hidden_percent']:.3f} %"],
                                              ["shown" + seen, f"{s['shown_percent']:.3f} %"]])
            worst = max(s["hidden_percent"], s["shown_percent"])
            self.figures["idle_cpu_percent"] = (
                worst if s["civilians_seen"] else math.inf,
                f"{s['hidden_percent']:.3f} % / {s['shown_percent']:.3f} %")

    def timers(self):
        if not self.by_kind["timers"]:
            return
        worst, drift_worst = self.timer_table(self.by_kind)
        self.say("\nmoveT's interval is drawn anew at every tick; its due time counts from that "
                 "start. Qt waits for its timers in whole milliseconds, rounded up (with or "
                 "without glib's loop alike), hence a median lateness under 1 ms.")
        self.figures["tick_off_due_ms"] = (worst, f"largest {worst:.3f} ms")
        self.figures["drift_ms"] = (drift_worst, f"largest {drift_worst:.3f} ms")

    def timer_table(self, kinds):
        """Each timer's lateness from the samples among `kinds`; the largest off due of any tick
        and the largest drift of any timer."""
        ticks = kinds["tick"]
        self.say(f"\n### Timer accuracy ({kinds['timers'][0]['seconds']} s; how far each "
                 f"tick came from the moment it was due, ms)\n")
        rows = []
        worst = drift_worst = 0
        for timer in dict.fromkeys(t["timer"] for t in ticks):
            mine = [t for t in ticks if t["timer"] == timer]
            late = [t["late_ms"] for t in mine]
            off = [abs(x) for x in late]
            first, last = median(late[:10]), median(late[-10:])
            trend = statistics.linear_regression([t["at_ms"] for t in mine], late).slope * 60_000 \
                if len(mine) > 1 else 0.0
            rows.append([timer, len(mine), f"{median(off):.3f}", f"{percentile(off, 95):.3f}",
                         f"{max(off):.3f}", f"{first:.3f}", f"{last:.3f}",
                         f"{last - first:+.3f}", f"{trend:+.3f}"])
            worst = max(worst, max(off))
            drift_worst = max(drift_worst, abs(last - first))
        self.table(["timer", "ticks", "median off due", "p95 off due", "largest off due",
                    "first 10 late (median)", "last 10 late (median)", "last 10 - first 10",
                    "trend (ms/min)"], rows)
        for stray in kinds["stray"]:
            self.say(f"\n{stray['timer']} ticked {stray['ticks']} times while stopped.")
        if not ticks:
            # A run that recorded no tick has shown nothing of its timers.
            return math.inf, math.inf
        return worst, drift_worst

    def presses(self):
        hits = [s for s in self.by_kind["hit"] if not s["cold"]]
        booms = [s for s in self.by_kind["boom"] if not s["cold"]]
        if not hits and not booms:
            return
        self.say("\n### Press to paint (under Xvfb, ms)\n")
        cell = lambda values: [len(values), f"{median(values):.3f}",
                               f"{percentile(values, 95):.3f}"]
        self.table(["from", "to", "presses", "median", "p95"], [
            ["press reaches the application", "end of the paint that shows the hit picture"]
            + cell([s["from_arrival_ms"] for s in hits]),
            ["XTest press sent", "same"] + cell([s["from_send_ms"] for s in hits]),
            ["press on bare map reaches the application",
             "press handled (the explosion is placed, hidden)"]
            + cell([s["handled_ms"] for s in booms]),
            ["explosion timer's tick", "end of the paint that shows the explosion"]
            + cell([s["from_tick_ms"] for s in booms]),
        ])
        cold = [s["from_arrival_ms"] for s in self.by_kind["hit"] if s["cold"]]
        misses = sum(m["count"] for m in self.by_kind["misses"])
        self.say(f"\nThe first hit of a run (not counted above) took "
                 f"{cold[0] if cold else 0:.3f} ms; presses that missed and were retried: "
                 f"{misses}.")
        hit = median([s["from_arrival_ms"] for s in hits])
        self.figures["press_to_paint_ms"] = (hit, f"{hit:.3f} ms")

    def soak(self):
        plays = self.by_kind["play"]
        if not plays:
            return
        play = plays[0]
        minutes = play["seconds"] / 60
        self.say(f"\n### Memory over {minutes:.0f} min of play (VmRSS every 10 s)\n")
        rss = self.by_kind["rss"]
        if not rss:
            self.say("The game never showed.")
            self.figures["memory_growth_kib"] = (math.inf, "no samples")
            return
        kib = [r["kib"] for r in rss]
        # The first minute includes the first message box and panels, made once and kept.
        warm = next((r["kib"] for r in rss if r["minute"] >= 1), kib[-1])
        self.table(["start (1.5 s)", "after 1 min", "end", "largest", "growth start to end",
                    "growth 1 min to end"],
                   [[f"{kib[0] / 1024:.2f} MiB", f"{warm / 1024:.2f} MiB",
                     f"{kib[-1] / 1024:.2f} MiB", f"{max(kib) / 1024:.2f} MiB",
                     f"{kib[-1] - kib[0]:+.0f} KiB", f"{kib[-1] - warm:+.0f} KiB"]])
        self.say(f"\n{play['target_presses']} presses on the target, {play['other_presses']} "
                 f"other moves, {play['boxes_dismissed']} message boxes dismissed; the game "
                 f"{'was still running at the end' if play['survived'] else '**had gone**'}.")
        growth = kib[-1] - warm if play["survived"] else math.inf
        self.figures["memory_growth_kib"] = (growth,
                                             f"{kib[-1] - warm:+.0f} KiB over {minutes:.0f} min")

    # -- Goals ------------------------------------------------------------------------------

    def goals(self):
        rows = []
        for figure, goal in read_goals().items():
            if figure not in self.figures or figure.startswith(WINDOWS_FIGURE):
                continue
            value, seen = self.figures[figure]
            met = value <= float(goal["at_most"])
            rows.append([goal["goal"], seen, "met" if met else "**not met**"])
        if not rows:
            return
        self.say("\n### Goals\n")
        self.table(["goal", "seen", "verdict"], rows)

    # -- The Windows build under wine ---------------------------------------------------------

    def windows(self):
        win = self.windows_kind
        executables = {e["program"]: e for e in self.by_kind["executable"]}
        if not win and not executables:
            return
        self.say("\n## The Windows build under wine\n")
        self.say("Wine is not Windows: these are blastmap.exe and a bare Win32 window run by "
                 "Debian's wine on a private Xvfb, and they say nothing of how either does on "
                 "Windows. Only figures taken under wine in the same run are compared with each "
                 "other; none is set against the Linux build's above. Start-ups are timed with "
                 "wine's loader started directly, the wine server and its services already up.")
        figures = {}  # what the table below shows, in its order: label -> (goal figure, seen)
        done = self.start_table(win, "2.5 s")
        if done is not None and {"bare_win32", "game_win32"} <= set(done):
            if all(done[p] for p in ("bare_win32", "game_win32")):
                whole = start_ratio(done, "game_win32", "bare_win32")
                paired = paired_ratio(done, "game_win32", "bare_win32")
                seen = f"{whole:.3f} x (within rounds {paired:.3f} x)"
            else:
                whole, seen = math.inf, "no start showed the map"
            self.figures["win32_startup_over_bare"] = (whole, seen)
            figures["whole first frame, blastmap.exe / bare Win32 window"] = (
                "win32_startup_over_bare", seen)
        for s in win["idle"]:
            worst = max(s["hidden_percent"], s["shown_percent"]) if s["civilians_seen"] \
                else math.inf
            seen = (f"{s['hidden_percent']:.3f} % / {s['shown_percent']:.3f} % (civilians hidden "
                    f"/ shown{'' if s['civilians_seen'] else ', not seen!'}; the game's process)")
            self.figures["win32_idle_cpu_percent"] = (worst, seen)
            figures[f"idle CPU over {s['seconds']} s"] = ("win32_idle_cpu_percent", seen)
        if win["timers"]:
            worst, _ = self.timer_table(win)
            seen = f"largest {worst:.3f} ms"
            self.figures["win32_tick_off_due_ms"] = (worst, seen)
            figures["tick lateness (the front end's precise timers)"] = (
                "win32_tick_off_due_ms", seen)
        for on, what in [("target", "the hit picture"), ("map", "the explosion")]:
            timed = [s["from_send_ms"] for s in win["seen_press"] if s["on"] == on]
            warm = [s["from_send_ms"] for s in win["seen_press"] if s["on"] == on and not s["cold"]]
            if timed:
                figures[f"press to paint: XTest press on the {on} sent to a frame showing {what}"
                        + (" (its timer's first 300 ms tick included)" if on == "map" else "")] = (
                    None, f"median {median(warm):.3f} ms, p95 {percentile(warm, 95):.3f} ms of "
                          f"{len(warm)}; first {timed[0]:.3f} ms")
        if win["seen_misses"]:
            misses = sum(m["count"] for m in win["seen_misses"])
            figures["presses that showed nothing in 2 s, or found no target"] = (None, misses)
        if win["play"]:
            play = win["play"][0]
            kib = [r["kib"] for r in win["private_memory"]]
            if kib and play["survived"]:
                warm = next((r["kib"] for r in win["private_memory"] if r["minute"] >= 1), kib[-1])
                growth = kib[-1] - warm
                seen = (f"{kib[0] / 1024:.2f} / {warm / 1024:.2f} / {kib[-1] / 1024:.2f} MiB, "
                        f"{growth:+.0f} KiB from 1 min to the end")
            else:
                growth = math.inf
                seen = "no samples" if not kib else "the game had gone"
            self.figures["win32_memory_growth_kib"] = (growth, seen)
            figures[f"private memory at start / 1 min / end of {play['seconds'] / 60:.0f} min "
                    f"of play"] = ("win32_memory_growth_kib", seen)
        if figures:
            goals = read_goals()
            self.say("\n### Figures and goals\n")
            rows = []
            for what, (figure, seen) in figures.items():
                goal = goals.get(figure)
                if goal is None:
                    rows.append([what, seen, "-", "-"])
                    continue
                met = self.figures[figure][0] <= float(goal["at_most"])
                rows.append([what, seen, goal["goal"], "met" if met else "**not met**"])
            self.table(["figure", "seen", "goal", "verdict"], rows)
        if executables:
            self.say("\n### The executables (stripped, as shipped)\n")
            rows = []
            for role, libraries in [("game_win32", "imports (Windows' own DLLs only)"),
                                    ("game", "shared libraries the loader maps at start (ldd; "
                                              "Qt's platform plugin and its own come later)")]:
                if role in executables:
                    e = executables[role]
                    rows.append([label(role), f"{e['bytes'] / 1024:.0f} KiB",
                                 f"{len(e['libraries'])} {libraries}: "
                                 + ", ".join(e["libraries"])])
            self.table(["program", "size", "libraries"], rows)

    def render(self):
        run = (self.by_kind["run"] or [{"date": "?", "load": "?"}])[0]
        self.say(f"## Blastmap bench, {run['date']}\n")
        self.say(f"Load average (1, 5, 15 min) at the start: {run['load']}")
        self.start_up()
        self.attribution()
        self.idle()
        self.timers()
        self.presses()
        self.soak()
        self.goals()
        self.windows()
        for end in self.by_kind["end"]:
            self.say(f"\nLoad average at the end: {end['load']}")
        return "\n".join(self.lines) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("samples", help="the bench's JSON lines")
    parser.add_argument("--output", help="also write the report to this file")
    args = parser.parse_args(argv)
    try:
        read = samples.read(args.samples)
    except ValueError as error:
        sys.exit(f"report.py: {args.samples}: {error}")
    text = Report(read).render()
    sys.stdout.write(text)
    if args.output:
        pathlib.Path(args.output).write_text(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
