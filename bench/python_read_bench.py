#!/usr/bin/python3
"""The Python module against today's paths, on the longest log (65,536 rows
of 3 channels, written by zerb32-mklog):

  read_log(...).to_pandas()  vs  zerb32-cli writing CSV, then pandas.read_csv
                                 with the date and time columns parsed
  read_log(...) alone        vs  the converter's open + pass 1 + pass 2 in C++
                                 (bench_convert_bench, into /dev/null)

Usage (a Release build with -DZERB32_BENCH=ON):
  /usr/bin/python3 bench/python_read_bench.py build/release
Figures are the best of several runs, in milliseconds.
"""

import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time


def best_ms(run, repeat=7):
    times = []
    for _ in range(repeat):
        start = time.perf_counter()
        run()
        times.append(time.perf_counter() - start)
    return 1000 * min(times)


def main(build):
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

        module_frame = best_ms(lambda: zerb32.read_log(log).to_pandas())
        csv_frame = best_ms(cli_then_read_csv)
        module_read = best_ms(lambda: zerb32.read_log(log), repeat=20)
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
    main(sys.argv[1] if len(sys.argv) > 1 else "build/release")
