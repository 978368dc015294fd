"""The xlsx style read back by LibreOffice and openpyxl.

Usage: read_xlsx.py ZERB32_CLI ZERB32_MKLOG SAMPLES_DIR. Workbooks of the
sample, a wide log, the longest log, a log across the autumn clock change
(with --tz) and a merged history with a gap are converted to CSV by one
headless LibreOffice call (every sheet, cells as shown); each Data sheet must
give the times and values of the CSV output of the same rows. openpyxl checks
the cells' types: date-time cells, numbers with the channel's decimals, empty
cells for invalid values, the offset as text. Exits 77 (skipped) without
LibreOffice.
"""
import csv, io, os, pathlib, random, shutil, subprocess, sys, tempfile

import openpyxl

SOFFICE = shutil.which("soffice")
if not SOFFICE:
    print("LibreOffice (soffice) is not installed: the workbooks cannot be read back")
    sys.exit(77)

cli, mklog, samples = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])
work = pathlib.Path(tempfile.mkdtemp())
failures = []


def check(what, ok):
    if not ok:
        failures.append(what)


def run(*args):
    return subprocess.run([cli, *map(str, args)], check=True, capture_output=True).stdout


def log_file(name, rows, slots, **header):
    lines = [f"{key} = {value}" for key, value in {"interval": 300, "pcTime": 1796040000, **slots, **header}.items()]
    text = "\n".join(lines + [" ".join(map(str, row)) for row in rows]) + "\n"
    subprocess.run([mklog, "-", str(work / name)], input=text.encode(), check=True)
    return work / name


def wide_rows(count, channels):
    rng = random.Random(3)
    return [[rng.choice((-1, rng.randint(-300, 900))) for _ in range(channels)] for _ in range(count)]


def longest_rows():
    rng, row, rows = random.Random(7), [500, 500, 500], []
    for _ in range(65536):
        if rng.randrange(24) == 0:
            row = list(row)
            row[rng.randrange(3)] += rng.choice((-2, -1, 1, 2))
        rows.append(row)
    return rows


for name in ("42.log", "42.STE"):
    shutil.copy(samples / name, work)
sample = work / "42.log"
wide = log_file("7.log", wide_rows(200, 60), {"sensors": " ".join(map(str, range(8, 48))),
                                              "outputs": " ".join(map(str, range(8, 28)))})
longest = log_file("8.log", longest_rows(), {"sensors": "8 9 10", "interval": 60})
autumn = log_file("9.log", [[i * 10] for i in range(25)], {"sensors": "8", "interval": 3600,
                                                           "pcTime": 1792929600})  # 2026-10-25T12:00:00
early = log_file("42_a.log", [[i, -i] for i in range(100)], {"sensors": "8 11", "pcTime": 1796040000})
late = log_file("42_b.log", [[i, -i] for i in range(150, 250)], {"sensors": "8 11", "pcTime": 1796040000 + 150 * 300})

# case: (the workbook's arguments, the reference CSV's)
CASES = {
    "sample": (["--style", "xlsx", sample], [sample]),
    "sample-units-row": (["--style", "xlsx", "--units", "row", sample], [sample]),
    "wide": (["--style", "xlsx", wide], [wide]),
    "longest": (["--style", "xlsx", longest], [longest]),
    "autumn": (["--style", "xlsx", "--tz", "Europe/Berlin", autumn], ["--style", "excel", "--tz", "Europe/Berlin", autumn]),
    "merged": (["merge", "--style", "xlsx", early, late], ["merge", early, late]),
}
books, references = {}, {}
for case, (book_args, reference_args) in CASES.items():
    books[case] = work / f"{case}.xlsx"
    run(*book_args, "-o", books[case])
    references[case] = run(*reference_args, "-o", "-").decode("utf-8-sig" if "excel" in reference_args else "latin-1")

# One LibreOffice for every workbook: each sheet to <case>-<sheet>.csv, cells as shown.
out = work / "csv"
subprocess.run([SOFFICE, "--headless", f"-env:UserInstallation=file://{work}/profile", "--convert-to",
                "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1", "--outdir", str(out),
                *map(str, books.values())], check=True, capture_output=True, timeout=600)


