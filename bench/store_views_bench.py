"""The README's daily-means query on the view reading_values against queries
on the raw table readings that give the same rows, over a year of one site
(105,120 rows of 20 channels at 300 s, in 30 logs), in SQLite and, inside a
throw-away server, PostgreSQL.

    bench/store-views.sh [BUILD_DIR] [ROUNDS]

runs this under tools/pg-test-cluster.sh (BUILD_DIR holds cli/zerb32-cli
and tools/zerb32-mklog). Three queries, interleaved, ROUNDS times each:
  view   the README's query: channel, unit, civil day, mean, grouped by the
         view's channel, day and unit
  raw    the same rows from the tables as one would write them without the
         view: readings grouped by meaning and the same civil day (text in
         SQLite, a date in PostgreSQL), named after grouping from channels,
         meanings and unit_texts (one meaning per channel here, so the
         groups are the same)
  floor  readings grouped by kind, key and whole days since 1970, no names,
         no day as a date: the least the engine does for the means
The median, min and max of each and the medians of view/raw and view/floor
are printed. Figures are for people to read; no test asserts them.
"""
import math, os, random, statistics, subprocess, sys, tempfile, time
import sqlite3

build, rounds = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 7
cli, mklog = os.path.join(build, "cli", "zerb32-cli"), os.path.join(build, "tools", "zerb32-mklog")
work = tempfile.mkdtemp()

VIEW = """SELECT channel, unit, day, avg(value) AS mean
FROM reading_values WHERE site = 42
GROUP BY channel, day, unit ORDER BY channel, day"""


def mean(engine):
    """avg of value × 10^exponent as the view scales it: the common exponents
    by a constant, in SQLite's real or PostgreSQL's float8 arithmetic."""
    real = (lambda n: f"{n}::float8") if engine == "PostgreSQL" else (lambda n: f"{n}.0")
    common = [(-1, "/", 10), (0, "*", 1), (-2, "/", 100), (-3, "/", 1000), (1, "*", 10), (2, "*", 100), (3, "*", 1000)]
    cases = " ".join(f"WHEN {e} THEN value {op} {real(f)}" for e, op, f in common)
    return (f"avg(CASE exponent {cases} ELSE CASE WHEN exponent < 0 THEN value / power({real(10)}, -exponent)"
            f" ELSE value * power({real(10)}, exponent) END END)")


DAY = {"SQLite": "date(time, 'unixepoch')", "PostgreSQL": "date '1970-01-01' + floor(time / 86400::float8)::integer"}


def raw(engine):
    return f"""SELECT c.name AS channel, coalesce(u.unit, m.units) AS unit, d.day, d.mean
FROM (SELECT meaning, {DAY[engine]} AS day, {mean(engine)} AS mean
      FROM readings WHERE site = 42 GROUP BY meaning, day) d
JOIN meanings m ON m.id = d.meaning
JOIN channels c ON c.site = m.site AND c.kind = m.kind AND c.key = m.key
LEFT JOIN unit_texts u ON u.units = m.units AND u.type_name = m.type_name
ORDER BY channel, day"""


def floor(engine):
    return f"""SELECT kind, key, time / 86400 AS day, {mean(engine)} AS mean
FROM readings WHERE site = 42 GROUP BY kind, key, day ORDER BY kind, key, day"""


# A year in 30 logs of 3,504 rows (a log's data area holds about 4,000 rows
# of 20 channels): 20 sensors moving slowly.
rng = random.Random(1)
year_start = 1767225600  # 2026-01-01T00:00:00
logs, parts, part_rows = [], 30, 3504
row = [400 + 10 * c for c in range(20)]
for part in range(parts):
    rows = []
    for _ in range(part_rows):
        row = [v + rng.choice((-1, 0, 0, 0, 1)) for v in row]
        rows.append(" ".join(map(str, row)))
    newest = year_start + (part + 1) * part_rows * 300 - 300
    text = f"interval = 300\npcTime = {newest}\nsensors = {' '.join(map(str, range(8, 28)))}\n" + "\n".join(rows) + "\n"
    logs.append(os.path.join(work, f"42_{part:02}.log"))
    subprocess.run([mklog, "-", logs[-1]], input=text.encode(), check=True)


def import_into(db):
    # The logs come without a site file: default channels.
    subprocess.run([cli, "import", "--db", db, "--tz", "Europe/Berlin", "--allow-default-site", *logs],
                   check=True, capture_output=True)


def report(engine, timed, rows):
    print(f"{engine}: {len(timed['view'])} rounds, {rows} rows each, seconds as median (min-max)")
    for name, t in timed.items():
        print(f"  {name:5} {statistics.median(t):.3f} ({min(t):.3f}-{max(t):.3f})")
    for base in ("raw", "floor"):
        ratios = [v / r for v, r in zip(timed["view"], timed[base])]
        print(f"  view/{base} {statistics.median(ratios):.2f} ({min(ratios):.2f}-{max(ratios):.2f})")


def same(a, b):
    """The same groups, the same means but for the order of summing."""
    def close(p, q):  # a mean is NULL where a day holds no valid value
        return p == q or (p not in (None, "") and q not in (None, "") and math.isclose(float(p), float(q), rel_tol=1e-9))
    return len(a) == len(b) and all(x[:3] == y[:3] and close(x[3], y[3]) for x, y in zip(a, b))


def bench(engine, run):
    queries = {"view": VIEW, "raw": raw(engine.split()[0]), "floor": floor(engine.split()[0])}
    timed = {name: [] for name in queries}
    rows = {}
    for _ in range(rounds):
        for name, sql in queries.items():
            start = time.perf_counter()
            rows[name] = run(sql)
            timed[name].append(time.perf_counter() - start)
    if not same(rows["view"], rows["raw"]):
        sys.exit(f"{engine}: the view's rows differ from the raw query's")
    report(engine, timed, len(rows["view"]))


db = os.path.join(work, "year.db")
import_into(db)
connection = sqlite3.connect(db)
bench("SQLite", lambda sql: connection.execute(sql).fetchall())

if os.environ.get("ZERB32_PG_URI"):
    psql = [os.path.join(os.environ["ZERB32_PG_BINDIR"], "psql"), "-X", "-q", "-At"]
    subprocess.run(psql + ["-d", os.environ["ZERB32_PG_URI"], "-c", "CREATE DATABASE zerb32_views"], check=True)
    uri = f"postgresql:///zerb32_views?host={os.environ['ZERB32_PG_SOCKET']}&port={os.environ['ZERB32_PG_PORT']}&user=zerb32"
    import_into(uri)
    subprocess.run(psql + ["-d", uri, "-c", "VACUUM ANALYZE"], check=True)
    bench("PostgreSQL (psql per query)",
          lambda sql: [line.split("|") for line in
                       subprocess.run(psql + ["-d", uri, "-c", sql], check=True, capture_output=True,
                                      text=True).stdout.splitlines()])
else:
    print("PostgreSQL: not measured (run under tools/pg-test-cluster.sh)")
