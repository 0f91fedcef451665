"""Plays the game from the keyboard under Orca and prints what Orca spoke after each step.

Run with Debian's /usr/bin/python3:

  orca_driver.py [--display :N] [--game PATH] [--work DIR] [STEP ...]

Each STEP is either an xdotool command line ("key Tab", "key shift+Tab", "mousemove 10 10
click 1") or "click ROLE NAME", which presses the mouse on the centre of the first showing
object of that AT-SPI role and name ("click image Civilian", "click image Target") as soon as
it shows, and again should the press miss it, until the program opens a window (the box that
such a press opens). A STEP may end in " => WORDS": the step then waits (up to its deadline) until Orca has
spoken WORDS before it waits for Orca to fall quiet, so that a slow Orca on a busy machine does
not say them during the next step. Without STEPs they are read
from standard input, one a line, so another program can drive the game step by step. One JSON
line is printed a step: {"step", "spoken": [...], "problems": [...]}, "problems" being what Orca
logged as bad content or exceptions meanwhile. The first line, step "start", is what Orca said
of the window when it came up.

Everything runs in a private session: its own D-Bus session bus (dbus-run-session) and
accessibility bus, a private HOME and XDG directories under --work (a new temporary folder by
default, removed at the end unless given), its own Xvfb unless --display names one, and openbox,
without which Orca loses the focus when a message box closes. Orca's debug log, openbox's and
the game's output stay in the work folder.
"""

import argparse
import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_GAME = os.path.join(HERE, "..", "..", "build", "app", "blastmap")
INSIDE = "BLASTMAP_ORCA_SESSION"

# Orca's dummy speech needs some audio device to open; ALSA's null device is always there.
SPEECHD_CONF = """AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
"""

# A step is over once the game has answered a call made after it (so it has handled the input
# and sent its events) and Orca has then written nothing for this long; or at the deadline,
# whatever the game's timers keep it saying.
QUIET = 1.0
STEP_DEADLINE = 8.0
CLICK_ATTEMPTS = 5
BOX_DEADLINE = 2.0
START_DEADLINE = 30.0

TIMESTAMP = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
# The text, then the voice, a dictionary or a list of them.
SPOKEN = re.compile(r"^SPEECH OUTPUT: '(.*)'(?: voice=\w+)?(?:[\[{].*)?$", re.S)


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--display")
    parser.add_argument("--game", default=os.path.normpath(DEFAULT_GAME))
    parser.add_argument("--work")
    parser.add_argument("steps", nargs="*")
    return parser.parse_args()


def enter_private_session(args):
    """Re-runs this script in a private home and session bus; never returns."""
    work = args.work or tempfile.mkdtemp(prefix="orca-driver-")
    home = os.path.join(work, "home")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local", "share"),
               XDG_CACHE_HOME=os.path.join(home, ".cache"),
               XDG_RUNTIME_DIR=os.path.join(work, "run"), **{INSIDE: work})
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    env.pop("AT_SPI_BUS_ADDRESS", None)
    os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher"), exist_ok=True)
    os.makedirs(env["XDG_DATA_HOME"], exist_ok=True)
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
    with open(os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher", "speechd.conf"), "w") as f:
        f.write(SPEECHD_CONF)
    command = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__)]
    command += ["--game", args.game, "--work", work] + (["--display", args.display]
                                                        if args.display else []) + args.steps
    status = subprocess.call(command, env=env)
    if not args.work:
        shutil.rmtree(work, ignore_errors=True)
    sys.exit(status)


def wait_until(condition, deadline, every=0.05):
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        time.sleep(every)
    return condition()


class OrcaLog:
    """Orca's debug log, read a whole entry at a time as Orca writes it."""

    def __init__(self, path):
        wait_until(lambda: os.path.exists(path), 10)
        self.file = open(path, encoding="utf-8", errors="replace")
        self.partial = ""
        self.entries = []  # entries read but not yet taken
        self.last_growth = time.monotonic()

    def poll(self):
        chunk = self.file.read()
        if not chunk:
            return
        self.last_growth = time.monotonic()
        text = self.partial + chunk
        lines = text.split("\n")
        self.partial = lines.pop()  # a line Orca has not finished yet
        for line in lines:
            # Orca indents the continuation of a timestamped text with many lines.
            if self.entries and not TIMESTAMP.match(line) and line.startswith(" " * 18):
                self.entries[-1] += "\n" + line[18:]
            else:
                self.entries.append(TIMESTAMP.sub("", line))

    def take(self):
        taken, self.entries = self.entries, []
        return taken

    def settle(self):
        """Waits until Orca has been quiet for a while, then takes what it logged."""
        start = time.monotonic()
        end = start + STEP_DEADLINE
        while time.monotonic() < end:
            self.poll()
            if time.monotonic() - max(self.last_growth, start) >= QUIET:
                break
            time.sleep(0.05)
        return self.take()

    def wait_for(self, pattern, deadline):
        """Waits for an entry matching pattern; keeps every entry read for take()."""
        seen = 0

        def found():
            nonlocal seen
            self.poll()
            hit = any(re.search(pattern, e) for e in self.entries[seen:])
            seen = len(self.entries)
            return hit

        return wait_until(found, deadline)


