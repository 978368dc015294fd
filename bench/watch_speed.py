#!/usr/bin/env python3
"""The watcher against `import`:

    bench/watch_speed.py CLI MKBATCH SITE [--logs N] [--paced N] [--rounds N]
                         [--idle-logs N] [--idle-seconds S] [--settle S]

Makes distinct logs (zerb32-mkbatch's shapes, each with a clock of its
own), then, ROUNDS times, in turn:
  import    `CLI import` of the LOGS logs in one call into a new SQLite store
  burst     a watcher (--settle S) on an empty folder and a new store; all
            the logs moved in, one rename each: the time until the last is
            stored, and per log the time from its rename to its line
            "stored" (said right after the commit)
  paced     the same with PACED logs moved in one at a time, 0.2 to 0.5 s
            apart, as downloads arrive
and once:
  idle      a watcher on a folder of IDLE_LOGS stored logs: its CPU time
            over IDLE_SECONDS once the first scan is done, as a share of one
            core
Prints each round's times and burst / import as a ratio, the median ratio,
and the arrival-to-commit times of all rounds (median, 99th percentile).
The defaults are small, for a quick look; the full size is --logs 1000
--paced 100 --rounds 3 --idle-logs 10000 --idle-seconds 60."""
import argparse
import os
import random
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
from distinct_logs import make_distinct_logs  # noqa: E402


def cpu_seconds(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))] if ordered else float("nan")


def timed_import(cli, made, names, db):
    start = time.monotonic()
    subprocess.run([cli, "import", "-q", "--db", db] + [os.path.join(made, n) for n in names], check=True,
                   stderr=subprocess.DEVNULL)
    return time.monotonic() - start


def watched(cli, made, names, folder, db, settle, pause):
    """Moves the logs into a watched folder, `pause()` seconds apart: the
    time from the first rename to the last commit, and each log's time from
    its rename to its commit."""
    os.mkdir(folder)
    for name in names:
        shutil.copy(os.path.join(made, name[:-4] + ".STE"), folder)
    watcher = subprocess.Popen([cli, "watch", "--settle", str(settle), "--db", db, folder], stderr=subprocess.PIPE,
                               text=True)
    stored, done = {}, threading.Event()

    def read():
        for line in watcher.stderr:
            if line.startswith("zerb32-cli: stored "):
                stored[line.split()[2]] = time.monotonic()
                if len(stored) == len(names):
                    done.set()

    threading.Thread(target=read, daemon=True).start()
    time.sleep(1)
    arrived = {}
    start = time.monotonic()
    for name in names:
        target = os.path.join(folder, name)
        arrived[target] = time.monotonic()
        os.rename(os.path.join(made, name), target)
        if pause:
            time.sleep(pause())
    done.wait(600)
    watcher.send_signal(signal.SIGTERM)
    watcher.wait()
    for name in names:  # back for the next round
        os.rename(os.path.join(folder, name), os.path.join(made, name))
    if len(stored) != len(names):
        sys.exit(f"the watcher stored {len(stored)} of {len(names)} logs")
    return max(stored.values()) - start, [stored[p] - arrived[p] for p in stored]


def idle_share(cli, mkbatch, site, work, count, seconds):
    folder = os.path.join(work, "idle")
    os.mkdir(folder)
    names = make_distinct_logs(mkbatch, site, folder, count)
    db = os.path.join(work, "idle.db")
    timed_import(cli, folder, names, db)
    idle = subprocess.Popen([cli, "watch", "-q", "--db", db, folder], stderr=subprocess.DEVNULL)
    # The first scan (every log read and found stored) is over once the
    # watcher's CPU time stands still for two seconds.
    last, still = -1.0, 0
    while still < 2:
        time.sleep(1)
        now = cpu_seconds(idle.pid)
        still = still + 1 if now - last < 0.01 else 0
        last = now
    before = cpu_seconds(idle.pid)
    time.sleep(seconds)
    share = (cpu_seconds(idle.pid) - before) / seconds
    idle.send_signal(signal.SIGTERM)
    idle.wait()
    return share


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("cli")
    parser.add_argument("mkbatch")
    parser.add_argument("site")
    parser.add_argument("--logs", type=int, default=100)
    parser.add_argument("--paced", type=int, default=10)
    parser.add_argument("--rounds", type=int, default=1)
    parser.add_argument("--idle-logs", type=int, default=500)
    parser.add_argument("--idle-seconds", type=float, default=10)
    parser.add_argument("--settle", type=float, default=0.2)
    a = parser.parse_args()
    work = tempfile.mkdtemp(prefix="zerb32-watch-bench-")
    try:
        made = os.path.join(work, "made")
        os.mkdir(made)
        names = make_distinct_logs(a.mkbatch, a.site, made, max(a.logs, a.paced))
        burst_names, paced_names = names[:a.logs], names[:a.paced]
        rng = random.Random(29)
        ratios, burst_delays, paced_delays = [], [], []
        for r in range(a.rounds):
            stage = os.path.join(work, str(r))
            os.mkdir(stage)
            # Which of the two goes first alternates, so that a drift in the
            # machine's load falls on both.
            if r % 2 == 0:
                imported = timed_import(a.cli, made, burst_names, os.path.join(stage, "import.db"))
            burst, delays = watched(a.cli, made, burst_names, os.path.join(stage, "burst"),
                                    os.path.join(stage, "burst.db"), a.settle, None)
            if r % 2 == 1:
                imported = timed_import(a.cli, made, burst_names, os.path.join(stage, "import.db"))
            burst_delays += delays
            _, delays = watched(a.cli, made, paced_names, os.path.join(stage, "paced"), os.path.join(stage, "paced.db"),
                                a.settle, lambda: rng.uniform(0.2, 0.5))
            paced_delays += delays
            ratios.append(burst / imported)
            print(f"round {r + 1}: import of {len(burst_names)} logs {imported:.2f} s, burst watched {burst:.2f} s "
                  f"({burst / imported:.2f}x)", flush=True)
        print(f"burst / import: median {statistics.median(ratios):.2f}x over {a.rounds} rounds")
        for what, delays in (("burst", burst_delays), ("paced", paced_delays)):
            print(f"arrival to commit, {what} ({len(delays)} logs): median {statistics.median(delays):.3f} s, "
                  f"p99 {percentile(delays, 0.99):.3f} s (--settle {a.settle})")
        share = idle_share(a.cli, a.mkbatch, a.site, work, a.idle_logs, a.idle_seconds)
        print(f"idle on {a.idle_logs} stored logs over {a.idle_seconds:.0f} s: {100 * share:.3f} % of a core")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
