"""Log.summary: the command line's --every numbers as a DataFrame."""

import io
import os
import shutil
import subprocess

import numpy as np
import pandas
import pytest

import zerb32
from zerb_logs import SOURCE_DIR, with_site


@pytest.fixture(scope="module")
def sample(tmp_path_factory):
    folder = tmp_path_factory.mktemp("sample")
    shutil.copy(SOURCE_DIR / "samples" / "42.log", folder / "42.log")
    return with_site(folder)


def cli_summary(path, *options):
    run = subprocess.run([os.environ["ZERB32_CLI"], "--style", "pandas", *options, "-o", "-", str(path)],
                         capture_output=True, check=True)
    return pandas.read_csv(io.BytesIO(run.stdout), parse_dates=["Time"], index_col="Time")


@pytest.mark.parametrize("kwargs, options", [
    ({"every": "1h"}, []),
    ({"every": "1d", "tz": "Europe/Berlin", "stats": ["mean", "first", "last", "on"]},
     ["--tz", "Europe/Berlin", "--stats", "mean,first,last,on"]),
    ({"every": "1d", "min_coverage": 0.9, "degree_days": "Outside:18", "cooling_degree_days": "Office"},
     ["--min-coverage", "0.9", "--degree-days", "Outside:18", "--cooling-degree-days", "Office"]),
])
def test_summary_has_the_command_lines_numbers(sample, kwargs, options):
    frame = zerb32.read_log(sample).summary(**kwargs)
    expected = cli_summary(sample, "--every", kwargs["every"], *options)
    if "tz" in kwargs:
        expected.index = expected.index.tz_convert(kwargs["tz"])
        assert str(frame.index.tz) == kwargs["tz"]
    assert frame.index.name == "time" and list(frame.columns) == list(expected.columns)
    np.testing.assert_array_equal(frame.index.values, expected.index.values)
    np.testing.assert_array_equal(frame.to_numpy(), expected.to_numpy(dtype=float))


@pytest.mark.parametrize("kwargs, message", [
    ({"every": "2d"}, "every must be one of 15min"),
    ({"every": "1d", "stats": "mean,median"}, "--stats takes a list"),
    ({"every": "1d", "min_coverage": 1.5}, "min_coverage must be from 0 to 1"),
    ({"every": "1h", "degree_days": "Outside"}, "degree-days are made per day"),
    ({"every": "1d", "degree_days": "Humidity"}, "not a temperature"),
])
def test_summary_refuses_what_the_command_line_refuses(sample, kwargs, message):
    with pytest.raises(ValueError, match=message):
        zerb32.read_log(sample).summary(**kwargs)


def test_a_summary_keeps_the_fixed_offset_the_log_was_read_at(sample):
    frame = zerb32.read_log(sample, utc_offset="+05:30").summary("1h")
    expected = cli_summary(sample, "--utc-offset", "+05:30", "--every", "1h")
    np.testing.assert_array_equal(frame.index.values, expected.index.values)
    np.testing.assert_array_equal(frame.to_numpy(), expected.to_numpy(dtype=float))
