"""The game played from the keyboard under Orca itself, checking what Orca says at each step.

Run with Debian's /usr/bin/python3: orca_test.py GAME. Orca, openbox, Xvfb and the game run in a
private session that orca_driver.py sets up; Orca's speech goes to speech-dispatcher's dummy
module and is read back from Orca's debug log.
"""

import json
import os
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
GAME = None

INSTRUCTIONS = "Pretty simple, really: Click the infamous tyrant when he pops up."

# A step, then words that Orca must say after it and words it must not.
STEPS = [
    # The target first, while the bar leaves it up longest and no civilian stands over it.
    ("click image Target",
     ["alert Blastmap", "Congratulations, you got him! Press Ok to play again.",
      "OK push button"], []),
    # Behind the box nothing of the window is said, whatever the timers do meanwhile.
    ("key Tab", [], ["Instructions", "Credits", "Civilian check box", "scroll bar"]),
    ("key Return", ["Blastmap frame", "Credits! push button"], []),
    ("key space", ["Credits shown; the button now reads Done"], []),
    ("key Tab", ["Instructions push button"], []),
    ("key space", [INSTRUCTIONS], []),
    ("key space", ["Instructions closed"], []),
    ("key Tab", ["Difficulty, milliseconds the target stays up scroll bar 650"], []),
    ("key Right", ["625"], []),
    ("key End", ["200"], []),
    ("key Tab", ["Credits read only text", "Blastmap Version"], []),
    ("key Down", ["Written, programmed, produced"], []),
    ("key Tab", ["Civilian check box not checked"], []),
    ("key space", ["checked"], []),
    ("key Tab", ["Done push button"], []),
    ("key Return", ["Credits closed; the button reads Credits! again"], []),
    ("click image Civilian",
     ["alert Blastmap", "What's your problem? You just blew up an innocent civilian!",
      "OK push button"], []),
    ("key Tab", [], ["Instructions", "Credits", "Civilian check box", "scroll bar"]),
    ("key Return", ["Blastmap frame"], []),
]


def said(result):
    return " ".join(result["spoken"])


class OrcaSpeaksTheGame(unittest.TestCase):
    def test_every_control_panel_and_box_is_spoken(self):
        driver = subprocess.run(
            ["/usr/bin/python3", os.path.join(HERE, "orca_driver.py"), "--game", GAME]
            + [step + (" => " + wanted[-1] if wanted else "") for step, wanted, _ in STEPS],
            capture_output=True, text=True, timeout=400)
        # The session's services may write on the same output; the driver writes JSON lines.
        results = [json.loads(line) for line in driver.stdout.splitlines()
                   if line.startswith("{")]
        self.assertEqual(driver.returncode, 0, driver.stderr)
        self.assertEqual(len(results), len(STEPS) + 1, driver.stdout)

        start = said(results[0])
        for words in ["Blastmap frame", "Credits! push button"]:
            self.assertIn(words, start)
        for (step, wanted, unwanted), result in zip(STEPS, results[1:]):
            with self.subTest(step=step):
                self.assertNotIn("failure", result)
                spoken = said(result)
                for words in wanted:
                    self.assertIn(words, spoken)
                for words in unwanted:
                    self.assertNotIn(words, spoken)


if __name__ == "__main__":
    GAME = sys.argv.pop(1)
    unittest.main()
