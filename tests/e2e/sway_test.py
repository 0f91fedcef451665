"""The game under sway, a tiling Wayland compositor that draws the windows' frames itself.

Run with /usr/bin/python3: sway_test.py GAME. Sway refuses to run as root, so as root the test
runs sway and the game as nobody, from a copy of the game that nobody can read. Sway runs
headless (no display, no input devices) with a private runtime folder.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

GAME = None
APP_ID = "org.example.Blastmap"
# The design's client area, in pixels.
CLIENT = (402, 328)
DEADLINE = 20


def as_user():
    if os.getuid() != 0:
        return None

    def drop():
        os.setgroups([])
        os.setgid(65534)
        os.setuid(65534)
    return drop


def wait_until(condition):
    end = time.monotonic() + DEADLINE
    while time.monotonic() < end:
        found = condition()
        if found:
            return found
        time.sleep(0.1)
    return condition()


def nodes(tree, floating=False):
    """Every window of the tree, with whether it floats."""
    for node in tree.get("nodes", []):
        yield node, floating
        yield from nodes(node, floating)
    for node in tree.get("floating_nodes", []):
        yield node, True
        yield from nodes(node, True)


class Sway(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="blastmap-sway-")
        self.addCleanup(shutil.rmtree, self.work, ignore_errors=True)
        os.chmod(self.work, 0o755)
        game = os.path.join(self.work, "blastmap")
        shutil.copy(GAME, game)
        os.chmod(game, 0o755)
        runtime = os.path.join(self.work, "run")
        os.mkdir(runtime, 0o700)
        if os.getuid() == 0:
            os.chown(runtime, 65534, 65534)
        config = os.path.join(self.work, "config")
        with open(config, "w") as file:
            file.write("output HEADLESS-1 resolution 1024x768\n")
        self.env = dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=self.work,
                        WLR_BACKENDS="headless", WLR_RENDERER="pixman",
                        WLR_LIBINPUT_NO_DEVICES="1")
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK", "QT_QPA_PLATFORM"):
            self.env.pop(name, None)
        self.log = open(os.path.join(self.work, "sway.log"), "w")
        self.sway = self.start(["sway", "-c", config])
        self.socket = wait_until(lambda: next(
            (os.path.join(runtime, f) for f in os.listdir(runtime) if f.startswith("sway-ipc")),
            None))
        self.assertTrue(self.socket, "sway never opened its socket")
        self.display = wait_until(lambda: next(
            (f for f in os.listdir(runtime) if f.startswith("wayland-") and
             not f.endswith(".lock")), None))
        self.assertTrue(self.display, "sway never opened a Wayland display")
        self.game = self.start([game], WAYLAND_DISPLAY=self.display, QT_QPA_PLATFORM="wayland")

    def start(self, command, **extra):
        child = subprocess.Popen(command, env=dict(self.env, **extra), stdout=self.log,
                                 stderr=subprocess.STDOUT, preexec_fn=as_user())
        self.addCleanup(self.stop, child)
        return child

    @staticmethod
    def stop(child):
        child.terminate()
        try:
            child.wait(5)
        except subprocess.TimeoutExpired:
            child.kill()
            child.wait()

    def the_game(self):
        tree = subprocess.run(["swaymsg", "-s", self.socket, "-t", "get_tree"],
                              capture_output=True, text=True, env=self.env,
                              preexec_fn=as_user())
        if tree.returncode != 0:
            return None
        return next(((node, floating) for node, floating in nodes(json.loads(tree.stdout))
                     if node.get("app_id") == APP_ID and node["geometry"]["width"] > 0), None)

    def test_the_window_floats_at_its_own_size(self):
        found = wait_until(self.the_game)
        self.assertTrue(found, "the game's window never showed under sway")
        node, floating = found
        self.assertTrue(floating, "sway tiled the game: " + json.dumps(node["rect"]))
        geometry = node["geometry"]
        self.assertEqual((geometry["width"], geometry["height"]), CLIENT)


if __name__ == "__main__":
    GAME = sys.argv.pop(1)
    unittest.main()
