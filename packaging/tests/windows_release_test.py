"""The Windows release the build makes: the installer and the portable zip, read with msitools
and binutils, and the installer run by Wine's Windows Installer in a wine prefix of the test's
own: a silent install, the game started from its Start menu shortcut, an upgrade from an older
version, a refused downgrade, and a removal that leaves nothing behind.

Run with /usr/bin/python3: windows_release_test.py --msi M --zip Z --wxs W --version V
--wixl P --windres P --icon P --wine-run P [unittest arguments].
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

ARGS = None
NAME = "Blastmap"
PUBLISHER = "The Blastmap developers"
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
PRODUCTS = r"HKLM\Software\Classes\Installer\Products"
# Windows Installer's "fatal error during installation"; wine's exit status keeps its low byte.
ERROR_INSTALL_FAILURE = 1603
DEADLINE = 30


def run(command, **options):
    return subprocess.run(command, check=True, capture_output=True, text=True, **options)


def msi_table(msi, table):
    """The rows of one table, each a list of its columns."""
    lines = run(["msiinfo", "export", msi, table]).stdout.splitlines()
    # Column names, column types and the table's key come first.
    return [line.rstrip("\r").split("\t") for line in lines[3:]]


def msi_properties(msi):
    return {row[0]: row[1] for row in msi_table(msi, "Property")}


def version_record(exe):
    """FILEVERSION, PRODUCTVERSION and the string values of an executable's version record."""
    text = run([ARGS.windres, "-i", exe, "-O", "rc"]).stdout
    record = dict(re.findall(r'VALUE "(\w+)", "([^"]*)"', text))
    for field in ("FILEVERSION", "PRODUCTVERSION"):
        found = re.search(rf"^ {field} ([\d, ]+)$", text, re.MULTILINE)
        record[field] = found.group(1).replace(" ", "") if found else None
    return record


def packed(guid):
    """A GUID as Windows Installer spells it in registry key names."""
    digits = guid.strip("{}").replace("-", "").upper()
    swapped = "".join(digits[i + 1] + digits[i] for i in range(16, 32, 2))
    return digits[7::-1] + digits[11:7:-1] + digits[15:11:-1] + swapped


def older(version):
    """A version below the given one: its last part that is not 0, less one."""
    parts = [int(part) for part in version.split(".")]
    last = max(i for i, part in enumerate(parts) if part > 0)
    parts[last] -= 1
    return ".".join(map(str, parts))


class ReleaseFiles(unittest.TestCase):
    """What the installer and the zip hold, read without running them."""

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="blastmap-windows-")
        self.addCleanup(shutil.rmtree, self.work, ignore_errors=True)

    def extract_msi(self):
        run(["msiextract", "-C", os.path.join(self.work, "msi"), ARGS.msi])
        return os.path.join(self.work, "msi", NAME)

    def test_database_reads_back_whole_and_carries_its_files(self):
        tables = run(["msiinfo", "tables", ARGS.msi]).stdout.split()
        for table in ("File", "Component", "Shortcut", "Upgrade", "LaunchCondition", "Icon"):
            self.assertIn(table, tables)
        for table in tables:
            if not table.startswith("_"):
                with self.subTest(table=table):
                    run(["msiinfo", "export", ARGS.msi, table])
        # A 64-bit package, which 32-bit Windows refuses rather than install a program it cannot
        # run.
        summary = run(["msiinfo", "suminfo", ARGS.msi]).stdout
        self.assertRegex(summary, r"(?m)^Template: x64;1033$")
        # The release is the .msi alone: every cabinet is a stream inside it ("#"), none a file
        # beside it, which the tests under wine, run in the build folder, would still find.
        cabinets = [row[3] for row in msi_table(ARGS.msi, "Media")]
        self.assertTrue(cabinets and all(cabinet.startswith("#") for cabinet in cabinets),
                        cabinets)

    def test_versions_agree(self):
        """project(), the installer's ProductVersion and the packed executable's version record
        give one version, the record in its own form: 1.2.2 is 1,2,0,2 and "1.02.0002"."""
        major, minor, patch = ARGS.version.split(".")
        numbers = f"{major},{minor},0,{patch}"
        text = f"{major}.{int(minor):02}.{int(patch):04}"
        record = version_record(os.path.join(self.extract_msi(), "blastmap.exe"))
        for name, found, wanted in (
                ("the installer's ProductVersion", msi_properties(ARGS.msi)["ProductVersion"],
                 ARGS.version),
                ("FILEVERSION", record["FILEVERSION"], numbers),
                ("PRODUCTVERSION", record["PRODUCTVERSION"], numbers),
                ("FileVersion", record.get("FileVersion"), text),
                ("ProductVersion", record.get("ProductVersion"), text),
                ("ProductName", record.get("ProductName"), NAME)):
            with self.subTest(field=name):
                self.assertEqual(found, wanted)

    def test_zip_holds_the_installers_game_licence_and_read_me(self):
        folder = os.path.splitext(os.path.basename(ARGS.zip))[0]
        with zipfile.ZipFile(ARGS.zip) as archive:
            self.assertIsNone(archive.testzip())
            names = sorted(name for name in archive.namelist() if not name.endswith("/"))
            self.assertEqual(names, [f"{folder}/{name}" for name in
                                     ("LICENSE.txt", "README.txt", "blastmap.exe")])
            files = {name.split("/")[1]: archive.read(name) for name in names}
        installed = self.extract_msi()
        for name in ("blastmap.exe", "LICENSE.txt"):
            with self.subTest(file=name), open(os.path.join(installed, name), "rb") as file:
                self.assertEqual(files[name], file.read(), f"the zip's {name} is not the MSI's")
        readme = files["README.txt"].decode("utf-8")
        # It points to the installer of its own version, by the name the build gives it.
        self.assertIn(os.path.basename(ARGS.msi), readme)
        for name in ("LICENSE.txt", "README.txt"):
            with self.subTest(crlf=name):
                self.assertNotRegex(files[name], rb"(?<!\r)\n", "Notepad wants CRLF line ends")