def summary(step, entries):
    spoken, problems = [], []
    for entry in entries:
        match = SPOKEN.match(entry)
        if match:
            spoken.append(match.group(1))
        elif "bad content" in entry or entry.startswith("Traceback"):
            problems.append(entry)
    return {"step": step, "spoken": spoken, "problems": problems}


def start_display(work):
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=[write],
                            stderr=open(os.path.join(work, "xvfb.log"), "w"))
    os.close(write)
    with os.fdopen(read) as f:
        number = f.readline().strip()
    if not number:
        raise SystemExit("Xvfb did not start")
    return xvfb, ":" + number


def window_manager_running():
    root = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True,
                          text=True).stdout
    return "window id" in root


def application(pid):
    import pyatspi

    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def round_trip(pid):
    """Returns once the game has answered a call of its own (extents are never cached)."""
    import pyatspi

    app = application(pid)
    if app is not None and app.childCount:
        app[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def showing_centre(pid, role, name):
    import pyatspi

    app = application(pid)
    if app is not None:
        pending = list(app)
        while pending:
            obj = pending.pop()
            if obj is None:
                continue
            states = obj.getState()
            if not states.contains(pyatspi.STATE_SHOWING):
                continue
            if obj.getRoleName() == role and obj.name == name:
                box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                return box.x + box.width // 2, box.y + box.height // 2
            pending.extend(obj)
    return None


def window_count(pid):
    app = application(pid)
    return app.childCount if app is not None else 0


def run_step(step, game_pid):
    words = shlex.split(step)
    if words[:1] != ["click"]:
        result = subprocess.run(["xdotool"] + words, capture_output=True, text=True)
        return result.stderr.strip() if result.returncode else None
    # A press on something that moves (a civilian jumps, the target hides) may land after it
    # has gone: it presses again until the program opens a window, its message box.
    windows = window_count(game_pid)
    for _ in range(CLICK_ATTEMPTS):
        centre = wait_until(lambda: showing_centre(game_pid, words[1], " ".join(words[2:])),
                            STEP_DEADLINE, every=0.02)
        if not centre:
            return "never showed"
        subprocess.run(["xdotool", "mousemove", str(centre[0]), str(centre[1]), "click", "1"],
                       check=True)
        if wait_until(lambda: window_count(game_pid) > windows, BOX_DEADLINE):
            return None
    return "no press opened a window"


def play(args):
    work = os.environ[INSIDE]
    children = []
    try:
        if args.display:
            os.environ["DISPLAY"] = args.display
        else:
            xvfb, os.environ["DISPLAY"] = start_display(work)
            children.append(xvfb)
        children.append(subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL,
                                         stderr=open(os.path.join(work, "openbox.log"), "w")))
        if not wait_until(window_manager_running, 10):
            raise SystemExit("openbox did not start")

        log_path = os.path.join(work, "orca-debug.log")
        children.append(subprocess.Popen(
            [sys.executable, os.path.join(HERE, "orca_launcher.py"), log_path],
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "orca.err"), "w")))
        log = OrcaLog(log_path)
        if not log.wait_for(r"^ORCA: Starting registry", START_DEADLINE):
            raise SystemExit("Orca did not start; see " + log_path)
        log.take()

        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        game = subprocess.Popen([args.game], env=env, stdout=subprocess.DEVNULL,
                                stderr=open(os.path.join(work, "game.log"), "w"))
        children.append(game)
        # The window is announced once Orca speaks its frame.
        if not log.wait_for(r"^SPEECH OUTPUT: '.*frame", START_DEADLINE):
            raise SystemExit("Orca never announced the game's window; see " + log_path)
        print(json.dumps(summary("start", log.settle())), flush=True)

        steps = args.steps or (line.strip() for line in sys.stdin)
        for step in steps:
            if not step:
                continue
            step, _, expected = step.partition(" => ")
            failure = run_step(step, game.pid)
            round_trip(game.pid)
            if expected:
                log.wait_for(r"^SPEECH OUTPUT: '.*" + re.escape(expected), STEP_DEADLINE)
            result = summary(step, log.settle())
            if failure:
                result["failure"] = failure
            print(json.dumps(result), flush=True)
            if game.poll() is not None:
                raise SystemExit("the game exited with status %d" % game.returncode)
    finally:
        for child in reversed(children):
            child.terminate()
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()
        # Orca spawns speech-dispatcher, which would otherwise outlive the session's bus.
        pid_file = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "pid",
                                "speech-dispatcher.pid")
        try:
            os.kill(int(open(pid_file).read().strip()), 15)
        except (OSError, ValueError):
            pass


def main():
    args = parse_args()
    if INSIDE not in os.environ:
        enter_private_session(args)
    play(args)


if __name__ == "__main__":
    main()
