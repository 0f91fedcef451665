"""The bench's report on samples whose figures are known (ratios, quantiles, trends and goals),
the list of samples both sides read, the order bench/run starts the programs in, and the
parsing of what perf, the loader and the marked builds print, on output saved from real runs."""

import importlib.machinery
import importlib.util
import itertools
import pathlib
import sys
import tempfile
import unittest

import report
import samples
import start_profile

TESTDATA = pathlib.Path(__file__).resolve().parent / "testdata"


def starts(program, wholes, rss):
    return [{"kind": "start", "program": program, "round": r, "mapped_ms": w - 2,
             "shown_ms": w, "whole_ms": w, "rss_kib": rss, "cpu_ms": w} for r, w in
            enumerate(wholes)]


class ReportTest(unittest.TestCase):
    def render(self, samples):
        return report.Report(samples).render()

    def test_start_up_ratios_are_of_medians_and_within_rounds(self):
        text = self.render(
            [{"kind": "startup", "programs": ["bare", "plain", "game"], "runs": 3}]
            + starts("bare", [10, 20, 40], 1024)
            + starts("plain", [12, 22, 30], 2048)
            + starts("game", [11, 30, 44], 3072))
        # Medians 30 / 20; within rounds 1.1, 1.5 and 1.1.
        self.assertIn("Blastmap / bare = 1.500", text)
        self.assertIn("the median of the ratios within each round: 1.100", text)
        self.assertIn("Blastmap uses +1.00 MiB beside plain-Qt", text)
        self.assertIn("| start-up (whole first frame) <= 1.20 x bare | 1.500 x | **not met** |",
                      text)
        self.assertIn("| memory <= 1 MiB above plain-Qt | +1.00 MiB | met |", text)
        self.assertIn("| bare Qt window | 18.0 | 20.0 | 20.0 | 10.0 / 40.0 |", text)

    def test_programs_are_found_by_role_whatever_their_order_and_a_compared_one_by_path(self):
        text = self.render(
            [{"kind": "startup", "programs": ["/old/blastmap", "game", "plain", "bare"],
              "runs": 2}]
            + starts("game", [30, 30], 1024) + starts("bare", [20, 20], 1024)
            + starts("plain", [30, 30], 1024) + starts("/old/blastmap", [60, 60], 1024))
        self.assertIn("Blastmap / bare = 1.500", text)
        self.assertIn("compared: /old/blastmap, whole first frame: / bare = 3.000, / plain-Qt = "
                      "2.000, / Blastmap = 2.000", text)

    def test_without_all_three_roles_no_ratio_and_no_goal_is_claimed(self):
        text = self.render([{"kind": "startup", "programs": ["bare", "game"], "runs": 1}]
                           + starts("bare", [20], 1024) + starts("game", [30], 1024))
        self.assertNotIn("Blastmap / bare", text)
        self.assertNotIn("start-up (whole first frame)", text)

    def test_timers_give_the_nearest_rank_quantile_the_drift_and_the_trend(self):
        ticks = [{"kind": "tick", "timer": "t", "late_ms": late, "at_ms": 1000 * i}
                 for i, late in enumerate([0.5] * 10 + [1.0] * 9 + [-3.0])]
        text = self.render([{"kind": "timers", "seconds": 20}] + ticks)
        # |late| sorted: ten 0.5, nine 1.0, one 3.0; the 95th percentile is the 19th.
        self.assertIn("| t | 20 | 0.750 | 1.000 | 3.000 | 0.500 | 1.000 | +0.500 |", text)
        self.assertIn("| every tick within 2 ms of due | largest 3.000 ms | **not met** |", text)
        # A run that recorded no tick met no goal.
        text = self.render([{"kind": "timers", "seconds": 20}])
        self.assertIn("| every tick within 2 ms of due | largest inf ms | **not met** |", text)

    def test_windows_samples_make_their_own_table_beside_their_goals(self):
        linux_tick = {"kind": "tick", "timer": "t", "late_ms": 0.5, "at_ms": 0}
        windows_tick = dict(linux_tick, late_ms=4.0, build="windows")
        memory = [{"kind": "private_memory", "minute": m, "kib": k}
                  for m, k in [(0, 10240), (1, 12288), (2, 12300)]]
        text = self.render(
            [{"kind": "timers", "seconds": 1}, linux_tick,
             {"kind": "timers", "seconds": 1, "build": "windows"}, windows_tick,
             {"kind": "startup", "programs": ["bare_win32", "game_win32"], "runs": 3}]
            + starts("bare_win32", [200, 300, 400], 1024)
            + starts("game_win32", [360, 300, 600], 1024) + memory
            + [{"kind": "play", "seconds": 120, "target_presses": 1, "other_presses": 2,
                "boxes_dismissed": 0, "survived": True, "build": "windows"}])
        linux, windows = text.split("## The Windows build under wine")
        # Each build's ticks in its own table, and its goal judged on its own.
        self.assertIn("| every tick within 2 ms of due | largest 0.500 ms | met |", linux)
        self.assertNotIn("4.000", linux)
        self.assertIn("| tick lateness (the front end's precise timers) | largest 4.000 ms | "
                      "every tick of blastmap.exe within 2 ms of due | **not met** |", windows)
        # Medians 360 / 300; within rounds 1.8, 1.0 and 1.5.
        self.assertIn("| whole first frame, blastmap.exe / bare Win32 window | 1.200 x (within "
                      "rounds 1.500 x) | blastmap.exe's whole first frame <= 1.10 x the bare "
                      "Win32 window's | **not met** |", windows)
        self.assertIn("| bare Win32 window | 298.0 | 300.0 | 300.0 | 200.0 / 400.0 |", windows)
        # Growth counts from the first minute: what the first box and panels take stays.
        self.assertIn("10.00 / 12.00 / 12.01 MiB, +12 KiB from 1 min to the end | no growth of "
                      "blastmap.exe's private memory over the game (1 min to end) | **not met** |",
                      windows)

    def test_start_points_come_in_the_lists_order_each_timed_since_the_one_before(self):
        meaning = dict(report.POINTS)
        text = self.render(
            [{"kind": "attribution", "programs": ["bare", "game"], "paths": ["b", "g"]},
             # The marks are ns on the monotonic clock, the spawn too; the driver's sightings ms.
             {"kind": "marks", "program": "bare", "spawn_ns": 5_000_000, "mapped_ms": 20,
              "whole_ms": 30, "printed": "pid 12\nmark.main 6000000\n"},
             {"kind": "marks", "program": "game", "spawn_ns": 1_000_000, "mapped_ms": 25,
              "whole_ms": 40, "printed": "pid 13\nmark.main 3000000\nmark.application 11000000\n"}])
        lines = text.splitlines()
        first = lines.index("| point | bare Qt window | Blastmap |") + 2
        rows = list(itertools.takewhile(lambda line: line.startswith("| "), lines[first:]))
        self.assertEqual([row.split(" | ")[0][2:] for row in rows],
                         [meaning for _, meaning in report.POINTS])
        self.assertIn(f"| {meaning['main']} | 1.0 / +1.0 | 2.0 / +2.0 |", text)
        # The bare window has no application mark: its next point counts from its main.
        self.assertIn(f"| {meaning['application']} | - | 10.0 / +8.0 |", text)
        self.assertIn(f"| {meaning['mapped']} | 20.0 / +19.0 | 25.0 / +15.0 |", text)
        self.assertIn(f"| {meaning['whole frame']} | 30.0 / +10.0 | 40.0 / +15.0 |", text)

    def test_a_start_point_it_cannot_read_stops_the_report(self):
        with tempfile.TemporaryDirectory() as folder:
            points = pathlib.Path(folder) / "points.def"
            points.write_text('START_POINT(main, "main", "entered")\n'
                              'START_POINT(paint, "paint",\n'
                              '            "first paint")\n')
            with self.assertRaises(SystemExit):
                report.read_points(points)

    def test_profiled_samples_count_as_ms_per_start_and_other_threads_apart(self):
        profile = lambda main, all: {"kind": "profile", "program": "game", "main": main,
                                     "all": all}
        text = self.render(
            [{"kind": "attribution", "programs": ["game"], "paths": ["g"]},
             {"kind": "profiler", "how": "perf", "sample_ms": 0.1},
             profile([["libfreetype.so.6", "FT_Load_Glyph", 30]],
                     [["libfreetype.so.6", "FT_Load_Glyph", 30], ["libc.so.6", "read", 10]]),
             profile([["libfreetype.so.6", "FT_Load_Glyph", 10], ["ld-linux.so.2", "x", 4]],
                     [["libfreetype.so.6", "FT_Load_Glyph", 10], ["ld-linux.so.2", "x", 4]])])
        # 40 samples of fonts over 2 starts at 0.1 ms; 10 samples on other threads.
        self.assertIn("| fonts: configuration, faces, shaping and layout | 2.00 |", text)
        self.assertIn("| **main thread, in all** | **2.20** |", text)
        self.assertIn("| other threads (Qt's X event reader, the font reader, D-Bus) | 0.50 |", text)

    def test_a_missing_profiler_is_said_and_not_taken_for_zero(self):
        text = self.render([{"kind": "attribution", "programs": ["game"], "paths": ["g"]},
                            {"kind": "profiler", "missing": "no perf"}])
        self.assertIn("Not profiled: no perf.", text)

    def test_profile_samples_fall_in_their_categories(self):
        self.assertEqual(report.category("libQt6Widgets.so.6", "QFusionStyle::drawControl"),
                         "style: polish, metrics, drawing")
        self.assertEqual(report.category("libQt6Gui.so.6", "QFusionStyle::polish"),
                         "Qt core and GUI, other")
        self.assertEqual(report.category("libQt6Gui.so.6", "QPainter::drawPixmap"),
                         "painting and the backing store")
        self.assertEqual(report.category("libfoo.so", "bar"), "other libraries")


