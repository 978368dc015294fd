"""Summaries as xlsx workbooks read back against the CSV summary.

Usage: summary_xlsx.py ZERB32_CLI ZERB32_MKLOG SAMPLES. A log across the
autumn clock change (with --tz), two logs merged with a gap, and the same
logs exported from an SQLite store are summarised per hour, day and month
in the excel style and as workbooks; each Data row must hold the CSV row's
period start as a date-time cell, its offset as text, and its figures as
numbers (equal to the written ones within their decimals), empty where the
CSV field is. Exits 77 (skipped) without openpyxl.
"""
import csv, os, random, shutil, subprocess, sys, tempfile

try:
    import openpyxl
except ImportError:
    print("openpyxl is not installed")
    sys.exit(77)

cli, mklog, samples = sys.argv[1:4]
work = tempfile.mkdtemp()
shutil.copy(os.path.join(samples, "42.STE"), work)
failures = []


def write_log(name, newest, count, seed):
    rng = random.Random(seed)
    row = [rng.randint(100, 300) for _ in range(8)]
    lines = ["interval = 300", f"pcTime = {newest}", f"lanTime = {newest}", f"localLanTime = {newest}",
             "sensors = 8 11 17 18 40", "outputs = 8 9", "asms = 1570"]
    for _ in range(count):
        row = [v + rng.randint(-3, 3) for v in row]
        shown = [-1 if rng.random() < 0.05 else v for v in row]
        shown[5] = rng.choice((0, 1))
        lines.append(" ".join(map(str, shown)))
    path = os.path.join(work, name)
    subprocess.run([mklog, "-", path], check=True, input=("\n".join(lines) + "\n").encode())
    return path


def run(command, *options):
    subprocess.run([cli, *command, *options], check=True, capture_output=True)


def compare(case, command):
    for every in ("1h", "1d", "1mo"):
        options = ["--tz", "Europe/Berlin", "--every", every, "--stats", "mean,min,max,first,last,on,starts,count",
                   "--degree-days", "Outside", "--min-coverage", "0.5"] if every != "1h" else \
                  ["--tz", "Europe/Berlin", "--every", every]
        text, book = os.path.join(work, "s.csv"), os.path.join(work, "s.xlsx")
        run(command[:1] + ["--style", "excel", *options, "-o", text] + command[1:])
        run(command[:1] + ["--style", "xlsx", *options, "-o", book] + command[1:])
        with open(text, encoding="utf-8-sig") as f:
            rows = list(csv.reader(f))
        cells = list(openpyxl.load_workbook(book)["Data"].iter_rows(values_only=True))
        where = f"{case} {every}"
        if len(rows) != len(cells) or len(rows) < 2:
            failures.append(f"{where}: {len(cells)} workbook rows, {len(rows)} CSV rows")
            continue
        if list(cells[0]) != rows[0]:
            failures.append(f"{where}: header {cells[0][:4]} not {rows[0][:4]}")
        for line, (row, cell) in enumerate(zip(rows[1:], cells[1:]), 2):
            if cell[0].strftime("%Y-%m-%d %H:%M:%S") != row[0] or cell[1] != row[1]:
                failures.append(f"{where} row {line}: time {cell[:2]} not {row[:2]}")
            for field, value in zip(row[2:], cell[2:]):
                decimals = len(field.partition(".")[2])
                if field == "" and value is None:
                    continue
                if field == "" or not isinstance(value, (int, float)) or \
                        abs(value - float(field)) > 0.5 * 10 ** -decimals + 1e-9:
                    failures.append(f"{where} row {line}: {value!r} not {field!r}")
                    break


first = write_log("42first.log", 1793016000, 864, 1)  # 2026-10-26T12:00, over the autumn change
second = write_log("42second.log", 1793275200, 288, 2)  # a day later, a gap between
compare("log", [first])
compare("merge", ["merge", first, second])
store = os.path.join(work, "store.db")
run(["import", "--db", store, first, second])
compare("export", ["export", "--db", store, "--site", "42"])

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
