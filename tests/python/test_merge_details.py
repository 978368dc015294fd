"""What merge says beside the rows: a channel only some logs have, logs off
each other's grid."""

import math

import pytest

import zerb32
from zerb_logs import log_text, mklog, with_site

END = 1796040000


def piece(path, rows, end, **slots):
    text = log_text(rows, **slots).replace(f"pcTime = {END}", f"pcTime = {end}")
    return mklog(path, text)


def test_a_channel_the_newer_log_lacks_is_nan_with_raw_0_in_its_rows(tmp_path):
    slots = {"sensors": "8 11", "outputs": ""}
    older = piece(with_site(tmp_path, "42-a.log"), [[100, 200, 215]] * 4, END - 1200, asms="1570", **slots)
    newer = piece(tmp_path / "42-b.log", [[101, 201]] * 4, END, asms="", **slots)
    log = zerb32.merge([older, newer])
    assert [c.key for c in log.channels] == [8, 11, 1570]
    assert log.raw[:, 2].tolist() == [215] * 4 + [0] * 4
    assert [math.isnan(v) for v in log.values[:, 2]] == [False] * 4 + [True] * 4
    assert (log.site_number, log.site_name) == (42, "Riverside Offices")


def test_logs_off_each_others_grid_are_listed(tmp_path):
    rows = [[100, 200, 300, 400, 500, 1, 0, 7]] * 10
    older = piece(with_site(tmp_path, "42-a.log"), rows, END - 1000)
    newer = piece(tmp_path / "42-b.log", rows, END)
    with pytest.warns(zerb32.HistoryWarning, match="1 overlaps off the grid"):
        log = zerb32.merge([older, newer])
    # The older grid lies 1000 s (3 intervals and 100 s) before the newer.
    assert log.off_grid == [(str(newer), str(older), 100)]