class Prefix:
    """A wine prefix of the test's own, run through the project's runner, with a home of its
    own so that nothing reaches the user's; its server stays up from start() to stop()."""

    def __init__(self, folder, display):
        self.root = os.path.join(folder, "prefix")
        home = os.path.join(folder, "home")
        os.mkdir(home)
        # A display of the test's own: without one the runner starts an Xvfb for every command.
        self.env = dict(os.environ, HOME=home, DISPLAY=display, WINEDEBUG="-all")
        self.start()

    def runner(self, *arguments):
        return [ARGS.wine_run, "--prefix", self.root, *arguments]

    def start(self):
        """Makes the prefix if it is not there yet, and starts its server and services."""
        subprocess.run(self.runner("--start-server"), env=self.env, check=True, timeout=300)

    def stop(self):
        """Ends every process of the prefix, the server last."""
        subprocess.run(self.runner("--stop-server"), env=self.env, timeout=60)

    def wine(self, arguments):
        """Runs a Windows command to its end: its status and output."""
        result = subprocess.run(self.runner(*arguments), env=self.env, capture_output=True,
                                timeout=120)
        return result.returncode, (result.stdout + result.stderr).decode(errors="replace")

    def unix(self, path):
        """The file a C:\\ path names."""
        assert re.match(r"(?i)^c:\\", path), path
        return os.path.join(self.root, "drive_c", *path[3:].rstrip("\\").split("\\"))

    def msiexec(self, option, msi, log):
        # As drive Z: paths, which msiexec cannot take for options as it could /tmp/...
        status, _ = self.wine(["msiexec", option, windows_path(msi), "/qn", "/l*v",
                               windows_path(log)])
        with open(log, errors="replace") as file:
            return status, file.read()

    def values(self, key):
        """The values of a registry key as texts, or None if there is no such key."""
        status, output = self.wine(["reg", "query", key])
        if status != 0:
            return None
        return dict((name, value) for name, _, value in
                    re.findall(r"(?m)^ {4}(\S.*?) {4}(REG_\w+) {4}(.*?)\r?$", output))

    def subkeys_where(self, key, name, value):
        """The subkeys of a key that hold the given value."""
        _, output = self.wine(["reg", "query", key, "/s"])
        found = []
        for block in re.split(r"\r?\n(?=HKEY_)", output):
            lines = block.strip().splitlines()
            if lines and re.search(rf"(?m)^ {{4}}{re.escape(name)} {{4}}REG_SZ {{4}}"
                                   rf"{re.escape(value)}\r?$", block):
                found.append(lines[0].rstrip("\r"))
        return found

    def snapshot(self):
        """Every file and folder of drive C and every registry key and value, one entry each."""
        entries = set()
        drive = os.path.join(self.root, "drive_c")
        for folder, subfolders, files in os.walk(drive):
            for name in subfolders + files:
                entries.add("file " + os.path.relpath(os.path.join(folder, name), drive))
        for hive in ("HKLM", "HKCU"):
            export = os.path.join(self.root, hive + ".reg")
            self.wine(["reg", "export", hive, export, "/y"])
            with open(export, encoding="utf-16") as file:
                key = None
                for line in file.read().splitlines():
                    if line.startswith("["):
                        key = line
                        entries.add(key)
                    elif line and not line.startswith("#"):
                        entries.add(f"{key} {line}")
        return entries


