"""Reading Orca's debug log: what counts as spoken, and entries written in pieces."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orca_driver  # noqa: E402


class SummaryTest(unittest.TestCase):
    def test_spoken_text_is_taken_whatever_voice_follows_it(self):
        entries = [
            "SPEECH OUTPUT: 'Credits! push button.'{'established': False}",
            "SPEECH OUTPUT: 'Instructions'[{'established': False}]",
            "SPEECH OUTPUT: 'A' voice=uppercase{'average-pitch': 5.6}",
            "SPEECH OUTPUT: 'it's'",
            "SPEECH GENERATOR: default voice requested",
            "SPEECH: bad content sent to speak(): '[push button | Done]'",
        ]
        result = orca_driver.summary("key Tab", entries)
        self.assertEqual(result["spoken"], ["Credits! push button.", "Instructions", "A", "it's"])
        self.assertEqual(result["problems"], [entries[-1]])


class OrcaLogTest(unittest.TestCase):
    def test_entries_are_whole_lines_with_their_continuations(self):
        with tempfile.NamedTemporaryFile("w", delete=False) as f:
            path = f.name
        self.addCleanup(os.unlink, path)
        log = orca_driver.OrcaLog(path)
        self.addCleanup(log.file.close)
        with open(path, "a") as f:
            f.write("12:00:00.000001 - SPEECH OUTPUT: 'first\n" + " " * 18 + "second'{}\n")
            f.write("12:00:00.000002 - SPEECH OUTPUT: 'unfini")
        log.poll()
        self.assertEqual(log.take(), ["SPEECH OUTPUT: 'first\nsecond'{}"])
        with open(path, "a") as f:
            f.write("shed'{}\n")
        log.poll()
        self.assertEqual(orca_driver.summary("", log.take())["spoken"], ["unfinished"])


if __name__ == "__main__":
    unittest.main()
