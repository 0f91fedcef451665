"""The bench's report on samples whose figures are known: ratios, quantiles, trends and goals."""

import itertools
import pathlib
import sys
import tempfile
import unittest

import report


def starts(program, wholes, rss):
    return [{"kind": "start", "program": program, "round": r, "mapped_ms": w - 2,
             "shown_ms": w, "whole_ms": w, "rss_kib": rss, "cpu_ms": w} for r, w in
            enumerate(wholes)]


class ReportTest(unittest.TestCase):
    def render(self, samples):
        return report.Report(samples).render()

    def test_start_up_ratios_are_of_medians_and_within_rounds(self):
        text = self.render(
            [{"kind": "startup", "programs": ["bare Qt window", "plain-Qt window", "Blastmap"],
              "runs": 3}]
            + starts("bare Qt window", [10, 20, 40], 1024)
            + starts("plain-Qt window", [12, 22, 30], 2048)
            + starts("Blastmap", [11, 30, 44], 3072))
        # Medians 30 / 20; within rounds 1.1, 1.5 and 1.1.
        self.assertIn("Blastmap / bare = 1.500", text)
        self.assertIn("the median of the ratios within each round: 1.100", text)
        self.assertIn("Blastmap uses +1.00 MiB beside plain-Qt", text)
        self.assertIn("| start-up (whole first frame) <= 1.20 x bare | 1.500 x | **not met** |",
                      text)
        self.assertIn("| memory <= 1 MiB above plain-Qt | +1.00 MiB | met |", text)

    def test_timers_give_the_nearest_rank_quantile_the_drift_and_the_trend(self):
        ticks = [{"kind": "tick", "timer": "t", "late_ms": late, "at_ms": 1000 * i}
                 for i, late in enumerate([0.5] * 10 + [1.0] * 9 + [-3.0])]
        text = self.render([{"kind": "timers", "seconds": 20}] + ticks)
        # |late| sorted: ten 0.5, nine 1.0, one 3.0; the 95th percentile is the 19th.
        self.assertIn("| t | 20 | 0.750 | 1.000 | 3.000 | 0.500 | 1.000 | +0.500 |", text)
        self.assertIn("| every tick within 2 ms of due | largest 3.000 ms | **not met** |", text)

    def test_start_points_come_in_the_lists_order_each_timed_since_the_one_before(self):
        meaning = dict(report.POINTS)
        text = self.render(
            [{"kind": "attribution", "programs": ["bare", "Blastmap"]},
             {"kind": "marks", "program": "bare", "ms": {"main": 1, "whole frame": 30}},
             {"kind": "marks", "program": "Blastmap",
              "ms": {"main": 2, "application": 10, "whole frame": 40}}])
        lines = text.splitlines()
        first = lines.index("| point | bare | Blastmap |") + 2
        rows = list(itertools.takewhile(lambda line: line.startswith("| "), lines[first:]))
        self.assertEqual([row.split(" | ")[0][2:] for row in rows],
                         [meaning for _, meaning in report.POINTS])
        self.assertIn(f"| {meaning['main']} | 1.0 / +1.0 | 2.0 / +2.0 |", text)
        # The bare window has no application mark: its next point counts from its main.
        self.assertIn(f"| {meaning['application']} | - | 10.0 / +8.0 |", text)
        self.assertIn(f"| {meaning['whole frame']} | 30.0 / +29.0 | 40.0 / +30.0 |", text)

    def test_a_start_point_it_cannot_read_stops_the_report(self):
        with tempfile.TemporaryDirectory() as folder:
            points = pathlib.Path(folder) / "points.def"
            points.write_text('START_POINT(main, "main", "entered")\n'
                              'START_POINT(paint, "paint",\n'
                              '            "first paint")\n')
            with self.assertRaises(SystemExit):
                report.read_points(points)

    def test_profile_samples_fall_in_their_categories(self):
        self.assertEqual(report.category("libQt6Widgets.so.6", "QFusionStyle::drawControl"),
                         "style: polish, metrics, drawing")
        self.assertEqual(report.category("libQt6Gui.so.6", "QFusionStyle::polish"),
                         "Qt core and GUI, other")
        self.assertEqual(report.category("libQt6Gui.so.6", "QPainter::drawPixmap"),
                         "painting and the backing store")
        self.assertEqual(report.category("libfoo.so", "bar"), "other libraries")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
