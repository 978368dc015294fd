#!/usr/bin/env python3
"""The watcher killed (SIGKILL) at random moments while logs arrive, and
started again, ROUNDS times; then every log must be in the store exactly
once, and `history` must read the store. Not in the quick suite: run it on
demand, e.g.

    tests/watch/kill_stress.py build/test/cli/zerb32-cli build/test/tools/zerb32-mkbatch samples/42.STE [ROUNDS]
"""
import os
import random
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from distinct_logs import make_distinct_logs  # noqa: E402


def main():
    cli, mkbatch, site = sys.argv[1:4]
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 20
    work = tempfile.mkdtemp(prefix="zerb32-kill-")
    try:
        made, watched = os.path.join(work, "made"), os.path.join(work, "in")
        os.mkdir(made)
        os.mkdir(watched)
        logs = 4 * rounds
        names = make_distinct_logs(mkbatch, site, made, logs)
        db = os.path.join(work, "site.db")
        err = open(os.path.join(work, "err.txt"), "w")
        rng = random.Random(int(os.environ.get("ZERB32_STRESS_SEED", "29")))
        for round_ in range(rounds):
            watcher = subprocess.Popen([cli, "watch", "--settle", "0.2", "--db", db, watched], stderr=err)
            for name in names[round_ * 4:(round_ + 1) * 4]:
                stem = name[:-4]
                shutil.copy(os.path.join(made, stem + ".STE"), os.path.join(watched, stem + ".STE"))
                os.rename(os.path.join(made, name), os.path.join(watched, name))
            time.sleep(rng.uniform(0.05, 1.5))
            watcher.send_signal(signal.SIGKILL)
            watcher.wait()
        # The last one runs until every log is in, then stops on SIGTERM.
        watcher = subprocess.Popen([cli, "watch", "--settle", "0.2", "--db", db, watched], stderr=err)
        deadline = time.monotonic() + 120
        stored = 0
        while time.monotonic() < deadline:
            try:
                with sqlite3.connect(f"file:{db}?mode=ro", uri=True) as store:
                    stored = store.execute("SELECT count(*) FROM imports").fetchone()[0]
            except sqlite3.Error:
                stored = 0
            if stored >= len(names):
                break
            time.sleep(0.2)
        watcher.send_signal(signal.SIGTERM)
        code = watcher.wait(timeout=60)
        with sqlite3.connect(f"file:{db}?mode=ro", uri=True) as store:
            paths = [row[0] for row in store.execute("SELECT log_path FROM imports")]
            hashes = store.execute("SELECT count(DISTINCT content_hash) FROM imports").fetchone()[0]
        history = subprocess.run([cli, "history", "--db", db], capture_output=True, text=True)
        wanted = sorted(os.path.join(watched, n) for n in names)
        problems = []
        if code != 0:
            problems.append(f"the last watcher ended with {code}")
        if sorted(paths) != wanted:
            problems.append(f"stored {len(paths)} logs ({hashes} distinct) of {len(wanted)}")
        if history.returncode != 0:
            problems.append("history: " + history.stderr)
        if problems:
            print("\n".join(problems), file=sys.stderr)
            print(open(os.path.join(work, "err.txt")).read(), file=sys.stderr)
            print(f"0 passed, 1 failed")
            return 1
        print(f"{rounds} rounds killed, {len(names)} logs each stored once")
        print("1 passed, 0 failed")
        return 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
