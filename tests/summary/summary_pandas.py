"""Summaries per period against pandas on the same readings.

Usage: summary_pandas.py ZERB32_CLI ZERB32_MKLOG SAMPLES. Random logs of the
sample site (with invalid readings) over the spring and the autumn clock
change of Europe/Berlin, two logs merged with a gap between them, and a log
shorter than a period are written in the pandas style row by row and as
summaries; pandas resamples the rows in the zone (left-closed, left-labelled,
invalid readings dropped) and must give the summaries' periods and figures.
Exits 77 (skipped) without pandas.
"""
import os, random, shutil, subprocess, sys, tempfile

try:
    import numpy as np
    import pandas as pd
except ImportError:
    print("pandas is not installed")
    sys.exit(77)

cli, mklog, samples = sys.argv[1:4]
work = tempfile.mkdtemp()
shutil.copy(os.path.join(samples, "42.STE"), work)  # logs are named 42*.log to find it
ZONE = "Europe/Berlin"
STATS = ["mean", "min", "max", "first", "last", "count"]
FREQS = {"15min": "15min", "1h": "1h", "1d": "D", "1w": "W-MON", "1mo": "MS"}
failures = []


def write_log(name, newest, count, seed):
    """A log of the sample site's slots whose readings wander, some invalid."""
    rng = random.Random(seed)
    row = [rng.randint(100, 300) for _ in range(8)]
    lines = [f"interval = 300", f"pcTime = {newest}", f"lanTime = {newest}", f"localLanTime = {newest}",
             "sensors = 8 11 17 18 40", "outputs = 8 9", "asms = 1570"]
    for _ in range(count):
        row = [v + rng.randint(-3, 3) for v in row]
        shown = [-1 if rng.random() < 0.03 else v for v in row]  # an invalid reading now and then
        shown[5] = rng.choice((0, 1))  # the on/off output
        lines.append(" ".join(map(str, shown)))
    path = os.path.join(work, name)
    subprocess.run([mklog, "-", path], check=True, input=("\n".join(lines) + "\n").encode())
    return path


def read(path):
    frame = pd.read_csv(path, parse_dates=["Time"], index_col="Time")
    return frame.tz_convert(ZONE)


def run(command, logs, *options):
    path = os.path.join(work, f"out{len(os.listdir(work))}.csv")
    subprocess.run([cli, *command, "--style", "pandas", "--tz", ZONE, *options, "-o", path, *logs], check=True,
                   capture_output=True)
    return read(path)


def compare(case, command, logs):
    rows = run(command, logs)
    for every, freq in FREQS.items():
        summary = run(command, logs, "--every", every, "--stats", ",".join(STATS))
        expected = rows.resample(freq, closed="left", label="left")
        if not summary.index.equals(expected.count().index):
            failures.append(f"{case} {every}: periods {list(summary.index[:3])}... not "
                            f"{list(expected.count().index[:3])}...")
            continue
        for column in rows.columns:
            for stat in STATS:
                name = column + " " + stat
                want = getattr(expected[column], stat)().to_numpy(dtype=float)
                got = summary[name].to_numpy(dtype=float)
                if not np.allclose(got, want, rtol=0, atol=0.0051, equal_nan=True):
                    failures.append(f"{case} {every} {name}: {got[:4]} not {want[:4]}")


# Civil times of the newest rows: 2026-03-30T12:00 and 2026-10-26T12:00 (three
# days of 5-minute rows each), 2026-03-10T12:00 and 2026-03-12T12:00 (a day
# each, with a day between), 2026-05-06T10:00 (50 minutes).
compare("spring", [], [write_log("42spring.log", 1774872000, 864, 1)])
compare("autumn", [], [write_log("42autumn.log", 1793016000, 864, 2)])
compare("merged with a gap", ["merge"],
        [write_log("42first.log", 1773144000, 288, 3), write_log("42second.log", 1773316800, 288, 4)])
compare("shorter than a period", [], [write_log("42short.log", 1778061600, 10, 5)])

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
