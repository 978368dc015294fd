#!/usr/bin/env python3
"""The watcher against `import`: bench/watch_speed.py CLI MKBATCH SITE [LOGS] [IDLE_LOGS]

Makes LOGS distinct logs (1,000 by default; zerb32-mkbatch's shapes, each
with a clock of its own), then:
  import    `CLI import` of all of them in one call into a new SQLite store
  watch     a watcher (--settle 0.2) on an empty folder and a new store;
            all the logs moved in, one rename each: the time until the last
            is stored, and per log the time from its rename to its line
            "stored" (said right after the commit): median and 99th
            percentile
  idle      a watcher on a folder of IDLE_LOGS stored logs (10,000 by
            default): its CPU time over 60 s once the first scan is done,
            as a share of one core
Prints the times and watch / import as a ratio."""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time


def make_logs(mkbatch, site, folder, count):
    subprocess.run([mkbatch, site, folder, str(count)], check=True, stdout=subprocess.DEVNULL)
    os.remove(os.path.join(folder, "0long.log"))
    names = sorted(n for n in os.listdir(folder) if n.endswith(".log"))
    for i, name in enumerate(names):
        path = os.path.join(folder, name)
        data = bytearray(open(path, "rb").read())
        pc = int.from_bytes(data[102:106], "little") + 3600 * (i + 1)
        data[102:106] = pc.to_bytes(4, "little")
        open(path, "wb").write(data)
    return names


def cpu_seconds(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    cli, mkbatch, site = sys.argv[1:4]
    count = int(sys.argv[4]) if len(sys.argv) > 4 else 1000
    idle_count = int(sys.argv[5]) if len(sys.argv) > 5 else 10000
    work = tempfile.mkdtemp(prefix="zerb32-watch-bench-")
    try:
        made = os.path.join(work, "made")
        os.mkdir(made)
        names = make_logs(mkbatch, site, made, count)
        stes = [n[:-4] + ".STE" for n in names]

        start = time.monotonic()
        subprocess.run([cli, "import", "-q", "--db", os.path.join(work, "import.db")] +
                       [os.path.join(made, n) for n in names], check=True, stderr=subprocess.DEVNULL)
        imported = time.monotonic() - start

        watched = os.path.join(work, "in")
        os.mkdir(watched)
        for ste in stes:
            shutil.copy(os.path.join(made, ste), watched)
        watcher = subprocess.Popen([cli, "watch", "--settle", "0.2", "--db", os.path.join(work, "watch.db"), watched],
                                   stderr=subprocess.PIPE, text=True)
        stored = {}
        done = threading.Event()

        def read():
            for line in watcher.stderr:
                if line.startswith("zerb32-cli: stored "):
                    stored[line.split()[2]] = time.monotonic()
                    if len(stored) == len(names):
                        done.set()

        threading.Thread(target=read, daemon=True).start()
        time.sleep(1)
        arrived = {}
        start = time.monotonic()
        for name in names:
            target = os.path.join(watched, name)
            arrived[target] = time.monotonic()
            os.rename(os.path.join(made, name), target)
        done.wait(600)
        watched_all = max(stored.values()) - start if stored else float("nan")
        watcher.send_signal(signal.SIGTERM)
        watcher.wait()
        delays = sorted(stored[p] - arrived[p] for p in stored if p in arrived)
        p99 = delays[min(len(delays) - 1, int(0.99 * len(delays)))] if delays else float("nan")

        idle_folder = os.path.join(work, "idle")
        os.mkdir(idle_folder)
        idle_names = make_logs(mkbatch, site, idle_folder, idle_count)
        idle_db = os.path.join(work, "idle.db")
        subprocess.run([cli, "import", "-q", "--db", idle_db] + [os.path.join(idle_folder, n) for n in idle_names],
                       check=True, stderr=subprocess.DEVNULL)
        idle = subprocess.Popen([cli, "watch", "-q", "--db", idle_db, idle_folder], stderr=subprocess.DEVNULL)
        time.sleep(30)  # the first scan: every log read and found stored
        before = cpu_seconds(idle.pid)
        time.sleep(60)
        idle_share = (cpu_seconds(idle.pid) - before) / 60
        idle.send_signal(signal.SIGTERM)
        idle.wait()

        print(f"import of {len(names)} logs: {imported:.2f} s")
        print(f"watch of the same, moved in: {watched_all:.2f} s ({watched_all / imported:.2f}x import), "
              f"{len(stored)} stored")
        print(f"arrival to commit: median {statistics.median(delays):.3f} s, p99 {p99:.3f} s (--settle 0.2)")
        print(f"idle on {len(idle_names)} stored logs: {100 * idle_share:.3f} % of a core")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
