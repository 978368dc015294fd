"""zerb32-cli's progress line, with standard error on a pseudo-terminal:
shown while a batch conversion, a merge, an import or an export runs (an
export's count of rows reaching its estimate), gone at the end, absent
with --quiet or --no-progress and when standard error is not a terminal;
standard output and the exit code are those of a run without it.

Usage: progress_pty.py ZERB32_CLI SAMPLES_DIR
"""
import os
import pty
import re
import shutil
import subprocess
import sys
import tempfile

cli, samples = sys.argv[1], sys.argv[2]
failures = 0


def check(condition, what):
    global failures
    if not condition:
        print("FAIL:", what)
        failures += 1


def run_on_terminal(args):
    """Runs the program with standard error on a pseudo-terminal: its exit
    code, standard output and everything written to the terminal."""
    master, slave = pty.openpty()
    child = subprocess.Popen([cli] + args, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=slave)
    os.close(slave)
    seen = b""
    while True:
        try:
            chunk = os.read(master, 4096)
        except OSError:  # the child closed its end
            break
        if not chunk:
            break
        seen += chunk
    os.close(master)
    out = child.stdout.read()
    return child.wait(), out, seen.decode().replace("\r\n", "\n")


def screen(text):
    """What a terminal shows at the end: each line as its last carriage
    return left it, trailing blanks dropped."""
    return "\n".join(line.split("\r")[-1].rstrip() for line in text.split("\n")).strip("\n")


with tempfile.TemporaryDirectory() as work:
    shutil.copy(os.path.join(samples, "42.STE"), work)
    logs = []
    for n in range(5):
        logs.append(os.path.join(work, f"42.{n}.log"))
        shutil.copy(os.path.join(samples, "42.log"), logs[-1])
    runs = [
        # arguments, arguments of the run without a terminal, progress shown
        (["-j", "1", "-o", "-"] + logs[:1], None, False),  # a single log: no line
        (["--no-progress", "--output-dir", work, "--name", "a{stem}"] + logs, None, False),
        (["-q", "--output-dir", work, "--name", "b{stem}"] + logs, None, False),
        (["-j", "2", "--output-dir", work, "--name", "c{stem}"] + logs, None, True),
        (["merge", "-o", os.path.join(work, "m.csv")] + logs, None, True),
        # A store each: stored once, the second import would skip every log.
        (["import", "--db", os.path.join(work, "t.db")] + logs, ["import", "--db", os.path.join(work, "p.db")] + logs,
         True),
        # The store of the import above; the rows to standard output (a pipe)
        # unchanged by the line.
        (["export", "--db", os.path.join(work, "t.db"), "--site", "42", "-o", os.path.join(work, "e.csv")], None, True),
        (["export", "--db", os.path.join(work, "t.db"), "--site", "42", "--style", "excel", "-o", "-"], None, True),
        (["export", "--db", os.path.join(work, "t.db"), "--site", "42", "--no-progress", "-o", "-"], None, False),
    ]
    for args, plain_args, shown in runs:
        code, out, terminal = run_on_terminal(args)
        plain = subprocess.run([cli] + (plain_args or args), capture_output=True)
        name = " ".join(a.replace(work, "W") for a in args[:6])
        check(code == plain.returncode, f"{name}: exit code {code}, not {plain.returncode}")
        check(out == plain.stdout, f"{name}: standard output differs")
        check(screen(terminal) == plain.stderr.decode().strip("\n"), f"{name}: the terminal shows {screen(terminal)!r}")
        check((" done, " in terminal) == shown, f"{name}: progress line {'missing' if shown else 'shown'}")
        counts = re.findall(r"(\d+) of (\d+) rows done", terminal)
        if args[0] == "export" and shown:
            done, total = (int(counts[-1][0]), int(counts[-1][1])) if counts else (0, 1)
            check(0.98 * total <= done < total, f"{name}: the rows' count ends at {done} of {total}")

if failures == 0:
    print("progress: all cases passed")
sys.exit(1 if failures else 0)
