"""Logs for the tests and the benchmark: written by zerb32-mklog from its
text format, converted by zerb32-cli, whose classic CSV is parsed back."""

import csv
import io
import os
import pathlib
import random
import shutil
import subprocess

import numpy as np

SOURCE_DIR = pathlib.Path(os.environ.get("ZERB32_SOURCE_DIR", pathlib.Path(__file__).parents[2]))
SAMPLE_SITE = SOURCE_DIR / "samples" / "42.STE"


def mklog(path, text):
    subprocess.run([os.environ["ZERB32_MKLOG"], "-", str(path)], input=text.encode(), check=True)
    return path


def log_text(rows, sensors="8 11 17 18 40", outputs="8 9", asms="1570", **header):
    """The text of a log with these slots and rows (oldest first)."""
    lines = ["description = test log", "interval = 300", "pcTime = 1796040000", "lanTime = 1796039958",
             "localLanTime = 1796039958", f"sensors = {sensors}", f"outputs = {outputs}", f"asms = {asms}"]
    lines += [f"{key} = {value}" for key, value in header.items()]
    lines += [" ".join(map(str, row)) for row in rows]
    return "\n".join(lines) + "\n"


def random_rows(seed, count, channels):
    """Rows that mostly stay, sometimes step and sometimes jump anywhere in 16 bits."""
    rng = random.Random(seed)
    row = [rng.randint(-32768, 32767) for _ in range(channels)]
    rows = [row]
    for _ in range(count - 1):
        row = list(row)
        for i in range(channels):
            dice = rng.random()
            if dice < 0.1:
                row[i] = rng.randint(-32768, 32767)
            elif dice < 0.3:
                row[i] = max(-32768, min(32767, row[i] + rng.randint(-40, 40)))
        rows.append(row)
    return rows


def longest_rows(channels=3):
    """65,536 rows (the most a log holds) that change rarely, so they fit the data area."""
    rng = random.Random(7)
    row = [500] * channels
    rows = [row]
    for _ in range(65535):
        if rng.randrange(24) == 0:
            row = list(row)
            row[rng.randrange(channels)] += rng.choice((-2, -1, 1, 2))
        rows.append(row)
    return rows


def with_site(folder, name="42.log"):
    """A log path in folder with the sample's site file beside it."""
    shutil.copy(SAMPLE_SITE, pathlib.Path(folder) / "42.STE")
    return pathlib.Path(folder) / name


def classic_csv(log_path, *options):
    """The converter's default CSV of the log as (times datetime64[s], values float64)."""
    run = subprocess.run([os.environ["ZERB32_CLI"], "-o", "-", *options, str(log_path)],
                         capture_output=True, check=True)
    header, *lines = csv.reader(io.StringIO(run.stdout.decode("latin-1"), newline=""))
    times = np.array([f"{d[6:10]}-{d[3:5]}-{d[0:2]}T{t}" for d, t, *_ in lines], dtype="datetime64[s]")
    values = np.array([[float(v) if v else np.nan for v in fields[2:-1]] for fields in lines], dtype=float)
    return times, values.reshape(len(lines), len(header) - 3)
