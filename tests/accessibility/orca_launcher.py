"""Starts Orca in this process with its debug output written line by line to a file.

Run with Debian's /usr/bin/python3, whose Orca it is, inside the session whose bus, display
and private home it should use (orca_driver.py sets all three up):

  orca_launcher.py DEBUG_FILE

Orca's own --debug-file opens the file block-buffered, so a reader sees what was spoken only
kilobytes later; here the file is opened line-buffered before Orca starts. Speech goes to
speech-dispatcher's dummy module; key echo, braille and sounds are off (the log is about the
program, not the keys); the settings live in $XDG_DATA_HOME/orca, never the user's own. /usr/bin/orca's check for
"another Orca running" is left out on purpose: it counts every user's process named orca on
the machine, while this one talks only to its own session bus.
"""

import sys

SETTINGS = {
    "speechServerFactory": "speechdispatcherfactory",
    "speechServerInfo": ["dummy", "dummy"],
    "enableKeyEcho": False,
    "enableBraille": False,
    "enableSound": False,
    "enableTutorialMessages": False,
}


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    from orca import debug

    debug.debugLevel = debug.LEVEL_ALL
    debug.eventDebugLevel = debug.LEVEL_OFF
    debug.debugFile = open(sys.argv[1], "w", buffering=1, encoding="utf-8")

    from orca import orca

    manager = orca.getSettingsManager()
    manager.activate(None, dict(SETTINGS))
    return orca.main()


if __name__ == "__main__":
    sys.exit(main())
