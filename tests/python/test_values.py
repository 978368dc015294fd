"""read_log gives the times and values of the converter's classic CSV."""

import shutil
import threading

import numpy as np
import pytest

import zerb32
from zerb_logs import SAMPLE_SITE, SOURCE_DIR, classic_csv, log_text, longest_rows, mklog, random_rows, with_site

# Each case: read_log arguments, the same choice as command-line options.
OPTIONS = [
    ({}, []),
    ({"time_base": "lan"}, ["--lan"]),
    ({"skip": 2}, ["--skip", "2"]),
    ({"new_only": True, "overlap": 3}, ["--new-only", "--overlap", "3"]),
    ({"new_only": True, "skip": 1}, ["--new-only", "--overlap", "0", "--skip", "1"]),
]


@pytest.fixture(scope="module")
def logs(tmp_path_factory):
    folder = tmp_path_factory.mktemp("logs")
    shutil.copy(SOURCE_DIR / "samples" / "42.log", folder / "42.log")
    paths = [with_site(folder)]
    for seed in range(3):
        path = folder / f"42-random{seed}.log"
        mklog(path, log_text(random_rows(seed, 300, 8), newEntryCount=40 + seed))
        paths.append(path)
    # Exponents beyond the powers of ten a double holds exactly: the ASM's
    # exponent byte (16 bytes into its record, after its name) in a copy.
    for exponent in (-30, 25):
        sub = folder / f"exp{exponent}"
        sub.mkdir()
        site = bytearray(SAMPLE_SITE.read_bytes())
        site[site.index(b"Setpoint") + 16] = exponent & 0xFF
        path = with_site(sub)
        (sub / "42.STE").write_bytes(bytes(site))
        paths.append(mklog(path, log_text(random_rows(9, 50, 8))))
    return paths


@pytest.mark.parametrize("arguments, options", OPTIONS)
def test_times_and_values_equal_the_classic_csv(logs, arguments, options):
    for path in logs:
        log = zerb32.read_log(path, **arguments)
        times, values = classic_csv(path, *options)
        np.testing.assert_array_equal(log.times, times, err_msg=str(path))
        assert log.values.shape == values.shape
        np.testing.assert_array_equal(log.values, values, err_msg=str(path))


def test_raw_counts_are_the_logged_rows(tmp_path):
    rows = random_rows(11, 200, 8)
    log = zerb32.read_log(mklog(with_site(tmp_path), log_text(rows)))
    np.testing.assert_array_equal(log.raw, np.array(rows, dtype=np.int16))
    assert log.raw.dtype == np.int16 and log.values.dtype == np.float64
    assert [c.column for c in log.channels] == list(range(8))


def test_two_threads_read_at_once(tmp_path):
    path = mklog(with_site(tmp_path), log_text(longest_rows(), sensors="8 11", outputs="9", asms=""))
    expected = zerb32.read_log(path)
    assert expected.values.shape == (65536, 3)
    results = [None, None]

    def read(i):
        results[i] = zerb32.read_log(path)

    threads = [threading.Thread(target=read, args=(i,)) for i in range(2)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    for result in results:
        np.testing.assert_array_equal(result.values, expected.values)
        np.testing.assert_array_equal(result.times, expected.times)
