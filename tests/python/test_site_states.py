"""A site file beside the log that is cut short or can't be read: the log
is still read, with a SiteWarning saying which, as the converter does."""

import os

import pytest

import zerb32
from zerb_logs import SAMPLE_SITE, log_text, mklog, with_site


def cut_short(site):
    site.write_bytes(SAMPLE_SITE.read_bytes()[:120])


def folder_instead(site):
    site.unlink()
    site.mkdir()


def pipe_instead(site):
    site.unlink()
    os.mkfifo(site)


SITE_STATES = [
    ("cut short", cut_short, "is incomplete; what it holds was read"),
    ("a folder", folder_instead, "cannot open the site file .*42.STE"),
    ("a pipe", pipe_instead, "pipe, not a regular file"),
]


@pytest.mark.parametrize("name, change, warning", SITE_STATES, ids=[s[0] for s in SITE_STATES])
def test_a_site_file_it_cannot_read_whole_warns(tmp_path, name, change, warning):
    path = mklog(with_site(tmp_path), log_text([[100, 200, 300, 400, 500, 1, 0, 7]] * 3))
    change(tmp_path / "42.STE")
    with pytest.warns(zerb32.SiteWarning, match=warning):
        log = zerb32.read_log(path)
    assert log.values.shape == (3, 8)


def test_read_site_of_a_file_cut_short_warns_and_gives_what_it_holds(tmp_path):
    site = tmp_path / "42.STE"
    site.write_bytes(SAMPLE_SITE.read_bytes())
    cut_short(site)
    with pytest.warns(zerb32.SiteWarning, match="is incomplete"):
        read = zerb32.read_site(site)
    assert (read.name, read.number) == ("Riverside Offices", 42)
