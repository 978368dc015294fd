"""A log in every style, read back by Python's csv and pandas.

Usage: read_styles.py ZERB32_CLI ZERB32_MKLOG SAMPLES_DIR 42.log|7.log: the
sample log, or one with invalid values (7.log, made here). The classic output
read with the csv module is the reference: every style must give the same
times and numbers (invalid values missing) to a reader that knows only the
style's description. Exits 77 (skipped) without pandas.
"""
import csv, io, math, os, shutil, subprocess, sys, tempfile

try:
    import pandas as pd
except ImportError:
    print("pandas is not installed")
    sys.exit(77)

cli, mklog, samples = sys.argv[1], sys.argv[2], sys.argv[3]
work = tempfile.mkdtemp()
for name in ("42.log", "42.STE"):
    shutil.copy(os.path.join(samples, name), work)
# No site file: two TS4-C sensors, for which a raw count of -1 is invalid.
subprocess.run([mklog, "-", os.path.join(work, "7.log")], check=True, input=b"""
interval = 60
pcTime = 1767225600
sensors = 0 1
512 -1
-1 600
300 400
""")
log = os.path.join(work, sys.argv[4])


def convert(*args):
    out = os.path.join(work, "out-%d.csv" % len(os.listdir(work)))
    subprocess.run([cli, *args, "-o", out, log], check=True, stdout=subprocess.DEVNULL)
    with open(out, "rb") as f:
        return out, f.read()



# The reference: "DATE","TIME",names..., every line ending in a separator.
_, classic = convert()
rows = list(csv.reader(io.StringIO(classic.decode("latin-1"))))
names = rows[0][2:-1]
times = pd.to_datetime([r[0] + " " + r[1] for r in rows[1:]], format="%d/%m/%Y %H:%M:%S")
values = [[math.nan if v == "" else float(v) for v in r[2:-1]] for r in rows[1:]]
reference = pd.DataFrame(values, columns=names, index=times)
failures = []


def check(what, ok):
    if not ok:
        failures.append(what)


def same_numbers(what, frame):
    frame = frame.copy()
    frame.columns = names
    check(what + ": numeric columns", all(pd.api.types.is_float_dtype(t) or pd.api.types.is_integer_dtype(t)
                                          for t in frame.dtypes))
    check(what + ": values", frame.astype(float).equals(reference.astype(float)))


def wide(what, frame):
    check(what + ": no unnamed column", not any(str(c).startswith("Unnamed") for c in frame.columns))
    check(what + ": Time first", frame.columns[0] == "Time")
    check(what + ": Time is a datetime", pd.api.types.is_datetime64_any_dtype(frame["Time"]))
    check(what + ": times", list(frame["Time"]) == list(reference.index))
    same_numbers(what, frame.set_index("Time"))


path, _ = convert("--style", "pandas")
wide("pandas", pd.read_csv(path, parse_dates=["Time"]))
check("pandas: units inline", any(c.endswith(" [°C]") for c in pd.read_csv(path, nrows=0).columns))

path, data = convert("--style", "excel")
check("excel: BOM", data.startswith(b"\xef\xbb\xbf"))
frame = pd.read_csv(path, encoding="utf-8-sig")
frame["Time"] = pd.to_datetime(frame["Time"], format="%Y-%m-%d %H:%M:%S")
wide("excel", frame)

path, data = convert("--style", "excel-eu")
check("excel-eu: BOM", data.startswith(b"\xef\xbb\xbf"))
check("excel-eu: semicolons", data.count(b";") >= len(names) * len(values))
check("excel-eu: decimal commas, no points", b"," in data and b"." not in data.split(b"\r\n", 1)[1])
frame = pd.read_csv(path, sep=";", decimal=",", encoding="utf-8-sig")
frame["Time"] = pd.to_datetime(frame["Time"], format="%Y-%m-%d %H:%M:%S")
wide("excel-eu", frame)

path, _ = convert("--style", "long")
frame = pd.read_csv(path, parse_dates=["Time"], keep_default_na=False, na_values=[""])
check("long: columns", list(frame.columns) == ["Time", "Channel", "Name", "Unit", "Type", "Raw", "Value"])
check("long: Time is a datetime", pd.api.types.is_datetime64_any_dtype(frame["Time"]))
check("long: Raw always there", frame["Raw"].notna().all())
pivot = frame.pivot(index="Time", columns="Name", values="Value")[names]
pivot.index.name = None
pivot.columns.name = None
same_numbers("long", pivot)

path, _ = convert("--style", "pandas", "--tz", "Europe/Berlin", "--utc")
frame = pd.read_csv(path, parse_dates=["Time"])
check("pandas UTC: aware times", str(frame["Time"].dt.tz) == "UTC")
check("pandas UTC: an hour behind Berlin's winter",
      list(frame["Time"].dt.tz_localize(None) + pd.Timedelta(hours=1)) == list(reference.index))

shutil.rmtree(work)
for failure in failures:
    print("FAILED:", failure)
check("the log has rows", len(values) > 2)
sys.exit(1 if failures else 0)
