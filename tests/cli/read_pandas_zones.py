"""The pandas style with --tz read by the one line the README shows, across
both clock changes of Europe/Berlin.

Usage: read_pandas_zones.py ZERB32_CLI ZERB32_MKLOG. Each log holds hourly rows
over a change; read_csv must give a DatetimeIndex in the zone, one hour
apart, that pandas can resample, whose local times repeat (autumn) or skip
(spring) the changed hour. Exits 77 (skipped) without pandas.
"""
import os, subprocess, sys, tempfile

try:
    import pandas as pd
except ImportError:
    print("pandas is not installed")
    sys.exit(77)

cli, mklog = sys.argv[1], sys.argv[2]
work = tempfile.mkdtemp()
failures = []

# The newest row (civil time, seconds since 1970) and the local times of
# the rows around the change.
CASES = {
    "autumn": (1792929600, ["01:00+02:00", "02:00+02:00", "02:00+01:00", "03:00+01:00"]),  # 2026-10-25T12:00:00
    "spring": (1774785600, ["01:00+01:00", "03:00+02:00", "04:00+02:00"]),  # 2026-03-29T12:00:00
}
for case, (newest, around) in CASES.items():
    log = os.path.join(work, f"{case}.log")
    rows = "\n".join(str(100 + i) for i in range(24))
    subprocess.run([mklog, "-", log], check=True,
                   input=f"interval = 3600\npcTime = {newest}\nsensors = 8\n{rows}\n".encode())
    path = os.path.join(work, f"{case}.csv")
    subprocess.run([cli, "--style", "pandas", "--tz", "Europe/Berlin", "-o", path, log], check=True,
                   capture_output=True)
    frame = pd.read_csv(path, parse_dates=["Time"], index_col="Time").tz_convert("Europe/Berlin")
    index = frame.index
    if not isinstance(index, pd.DatetimeIndex) or str(index.tz) != "Europe/Berlin":
        failures.append(f"{case}: not a DatetimeIndex in Europe/Berlin: {index.dtype}")
        continue
    if not (index.to_series().diff().dropna() == pd.Timedelta(hours=1)).all():
        failures.append(f"{case}: rows not an hour apart")
    local = [t.strftime("%H:%M%z") for t in index]
    local = [t[:-2] + ":" + t[-2:] for t in local]
    start = local.index(around[0])
    if local[start:start + len(around)] != around:
        failures.append(f"{case}: local times {local[start:start + len(around)]}, not {around}")
    if len(frame.resample("1h").mean()) != len(frame):
        failures.append(f"{case}: resample")
    if index[-1].tz_localize(None) != pd.Timestamp(newest, unit="s"):
        failures.append(f"{case}: the newest row is not at its civil time: {index[-1]}")

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
