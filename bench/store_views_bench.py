"""The README's daily-means query on the view reading_values against the same
query on the raw table readings, over a year of one site (105,120 rows of 20
channels at 300 s, in 30 logs), in SQLite and, inside a throw-away server, PostgreSQL.

    bench/store-views.sh [BUILD_DIR] [ROUNDS]

runs this under tools/pg-test-cluster.sh (BUILD_DIR holds cli/zerb32-cli
and tools/zerb32-mklog). The two queries alternate, ROUNDS times each; the
median, min and max of each and the median of the ratios are printed.
Figures are for people to read; no test asserts them.
"""
import os, random, statistics, subprocess, sys, tempfile, time
import sqlite3

build, rounds = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 7
cli, mklog = os.path.join(build, "cli", "zerb32-cli"), os.path.join(build, "tools", "zerb32-mklog")
work = tempfile.mkdtemp()

VIEW = """SELECT channel, unit, substr(CAST(civil_time AS text), 1, 10) AS day, avg(value) AS mean
FROM reading_values WHERE site = 42 GROUP BY channel, unit, day ORDER BY channel, day"""
RAW = """SELECT kind, key, time / 86400 AS day,
  avg(CASE WHEN exponent < 0 THEN value / power(10.0, -exponent) ELSE value * power(10.0, exponent) END) AS mean
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


def report(engine, timed):
    print(f"{engine}: {len(timed['view'])} rounds, seconds as median (min-max)")
    for name in ("view", "raw"):
        t = timed[name]
        print(f"  {name:4} {statistics.median(t):.3f} ({min(t):.3f}-{max(t):.3f})")
    ratios = [v / r for v, r in zip(timed["view"], timed["raw"])]
    print(f"  view/raw {statistics.median(ratios):.2f} ({min(ratios):.2f}-{max(ratios):.2f})")


def bench(engine, run):
    timed = {"view": [], "raw": []}
    for _ in range(rounds):
        for name, sql in (("view", VIEW), ("raw", RAW)):
            start = time.perf_counter()
            run(sql)
            timed[name].append(time.perf_counter() - start)
    report(engine, timed)


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
          lambda sql: subprocess.run(psql + ["-d", uri, "-c", sql], check=True, capture_output=True))
else:
    print("PostgreSQL: not measured (run under tools/pg-test-cluster.sh)")
