#!/usr/bin/env python3
"""Profiles the start of the bench's marked builds up to their first flush, with perf where the
kernel lets it run, and reads the dynamic loader's statistics of one start of each.

    bench/start_profile.py SAMPLES [--runs N]

Reads the programs from the "attribution" sample of SAMPLES, which the driver wrote, and appends
"profiler", "profile" and "loader" samples to it. Starts its own Xvfb; bench/run starts it under
the same session bus as the driver.
"""

import argparse
import os
import re
import select
import signal
import subprocess
import sys
import tempfile
import time
from contextlib import contextmanager

import samples

# perf's sampling rate, and so what one sample stands for.
PERF_HZ = 10_000
SAMPLE_MS = 1000 / PERF_HZ
PERF = "/usr/bin/perf"


def parse_marks(printed):
    """(pid, {point: ns on the monotonic clock}) from what a marked build printed."""
    pid = re.search(r"^pid (\d+)$", printed, re.M)
    marks = {name: int(ns) for name, ns in re.findall(r"^mark\.(.+) (-?\d+)$", printed, re.M)}
    return (int(pid.group(1)) if pid else None), marks


def parse_perf_report(text):
    """perf report's tab-separated rows of samples, object and symbol as [object, symbol,
    samples], the symbol without its "[.] " or "[k] "."""
    rows = []
    for line in text.splitlines():
        fields = line.split("\t")
        if len(fields) == 3 and fields[0].strip().isdigit():
            symbol = re.sub(r"^\[.\] ", "", fields[2].strip())
            rows.append([fields[1].strip(), symbol, int(fields[0])])
    return rows


def parse_loader_statistics(text):
    """The start's figures from LD_DEBUG=statistics output: the first report is the start's,
    another comes at exit. -1 for a figure it does not hold."""
    def figure(label):
        found = re.search(r"^\s*\d*:?\s*" + label + r":\s*(\d+)", text, re.M)
        return int(found.group(1)) if found else -1
    return {"cycles": figure("total startup time in dynamic loader"),
            "relocations": figure("number of relocations"),
            "from_cache": figure("number of relocations from cache")}


@contextmanager
def xvfb():
    """A private Xvfb as the driver's, yielding its DISPLAY."""
    reader, writer = os.pipe()
    server = subprocess.Popen(["/usr/bin/Xvfb", "-displayfd", str(writer), "-screen", "0",
                               "1024x768x24", "-noreset", "-nolisten", "tcp"], pass_fds=[writer],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(writer)
    with os.fdopen(reader) as report:
        number = report.readline().strip()
    try:
        if not number:
            raise RuntimeError("Xvfb named no display")
        yield f":{number}"
    finally:
        server.terminate()
        server.wait()


def until_flushed(command, env, stop, seconds=20):
    """Starts the command, waits until it has printed its flushed mark (or ended, or the time
    ran out), sends it `stop`, and returns all it printed."""
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE)
    printed = b""
    deadline = time.monotonic() + seconds
    while not re.search(rb"mark\.flushed -?\d+\n", printed):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([process.stdout], [], [], left)[0]:
            break
        chunk = os.read(process.stdout.fileno(), 65536)
        if not chunk:
            break
        printed += chunk
    process.send_signal(stop)
    printed += process.communicate()[0]
    return printed.decode(errors="replace")


def perf_missing(env):
    """Why perf cannot profile here, or None if it can."""
    if not os.access(PERF, os.X_OK):
        return "no /usr/bin/perf (Debian's linux-perf)"
    if subprocess.run([PERF, "stat", "-e", "cpu-clock", "/bin/true"], env=env,
                      capture_output=True).returncode != 0:
        return "perf is here but may not count cpu-clock (kernel.perf_event_paranoid?)"
    return None


def report_rows(data, which, ident, until_s):
    """perf report's rows for one thread or process (`which` is --tid or --pid) up to a moment."""
    report = subprocess.run([PERF, "report", "-i", data, "--stdio", "-q", "--sort", "dso,sym",
                             "-F", "sample,dso,sym", "-t", "\t", which, str(ident),
                             "--time", f",{until_s:.9f}"], capture_output=True, text=True)
    return parse_perf_report(report.stdout)


def profile(role, path, env, data):
    """One start under perf, its samples up to the first flush, or None if it showed no marks."""
    # perf records on the monotonic clock, as the marks: the report leaves out what came later.
    # Interrupted, it ends its workload and writes its samples.
    printed = until_flushed([PERF, "record", "-q", "-k", "CLOCK_MONOTONIC", "-e", "cpu-clock",
                             "-F", str(PERF_HZ), "-o", data, "--", path], env, signal.SIGINT)
    pid, marks = parse_marks(printed)
    if not pid or "flushed" not in marks:
        return None
    until = marks["flushed"] / 1e9
    return samples.line("profile", program=role, main=report_rows(data, "--tid", pid, until),
                        all=report_rows(data, "--pid", pid, until))


def loader(role, path, env, prefix):
    """One start with the loader's statistics."""
    printed = until_flushed([path], dict(env, LD_DEBUG="statistics", LD_DEBUG_OUTPUT=prefix),
                            signal.SIGTERM)
    pid, _ = parse_marks(printed)
    text = open(f"{prefix}.{pid}").read() if pid and os.path.exists(f"{prefix}.{pid}") else ""
    return samples.line("loader", program=role, **parse_loader_statistics(text))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("samples", help="the driver's samples, appended to")
    parser.add_argument("--runs", type=int, default=10, help="profiled starts of each (10)")
    args = parser.parse_args(argv)
    found = [s for s in samples.read(args.samples) if s["kind"] == "attribution"]
    if not found:
        return 0
    programs = list(zip(found[0]["programs"], found[0]["paths"]))
    with xvfb() as display, tempfile.TemporaryDirectory() as scratch, \
            open(args.samples, "a") as out:
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        missing = perf_missing(env)
        if missing:
            out.write(samples.line("profiler", missing=missing))
        else:
            out.write(samples.line("profiler", sample_ms=SAMPLE_MS,
                                   how=f"perf record -e cpu-clock -F {PERF_HZ} "
                                       f"({PERF_HZ // 1000} kHz samples)"))
            for run in range(args.runs):
                for role, path in programs:
                    out.write(profile(role, path, env, os.path.join(scratch, "perf.data")) or "")
                    out.flush()
                print(f"\rattribution: profiled round {run + 1} of {args.runs}", end="",
                      file=sys.stderr)
            print(file=sys.stderr)
        for role, path in programs:
            out.write(loader(role, path, env, os.path.join(scratch, "ld")))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
