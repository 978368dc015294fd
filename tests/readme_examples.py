"""Runs every example of the README, as the README shows it.

Usage: readme_examples.py README ZERB32_CLI_DIR SAMPLES_DIR. Each code block
of the README follows a marker, an HTML comment on the line before it:

    <!-- shell -->           commands, run by bash in a scratch folder that
                             holds the sample (42.log, 42.STE, and the same
                             under samples/), zerb32-cli on the PATH
    <!-- output of: CMD -->  the block is what CMD prints there
    <!-- python -->          Python, run there with the module of this build
    <!-- output -->          the block is what the example before it printed
    <!-- sql -->             SQL, run as it is on a store made from the sample
                             (import --tz Europe/Berlin), by sqlite3 and, in
                             the test cluster (tools/pg-test-cluster.sh), by
                             psql on a PostgreSQL store
    <!-- not run: WHY -->    an example that cannot run here, listed

The examples run in the README's order in one folder, so one may use the
files an earlier one wrote. A block without a marker fails the test.
ZERB32_README_PYTHON_ENV holds the Python examples' environment, NAME=VALUE
items separated by "|".
"""
import os, re, shutil, subprocess, sys, tempfile

readme, cli_dir, samples = sys.argv[1:4]
MARKER = re.compile(r"<!--\s*(.*?)\s*-->$")
failures, not_run = [], []


def blocks(lines):
    """(line number, marker, text) of each indented block."""
    i = 0
    while i < len(lines):
        if lines[i].startswith("    ") and (i == 0 or not lines[i - 1].startswith("    ")):
            start = i
            while i < len(lines) and lines[i].startswith("    "):
                i += 1
            marker = MARKER.match(lines[start - 1].strip()) if start > 0 else None
            yield start + 1, marker.group(1) if marker else None, "".join(l[4:] for l in lines[start:i])
        else:
            i += 1


def run(args, **kwargs):
    return subprocess.run(args, cwd=work, capture_output=True, text=True, timeout=300, **kwargs)


def ran(where, result):
    if result.returncode != 0:
        failures.append(f"{where}: exit {result.returncode}: {result.stderr.strip()[-2000:]}")
    return result.stdout.replace("\r\n", "\n")


work = tempfile.mkdtemp()
os.mkdir(os.path.join(work, "samples"))
for name in ("42.log", "42.STE"):
    for folder in (work, os.path.join(work, "samples")):
        shutil.copy(os.path.join(samples, name), folder)
shell_env = dict(os.environ, PATH=cli_dir + os.pathsep + os.environ["PATH"])
python_env = dict(os.environ, MPLBACKEND="Agg")
python_env.update(item.split("=", 1) for item in os.environ.get("ZERB32_README_PYTHON_ENV", "").split("|") if item)

# The stores the SQL examples read: SQLite always, PostgreSQL in the test cluster.
sql_stores = []
ran("sqlite store", run(["zerb32-cli", "import", "--db", "readme-sql.db", "--tz", "Europe/Berlin", "42.log"], env=shell_env))
sql_stores.append(("SQLite", ["sqlite3", "readme-sql.db"]))
if os.environ.get("ZERB32_PG_URI"):
    psql = os.path.join(os.environ["ZERB32_PG_BINDIR"], "psql")
    ran("postgres database", run([psql, "-X", "-q", "-d", os.environ["ZERB32_PG_URI"], "-c", "CREATE DATABASE readme"]))
    uri = (f"postgresql:///readme?host={os.environ['ZERB32_PG_SOCKET']}&port={os.environ['ZERB32_PG_PORT']}"
           "&user=zerb32")
    ran("postgres store", run(["zerb32-cli", "import", "--db", uri, "--tz", "Europe/Berlin", "42.log"], env=shell_env))
    sql_stores.append(("PostgreSQL", [psql, "-X", "-q", "-At", "-v", "ON_ERROR_STOP=1", "-d", uri]))
else:
    print("the SQL examples run on SQLite only: no PostgreSQL test cluster")

printed = None  # what the last example printed
with open(readme, encoding="utf-8") as f:
    lines = f.readlines()
for number, marker, text in blocks(lines):
    where = f"README line {number}"
    if marker is None:
        failures.append(f"{where}: an example without a marker")
    elif marker.startswith("not run:"):
        not_run.append(f"{where}: {marker[len('not run:'):].strip()}")
    elif marker == "shell":
        printed = ran(where, run(["bash", "-e", "-o", "pipefail", "-c", text], env=shell_env))
    elif marker == "python":
        printed = ran(where, run(["/usr/bin/python3", "-c", text], env=python_env))
    elif marker.startswith("output of:"):
        # Without pipefail: `| head` ends the writer early.
        shown = ran(where, run(["bash", "-e", "-c", marker[len("output of:"):]], env=shell_env))
        if shown != text:
            failures.append(f"{where}: the README shows\n{text}but the command prints\n{shown}")
    elif marker == "output":
        if printed != text:
            failures.append(f"{where}: the README shows\n{text}but the example printed\n{printed}")
    elif marker == "sql":
        counts = {engine: ran(f"{where} ({engine})", run(client, input=text)).count("\n")
                  for engine, client in sql_stores}
        if len(set(counts.values())) != 1:
            failures.append(f"{where}: the engines give different row counts {counts}")
    else:
        failures.append(f"{where}: unknown marker {marker!r}")

shutil.rmtree(work)
print("Examples not run here:")
for line in not_run:
    print("  " + line)
for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
