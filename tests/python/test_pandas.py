"""to_pandas and time zones."""

import datetime
import shutil

import numpy as np
import pandas
import pytest

import zerb32
from zerb_logs import SOURCE_DIR, log_text, mklog, with_site


@pytest.fixture(scope="module")
def sample(tmp_path_factory):
    folder = tmp_path_factory.mktemp("sample")
    shutil.copy(SOURCE_DIR / "samples" / "42.log", folder / "42.log")
    return zerb32.read_log(with_site(folder))


def test_frame_has_float_columns_a_time_index_and_the_tables_in_attrs(sample):
    frame = sample.to_pandas()
    assert list(frame.columns[:2]) == ["Outside [°C]", "Duct Press [P]"]
    assert frame.columns[-1] == "Setpoint"  # no unit
    assert (frame.dtypes == np.float64).all()
    assert isinstance(frame.index, pandas.DatetimeIndex) and frame.index.name == "Time"
    assert frame.index.tz is None
    np.testing.assert_array_equal(frame.index.values, sample.times.astype("datetime64[ns]"))
    np.testing.assert_array_equal(frame.to_numpy(), sample.values)
    attrs = frame.attrs
    assert (attrs["site_name"], attrs["site_number"], attrs["interval"]) == ("Riverside Offices", 42, 300)
    assert attrs["channels"][0] == sample.channels[0]._asdict()
    assert attrs["pc_time"] == sample.pc_time and isinstance(sample.pc_time, datetime.datetime)



# The index's former name reaches the times, warned, until it goes: the
# use, and the rows it sees.
OLD_NAME_USES = {
    "item": (lambda frame: frame["time"], slice(None)),
    "attribute": (lambda frame: frame.time, slice(None)),
    "column after reset_index": (lambda frame: frame.reset_index()["time"], slice(None)),
    "item of a slice": (lambda frame: frame.iloc[2:5]["time"], slice(2, 5)),
}


@pytest.mark.parametrize("use, rows", OLD_NAME_USES.values(), ids=OLD_NAME_USES.keys())
def test_the_former_index_name_still_gives_the_times_with_a_deprecation_warning(sample, use, rows):
    frame = sample.to_pandas()
    with pytest.warns(DeprecationWarning, match='"Time"'):
        times = use(frame)
    np.testing.assert_array_equal(times.to_numpy(), frame.index.to_numpy()[rows])
    assert frame["Outside [°C]"].name == "Outside [°C]"  # other names as ever


def zoned_log(folder, newest):
    """A log of 25 hourly rows whose newest row is at `newest` (civil)."""
    seconds = int((newest - datetime.datetime(1970, 1, 1)).total_seconds())
    text = log_text([[i] for i in range(25)], sensors="8", outputs="", asms="", interval=3600,
                    pcTime=seconds, lanTime=seconds)
    return mklog(folder / "42.log", text.replace("interval = 300\n", ""))


# Newest civil time, zone, its offset there (expected UTC = civil - offset),
# whether that time is in a skipped or repeated hour. The rows span the
# change of the day before.
ZONES = [
    (datetime.datetime(2026, 3, 29, 12), {"tz": "Europe/Berlin"}, 2, False),     # spring forward
    (datetime.datetime(2026, 10, 25, 12), {"tz": "Europe/Berlin"}, 1, False),    # fall back
    (datetime.datetime(2026, 4, 5, 12), {"tz": "Australia/Sydney"}, 10, False),  # southern: DST ends
    (datetime.datetime(2026, 10, 4, 12), {"tz": "Australia/Sydney"}, 11, False),  # southern: DST begins
    (datetime.datetime(2026, 10, 25, 2, 30), {"tz": "Europe/Berlin"}, 2, True),  # repeated: the first
    (datetime.datetime(2026, 3, 29, 2, 30), {"tz": "Europe/Berlin"}, 1, True),   # skipped: offset before
    (datetime.datetime(2026, 6, 1), {"utc_offset": "-03:30"}, -3.5, False),
    (datetime.datetime(2026, 6, 1), {"tz": "UTC"}, 0, False),
]


@pytest.mark.parametrize("newest, zone, hours, noted", ZONES)
def test_zoned_rows_are_a_grid_back_from_the_newest_time(tmp_path, newest, zone, hours, noted):
    with pytest.warns(zerb32.SiteWarning) as warned:
        log = zerb32.read_log(zoned_log(tmp_path, newest), **zone)
    assert any(w.category is zerb32.ZoneWarning for w in warned) == noted
    expected_newest = np.datetime64(newest - datetime.timedelta(hours=hours), "s")
    assert log.times[-1] == expected_newest
    assert (np.diff(log.times) == np.timedelta64(3600, "s")).all()
    index = log.to_pandas().index
    assert str(index.tz) == str(log.tz)
    assert index[-1] == pandas.Timestamp(expected_newest).tz_localize("UTC")