class SampleListTest(unittest.TestCase):
    def test_a_sample_is_checked_against_its_kinds_keys(self):
        self.assertEqual(samples.check({"kind": "rss", "minute": 1, "kib": 2})["kib"], 2)
        with self.assertRaisesRegex(ValueError, "rss_kb"):
            samples.check({"kind": "rss", "minute": 1, "rss_kb": 2})
        with self.assertRaisesRegex(ValueError, "no known kind"):
            samples.check({"kind": "heap", "kib": 2})
        with self.assertRaisesRegex(ValueError, "no known kind"):
            samples.check({"kib": 2})

    def test_the_report_refuses_a_file_with_a_sample_off_the_list(self):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "samples.jsonl"
            path.write_text('{"kind": "rss", "minute": 0, "kib": 1}\nnoise from a program\n'
                            '{"kind": "rss", "minute": 1, "kib": 1, "extra": 0}\n')
            with self.assertRaises(ValueError):
                samples.read(path)
            path.write_text('{"kind": "rss", "minute": 0, "kib": 1}\nnoise from a program\n')
            self.assertEqual(len(samples.read(path)), 1)

    def test_the_list_gives_the_roles_and_their_labels(self):
        self.assertEqual(samples.ROLES["game"], "Blastmap")
        self.assertEqual(samples.label("plain"), "plain-Qt window")
        self.assertEqual(samples.label("/old/blastmap"), "compared: /old/blastmap")

    def test_an_entry_it_cannot_read_stops_the_reader(self):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "samples.def"
            path.write_text('SAMPLE_KIND(rss, "minute kib")\nPROGRAM(game, "Blastmap")\n')
            self.assertEqual(samples.read_list(path), ({"rss": {"minute", "kib"}},
                                                       {"game": "Blastmap"}))
            path.write_text('SAMPLE_KIND(rss, "minute kib")\nPROGRAM(game, Blastmap)\n')
            with self.assertRaises(SystemExit):
                samples.read_list(path)


