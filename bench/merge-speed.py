#!/usr/bin/env python3
"""bench/merge-speed.py [-r ROUNDS] [-k REPEAT] [-n LOGS] [-l DIR] CLI...: `merge`
and `export` timed from outside, each against its floor, interleaved round by
round.

Makes the logs of bench_history_logs (from a build with ZERB32_BENCH=ON,
$ZERB32_BENCH_BUILD, by default build/release; -l DIR takes those made in DIR,
making them there if missing) and, with each CLI given (e.g. two builds of
zerb32-cli, before and after a change), an SQLite store of site 101's first
LOGS overlapping downloads (all 250 by default: 1.17 million readings). Each
round runs every job REPEAT times (default 10), the jobs in turn:
  convert     the first CLI converting the longest log (65,536 rows) to the
              classic CSV (the floor of merge)
  merge:N     CLI N merging four overlapping pieces of that log (the same
              CSV bytes)
  scan        sqlite3 reading every column export reads of the site's
              readings (the floor of export)
  export:N    CLI N exporting the site to the classic CSV
and prints per job the median over ROUNDS (default 5) of a round's CPU
time (user + system of the finished processes) and wall time, and each
job's median as a multiple of its floor's. Measured, never asserted. Each
round's sample is also appended to $ZERB32_BENCH_SAMPLES, where set, as a
line "JOB CPU WALL" (bench/speed-report.sh gathers them).
"""

import argparse
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SITE = 101
# Every column export reads of every reading of the site, summed: SQLite's
# own scan of the rows, without the cost of printing them.
SCAN = f"SELECT sum(time), sum(raw), sum(value), sum(exponent), sum(import) FROM readings WHERE site = {SITE}"


def run(command, out):
    """Runs the command with its standard output in `out`; fails loudly."""
    with open(out, "wb") as sink:
        subprocess.run(command, stdout=sink, stderr=subprocess.DEVNULL, check=True)


def timed(command, out, repeat):
    """CPU and wall seconds of `repeat` runs of the command."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.monotonic()
    for _ in range(repeat):
        run(command, out)
    wall = time.monotonic() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return cpu, wall


def same_bytes(a, b):
    with open(a, "rb") as x, open(b, "rb") as y:
        return x.read() == y.read()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-r", "--rounds", type=int, default=5)
    parser.add_argument("-k", "--repeat", type=int, default=10)
    parser.add_argument("-n", "--logs", type=int, default=250)
    parser.add_argument("-l", "--made", metavar="DIR", help="the logs made in DIR (made there if missing)")
    parser.add_argument("clis", nargs="+", metavar="CLI")
    args = parser.parse_args()
    build = os.environ.get("ZERB32_BENCH_BUILD", os.path.join(ROOT, "build", "release"))
    make_logs = os.path.join(build, "bench", "bench_history_logs")
    if not os.access(make_logs, os.X_OK):
        sys.exit(f"no {make_logs}: build with ZERB32_BENCH=ON first")

    with tempfile.TemporaryDirectory() as work:
        logs = os.path.abspath(args.made) if args.made else os.path.join(work, "logs")
        if not os.path.exists(os.path.join(logs, "distinct.csv")):
            subprocess.run([make_logs, os.path.join(ROOT, "samples", "42.STE"), logs], check=True)
        site_logs = [os.path.join(logs, f"{SITE}_{k:03d}.log") for k in range(args.logs)]
        pieces = [os.path.join(logs, f"7_piece{p}.log") for p in range(1, 5)]
        out = os.path.join(work, "out.csv")
        jobs = {"convert": [args.clis[0], "-q", "-o", out, os.path.join(logs, "7_long.log")]}
        stores = []
        for n, cli in enumerate(args.clis, 1):
            stores.append(os.path.join(work, f"store{n}.db"))
            subprocess.run([cli, "import", "--db", stores[-1], *site_logs], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=True)
            jobs[f"merge:{n}"] = [cli, "merge", "-o", out, *pieces]
        jobs["scan"] = ["sqlite3", "-csv", stores[0], SCAN]
        for n, cli in enumerate(args.clis, 1):
            jobs[f"export:{n}"] = [cli, "export", "--db", stores[n - 1], "--site", str(SITE), "-o", out]

        # The outputs the speed is for: a merge writes the conversion's bytes,
        # and every CLI exports the same bytes.
        results = {}
        for name, command in jobs.items():
            kept = os.path.join(work, name.replace(":", "-") + ".out")
            run([kept if part == out else part for part in command], kept)
            results[name] = kept
        for n in range(1, len(args.clis) + 1):
            print(f"CLI {n}: merge {'=' if same_bytes(results[f'merge:{n}'], results['convert']) else '!='} convert, "
                  f"export {'=' if same_bytes(results[f'export:{n}'], results['export:1']) else '!='} CLI 1's export")

        cpu = {name: [] for name in jobs}
        wall = {name: [] for name in jobs}
        for _ in range(args.rounds):
            for name, command in jobs.items():
                c, w = timed(command, out, args.repeat)
                cpu[name].append(c)
                wall[name].append(w)
                if os.environ.get("ZERB32_BENCH_SAMPLES"):
                    with open(os.environ["ZERB32_BENCH_SAMPLES"], "a") as samples:
                        samples.write(f"{name} {c:.3f} {w:.3f}\n")

    print(f"{args.rounds} rounds of {args.repeat} runs each; medians of a round, seconds")
    print(f"{'':10} {'cpu':>8} {'x floor':>8} {'wall':>8} {'x floor':>8}")
    floor = {name: "convert" if name.startswith(("merge", "convert")) else "scan" for name in jobs}
    for name in jobs:
        c, w = statistics.median(cpu[name]), statistics.median(wall[name])
        fc, fw = statistics.median(cpu[floor[name]]), statistics.median(wall[floor[name]])
        print(f"{name:10} {c:8.3f} {c / fc:8.2f} {w:8.3f} {w / fw:8.2f}")


if __name__ == "__main__":
    main()