def windows_path(path):
    """Wine's drive Z: is the Unix root."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def log_property(log, name):
    """A property's final value, as the installer's verbose log lists them at its end."""
    values = re.findall(rf"(?m)^Property\([SC]\): {name} = (.*?)\r?$", log)
    return values[-1] if values else None


class WineTest(unittest.TestCase):
    maxDiff = None
    # The product codes the test installed, which nothing may name after the removal.
    product_codes = []

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="blastmap-wine-")
        self.addCleanup(shutil.rmtree, self.work, ignore_errors=True)
        display = self.start_xvfb()
        started = time.monotonic()
        self.prefix = Prefix(self.work, display)
        self.addCleanup(self.prefix.stop)
        print(f"\nwine prefix made in {time.monotonic() - started:.1f} s", file=sys.stderr)
        self.codes = [msi_properties(ARGS.msi)["UpgradeCode"]] + [
            row[1] for row in msi_table(ARGS.msi, "Component")]

    def start_xvfb(self):
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp",
                                 "-screen", "0", "1024x768x24"],
                                pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        self.addCleanup(xvfb.wait)
        self.addCleanup(xvfb.terminate)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        self.assertTrue(number, "Xvfb gave no display")
        return ":" + number

    def install(self, msi, name):
        log = os.path.join(self.work, name + ".log")
        started = time.monotonic()
        status, text = self.prefix.msiexec("/i", msi, log)
        print(f"msiexec /i {os.path.basename(msi)}: {time.monotonic() - started:.1f} s, "
              f"status {status}", file=sys.stderr)
        return status, text

    def installs(self):
        """The entries of the installed programs list named Blastmap, by product code, with
        their values."""
        return {key.rsplit("\\", 1)[1]: self.prefix.values(key) for key in
                self.prefix.subkeys_where(UNINSTALL, "DisplayName", NAME)}

    def assert_leaves_nothing(self, before):
        """Nothing that names the game or one of its codes is left that was not there before:
        the installer service may keep its own empty keys and folders."""
        names = [NAME.lower()] + [form.lower() for code in self.codes + self.product_codes
                                  for form in (code.strip("{}"), packed(code))]
        left = sorted(entry for entry in self.prefix.snapshot() - before
                      if any(name in entry.lower() for name in names))
        self.assertEqual(left, [], "the removal left these behind")


class InstallRunRemove(WineTest):
    def test_install_start_and_remove(self):
        before = self.prefix.snapshot()
        status, log = self.install(ARGS.msi, "install")
        self.assertEqual(status, 0, log)

        # The files, where the package says: Program Files\Blastmap, the 64-bit one.
        folder = log_property(log, "INSTALLFOLDER")
        self.assertEqual(folder, rf"C:\Program Files\{NAME}" + "\\")
        self.assertEqual(log_property(log, "ProgramFiles64Folder"), "C:\\Program Files\\")
        for row in msi_table(ARGS.msi, "File"):
            name, size = row[2].split("|")[-1], int(row[3])
            with self.subTest(file=name):
                self.assertEqual(os.path.getsize(self.prefix.unix(folder + name)), size)

        # The entry of the installed programs list, with the dart as its icon.
        product = log_property(log, "ProductCode")
        self.product_codes = [product]
        installs = self.installs()
        self.assertEqual(list(installs), [product])
        entry = installs[product]
        for name, value in (("DisplayName", NAME), ("DisplayVersion", ARGS.version),
                            ("Publisher", PUBLISHER), ("InstallLocation", folder)):
            with self.subTest(value=name):
                self.assertEqual(entry.get(name), value)
        icon = self.prefix.values(rf"{PRODUCTS}\{packed(product)}").get("ProductIcon")
        self.assert_dart(icon)

        # The Start menu shortcut, named after the game, to the installed game, with the dart.
        # Wine resolves the Start menu of every user to the installing user's.
        menu = log_property(log, "ProgramMenuFolder")
        self.assertRegex(menu, r"\\Start Menu\\Programs\\$")
        shortcut = self.prefix.unix(menu + NAME + ".lnk")
        with open(shortcut, "rb") as file:
            link = file.read()
        # The target as the link's own record of it holds it, in the system's code page.
        self.assertIn((folder + "blastmap.exe").encode("ascii") + b"\0", link)
        icons = re.findall(rb"[A-Za-z]\0:\0\\\0(?:[ -~]\0)*?\.\0i\0c\0o\0", link)
        self.assertEqual(len(icons), 1, icons)
        self.assert_dart(icons[0].decode("utf-16-le"))

        # Started as a player would, from the shortcut, the installed game shows its window.
        # By its C: path: Wine's shell opens no link by a drive Z: path.
        status, output = self.prefix.wine(["start", menu + NAME + ".lnk"])
        self.assertEqual(status, 0, output)
        self.assertTrue(self.wait_for_window(), "the installed game showed no window")
        self.prefix.stop()
        self.prefix.start()

        started = time.monotonic()
        status, log = self.prefix.msiexec("/x", ARGS.msi, os.path.join(self.work, "remove.log"))
        print(f"msiexec /x: {time.monotonic() - started:.1f} s", file=sys.stderr)
        self.assertEqual(status, 0, log)
        self.assert_leaves_nothing(before)

    def assert_dart(self, path):
        """The icon at a C:\\ path is the dart."""
        self.assertTrue(path and path.lower().endswith(".ico"), path)
        with open(self.prefix.unix(path), "rb") as shown, open(ARGS.icon, "rb") as dart:
            self.assertEqual(shown.read(), dart.read(), f"{path} is not the dart")

    def wait_for_window(self):
        """A visible top-level window titled Blastmap whose class wine names after the game's
        executable."""
        end = time.monotonic() + DEADLINE
        while time.monotonic() < end:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{NAME}$"],
                                   env=self.prefix.env, capture_output=True, text=True)
            for window in found.stdout.split():
                wm_class = subprocess.run(["xprop", "-id", window, "WM_CLASS"],
                                          env=self.prefix.env, capture_output=True, text=True)
                if '"blastmap.exe"' in wm_class.stdout:
                    return True
            time.sleep(0.2)
        return False


class UpgradeAndDowngrade(WineTest):
    def test_newer_replaces_older_and_older_is_refused(self):
        before = self.prefix.snapshot()
        # The same files, under an older version.
        old_version = older(ARGS.version)
        old = os.path.join(self.work, f"blastmap-{old_version}-win64.msi")
        run([ARGS.wixl, "--arch", "x64", "--define", f"Version={old_version}", "--output", old,
             ARGS.wxs])
        self.assertEqual(msi_properties(old)["UpgradeCode"], self.codes[0])

        status, log = self.install(old, "older")
        self.assertEqual(status, 0, log)
        old_product = log_property(log, "ProductCode")
        status, log = self.install(ARGS.msi, "upgrade")
        self.assertEqual(status, 0, log)
        product = log_property(log, "ProductCode")
        self.product_codes = [old_product, product]
        self.assertNotEqual(product, old_product)
        self.assert_one_install(product)

        # Back to the older one: refused, with the package's message, and the newer one stays.
        status, log = self.install(old, "downgrade")
        self.assertEqual(status, ERROR_INSTALL_FAILURE & 0xFF, log)
        self.assertEqual(log_property(log, "WIX_DOWNGRADE_DETECTED"), product)
        conditions = dict(msi_table(old, "LaunchCondition"))
        self.assertRegex(conditions.get("NOT WIX_DOWNGRADE_DETECTED", ""),
                         rf"^A newer version of {NAME} is already installed")
        self.assert_one_install(product)

        status, log = self.prefix.msiexec("/x", ARGS.msi, os.path.join(self.work, "remove.log"))
        self.assertEqual(status, 0, log)
        self.assert_leaves_nothing(before)

    def assert_one_install(self, product):
        installs = self.installs()
        self.assertEqual(list(installs), [product])
        self.assertEqual(installs[product].get("DisplayVersion"), ARGS.version)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    for option in ("msi", "zip", "wxs", "version", "wixl", "windres", "icon", "wine-run"):
        parser.add_argument("--" + option, required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
