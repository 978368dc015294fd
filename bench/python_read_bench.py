#!/usr/bin/python3
"""The Python module against today's paths, on the longest log (65,536 rows
of 3 channels, written by zerb32-mklog):

  read_log(...).to_pandas()  vs  zerb32-cli writing CSV, then pandas.read_csv
                                 with the date and time columns parsed
  read_log(...) alone        vs  the converter's open + pass 1 + pass 2 in C++
                                 (bench_convert_bench, into /dev/null)

Usage (a Release build with -DZERB32_BENCH=ON):
  /usr/bin/python3 bench/python_read_bench.py build/release [REPEAT]
Figures are the best of REPEAT runs (7), in milliseconds; the first two
paths take turns run by run. Each of their runs is also appended to
$ZERB32_BENCH_SAMPLES, where set, as a line "JOB CPU WALL" (seconds; CPU of
this process and its finished children; bench/speed-report.sh gathers them).
"""

import os
import pathlib
import re
import resource
import subprocess
import sys
import tempfile
import time


def cpu_seconds():
    """CPU time of this process and of its finished children."""
    children = resource.getrusage(resource.RUSAGE_CHILDREN)
    return time.process_time() + children.ru_utime + children.ru_stime


def best_ms(runs, repeat=7):
    """The best wall time of each named run in milliseconds, the runs taking
    turns; every run is a sample for $ZERB32_BENCH_SAMPLES."""
    walls = {name: [] for name in runs}
    samples = os.environ.get("ZERB32_BENCH_SAMPLES")
    for _ in range(repeat):
        for name, run in runs.items():
            cpu, start = cpu_seconds(), time.perf_counter()
            run()
            wall, cpu = time.perf_counter() - start, cpu_seconds() - cpu
            walls[name].append(wall)
            if samples:
                with open(samples, "a") as out:
                    out.write(f"{name} {cpu:.4f} {wall:.4f}\n")
    return {name: 1000 * min(w) for name, w in walls.items()}


def main(build, repeat):
    build = pathlib.Path(build).resolve()
    source = pathlib.Path(__file__).resolve().parents[1]
    sys.path[:0] = [str(build / "python"), str(source / "tests" / "python")]
    os.environ.update(ZERB32_MKLOG=str(build / "tools" / "zerb32-mklog"), ZERB32_CLI=str(build / "cli" / "zerb32-cli"))
    import pandas
    import zerb32
    import zerb_logs

    with tempfile.TemporaryDirectory() as folder:
        log = zerb_logs.with_site(folder)
        zerb_logs.mklog(log, zerb_logs.log_text(zerb_logs.longest_rows(), sensors="8 11", outputs="9", asms=""))
        csv = pathlib.Path(folder) / "42.CSV"

        def cli_then_read_csv():
            subprocess.run([os.environ["ZERB32_CLI"], str(log)], check=True, capture_output=True)
            frame = pandas.read_csv(csv)
            frame.index = pandas.to_datetime(frame.pop("DATE") + " " + frame.pop("TIME"), format="%d/%m/%Y %H:%M:%S")
            return frame

        best = best_ms({"to_pandas": lambda: zerb32.read_log(log).to_pandas(), "read_csv": cli_then_read_csv},
                       repeat)
        module_frame, csv_frame = best["to_pandas"], best["read_csv"]
        module_read = best_ms({"read_log": lambda: zerb32.read_log(log)}, repeat=20)["read_log"]
        cxx = subprocess.run([str(build / "bench" / "bench_convert_bench"), "--benchmark_min_time=0.5"],
                             env=dict(os.environ, ZERB32_BENCH_LOG=str(log)), capture_output=True, text=True,
                             check=True).stdout
        cxx_ms = float(re.search(r"BM_ConvertToDevNull\s+([\d.]+) ms", cxx).group(1))

    print("longest log: 65536 rows x 3 channels")
    print(f"read_log().to_pandas():                 {module_frame:8.2f} ms")
    print(f"zerb32-cli + read_csv + dates parsed:   {csv_frame:8.2f} ms   ({csv_frame / module_frame:.1f}x slower)")
    print(f"read_log() alone:                       {module_read:8.2f} ms")
    print(f"C++ open + pass 1 + pass 2 (/dev/null): {cxx_ms:8.2f} ms   (read_log is {module_read / cxx_ms:.2f}x)")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build/release", int(sys.argv[2]) if len(sys.argv) > 2 else 7)