class StartOrderTest(unittest.TestCase):
    def test_each_round_starts_every_program_once_and_the_next_one_first(self):
        # bench/run is a script, not a module: load it by its path.
        loader = importlib.machinery.SourceFileLoader("bench_run", str(TESTDATA.parent / "run"))
        run = importlib.util.module_from_spec(importlib.util.spec_from_loader("bench_run", loader))
        loader.exec_module(run)
        fields = run.in_rounds([("bare", "/b"), ("plain", "/p"), ("game", "/g")], -1, 2)
        # A start is three fields; the round below 0 warms the caches, in the list's order.
        self.assertEqual(list(zip(*[iter(fields)] * 3)), [
            (-1, "bare", "/b"), (-1, "plain", "/p"), (-1, "game", "/g"),
            (0, "plain", "/p"), (0, "game", "/g"), (0, "bare", "/b"),
            (1, "game", "/g"), (1, "bare", "/b"), (1, "plain", "/p")])
        self.assertEqual(run.in_rounds([("game", "/g")], 0, 0), [])


class ParsingTest(unittest.TestCase):
    def test_perf_reports_rows_come_as_object_symbol_and_samples(self):
        # Saved from perf report --stdio -q --sort dso,sym -F sample,dso,sym -t TAB.
        rows = start_profile.parse_perf_report((TESTDATA / "perf_report.txt").read_text())
        self.assertEqual(len(rows), 8)  # and two blank lines
        self.assertEqual(rows[0], ["[kernel.kallsyms]", "__rcu_read_lock", 30])
        self.assertIn(["ld-linux-x86-64.so.2", "dl_main", 1], rows)
        self.assertEqual(sum(r[2] for r in rows), 37)
        self.assertEqual(start_profile.parse_perf_report("\n# a comment\nno tabs here\n"), [])

    def test_the_loaders_statistics_are_the_starts_not_the_exits(self):
        # Saved from LD_DEBUG=statistics: the start's report, then the one at exit.
        text = (TESTDATA / "ld_debug_statistics.txt").read_text()
        self.assertEqual(start_profile.parse_loader_statistics(text),
                         {"cycles": 117084, "relocations": 333, "from_cache": 7})
        self.assertEqual(start_profile.parse_loader_statistics(""),
                         {"cycles": -1, "relocations": -1, "from_cache": -1})

    def test_marks_give_the_pid_and_each_points_ns(self):
        pid, marks = start_profile.parse_marks(
            "qt.qpa: a warning\npid 4242\nmark.main 100\nmark.whole frame 300\n")
        self.assertEqual(pid, 4242)
        self.assertEqual(marks, {"main": 100, "whole frame": 300})
        self.assertEqual(start_profile.parse_marks("nothing"), (None, {}))

    def test_the_profilers_sample_is_one_period_of_its_rate(self):
        self.assertAlmostEqual(start_profile.SAMPLE_MS * start_profile.PERF_HZ, 1000)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
