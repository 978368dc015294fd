"""merge and History.export give the same Log as one log of the whole span."""

import os
import subprocess

import numpy as np
import pytest

import zerb32
from zerb_logs import log_text, mklog, random_rows, with_site

END = 1796040000  # newest row of the whole series
ROWS = random_rows(5, 120, 8)


def piece(folder, name, first, last):
    """A log of rows first..last-1 of the whole series, the newest timed by its place."""
    end = END - 300 * (len(ROWS) - last)
    text = log_text(ROWS[first:last]).replace("pcTime = 1796040000", f"pcTime = {end}")
    return mklog(with_site(folder, name), text)


def same_series(log, whole):
    np.testing.assert_array_equal(log.times, whole.times)
    np.testing.assert_array_equal(log.values, whole.values)
    np.testing.assert_array_equal(log.raw, whole.raw)
    assert [c.key for c in log.channels] == [c.key for c in whole.channels]


@pytest.fixture
def pieces(tmp_path):
    whole = zerb32.read_log(piece(tmp_path, "42.log", 0, len(ROWS)))
    return whole, [piece(tmp_path, f"42-{a}.log", a, b) for a, b in ((50, 120), (0, 40), (30, 80))]


def test_overlapping_logs_merge_into_the_whole_series(pieces):
    whole, paths = pieces
    same_series(zerb32.merge(paths), whole)


def test_a_gap_is_reported_and_listed(tmp_path):
    paths = [piece(tmp_path, "42-a.log", 0, 40), piece(tmp_path, "42-b.log", 60, 120)]
    with pytest.warns(zerb32.HistoryWarning, match="1 gaps"):
        log = zerb32.merge(paths)
    assert len(log.times) == 100 and len(log.gaps) == 1


@pytest.mark.parametrize("make, error", [
    (lambda folder: [piece(folder, "42-a.log", 0, 40), piece(folder, "7.log", 40, 80)], ValueError),
    (lambda folder: [piece(folder, "42-a.log", 0, 40), folder / "missing.log"], zerb32.LoadError),
    (lambda folder: [], ValueError),
    (lambda folder: str(folder / "42.log"), TypeError),
])
def test_merge_refusals(tmp_path, make, error):
    with pytest.raises(error):
        zerb32.merge(make(tmp_path))


def test_the_store_exports_what_was_imported(pieces, tmp_path):
    whole, paths = pieces
    db = tmp_path / "history.db"
    subprocess.run([os.environ["ZERB32_CLI"], "import", "--db", str(db), *map(str, paths)], check=True,
                   capture_output=True)
    history = zerb32.History(db)
    same_series(history.export(42), whole)
    start, end = whole.times[10].item(), whole.times[20].item()
    part = history.export(42, start=start, end=end)
    np.testing.assert_array_equal(part.values, whole.values[10:21])
    with pytest.raises(ValueError, match="no site 9"):
        history.export(9)
    with pytest.raises(ValueError):
        history.export(42, start="March")
    with pytest.raises(zerb32.StoreError):
        zerb32.History(tmp_path / "none.db").export(42)


def test_a_log_without_its_site_file_takes_another_logs(tmp_path):
    """Decoded with the other log's site file; alone, kept only when allowed."""
    bare_folder = tmp_path / "bare"
    bare_folder.mkdir()
    bare = mklog(bare_folder / "42-b.log", log_text(ROWS[40:120]))
    paths = [piece(tmp_path, "42-a.log", 0, 60), bare]
    whole = zerb32.merge([paths[0], piece(tmp_path, "42-b.log", 40, 120)])
    same_series(zerb32.merge(paths), whole)
    with pytest.raises(zerb32.LoadError, match="--allow-default-site"):
        zerb32.merge([bare])
    assert len(zerb32.merge([bare], allow_default_site=True).times) == 80