def sheet_rows(case, sheet):
    with open(out / f"{case}-{sheet}.csv", encoding="utf-8", newline="") as f:
        return list(csv.reader(f))


def reference_rows(case):
    """(times as 'YYYY-MM-DD hh:mm:ss' plus any offset field, value fields) of the reference CSV."""
    rows = list(csv.reader(io.StringIO(references[case], newline="")))
    if rows[0][0] == "Time":  # the excel style: Time, UTC offset, values
        return [row[:2] for row in rows[1:]], [row[2:] for row in rows[1:]]
    # The classic CSV: "DATE","TIME", values, a trailing separator.
    times = [[f"{d[6:10]}-{d[3:5]}-{d[0:2]} {t}"] for d, t, *_ in rows[1:]]
    return times, [row[2:-1] for row in rows[1:]]


for case in CASES:
    data = sheet_rows(case, "Data")
    times, values = reference_rows(case)
    heads = 2 if case == "sample-units-row" else 1
    width = len(times[0])
    check(f"{case}: rows", len(data) - heads == len(times))
    check(f"{case}: times", [row[:width] for row in data[heads:]] == times)
    check(f"{case}: values", [row[width:] for row in data[heads:]] == values)
    channels = sheet_rows(case, "Channels")
    check(f"{case}: a Channels sheet lists the sheet's rows", ["Data", str(len(times))] in [r[:2] for r in channels])

check("sample: units inline", sheet_rows("sample", "Data")[0][:2] == ["Time", "Outside [°C]"])
check("units row", [r[:2] for r in sheet_rows("sample-units-row", "Data")[:2]] == [["Time", "Outside"], ["", "°C"]])
check("autumn: offsets as text", {r[1] for r in sheet_rows("autumn", "Data")[1:]} == {"+02:00", "+01:00"})
merged_notes = sheet_rows("merged", "Channels")
gaps = merged_notes.index(["Gaps"] + [""] * (len(merged_notes[0]) - 1))
check("merged: the gap in the Channels sheet", merged_notes[gaps + 2][2] == "50")
check("merged: the logs in the Channels sheet", sum(str(early) in r[0] or str(late) in r[0] for r in merged_notes) == 2)


def decimals_of(book):
    """The number format of each channel's column, from the Channels sheet's exponents."""
    rows = list(book["Channels"].iter_rows(values_only=True))
    start = rows.index(("Column", "Id", "Kind", "Name", "Type", "Unit", "Exponent")) + 1
    formats = {}
    for column, *_, exponent in rows[start:]:
        if column is None:
            break
        formats[column] = "0" if exponent >= 0 else "0." + "0" * -exponent
    return formats


def cell_types(case):
    book = openpyxl.load_workbook(books[case])
    decimals = decimals_of(book)
    sheet = book["Data"]
    check(f"{case}: frozen header", sheet.freeze_panes in ("B2", "C2"))
    check(f"{case}: autofilter", sheet.auto_filter.ref == f"A1:{sheet.cell(1, sheet.max_column).column_letter}{sheet.max_row}")
    for row in sheet.iter_rows(min_row=2, max_row=min(sheet.max_row, 400)):
        time = row[0]
        check(f"{case}: time cells are dates", time.is_date and time.number_format == "yyyy-mm-dd hh:mm:ss")
        offset = row[1] if sheet["B1"].value == "UTC offset" else None
        if offset is not None:
            check(f"{case}: the offset is text", offset.data_type == "s")
        for cell in row[2 if offset is not None else 1:]:
            check(f"{case}: values are numbers or empty", cell.value is None or cell.data_type == "n")
            if cell.value is not None:
                check(f"{case}: decimals", cell.number_format == decimals[cell.column_letter])
    return sheet


cell_types("sample")
cell_types("autumn")
sheet = cell_types("wide")
check("wide: invalid values are empty cells", any(c.value is None for row in sheet.iter_rows(min_row=2) for c in row))

shutil.rmtree(work)
for failure in sorted(set(failures)):
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
