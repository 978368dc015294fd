"""Every failure is an exception with the core's reason, never a crash."""

import os
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import warnings

import pytest

import zerb32
from zerb_logs import SAMPLE_SITE, log_text, mklog, with_site

ROWS = [[100, 200, 1], [101, 199, 0], [105, 190, 1], [90, 300, 1]]
SLOTS = {"sensors": "8 11", "outputs": "8", "asms": ""}
CONFIG = 114  # the configuration block follows the header


def small_log(folder, name="42.log", rows=ROWS, **header):
    return mklog(with_site(folder, name), log_text(rows, **SLOTS, **header))


def patch(path, offset, data):
    image = bytearray(path.read_bytes())
    image[offset:offset + len(data)] = data
    path.write_bytes(bytes(image))


def truncate(path, size):
    path.write_bytes(path.read_bytes()[:size])


def config_length(path):
    start, end = struct.unpack_from("<hh", path.read_bytes(), 43)
    return end - start + 1


# One damaged file per check of the loader: header fields the writer stores
# as given, or bytes changed after writing; and the reason's words.
DAMAGES = [
    ("short header", {}, lambda p: truncate(p, 50), "ends inside the log header"),
    ("config length", {"header.configEnd": 0, "header.configStart": 5}, None, "configuration block would be"),
    ("config cut", {"header.configEnd": 1500}, None, "ends inside the 1501-byte configuration block"),
    ("negative data size", {"header.dataSize": -4}, None, "negative data area size"),
    ("area overflow", {"header.dataSize": 32767}, None, "need more than 32768 bytes"),
    ("newest values cut", {}, lambda p: truncate(p, CONFIG + config_length(p) + 3), "inside the newest values"),
    ("data area short", {"header.dataSize": 6000}, None, "the header says 6000"),
    ("trailing word", {"trailer": 2}, None, "more than one byte follows"),
    ("format version", {"header.formatVersion": 2}, None, "format version 2"),
    ("start byte", {"header.startByte": 5000}, None, "first delta set begins at byte 5000"),
    ("start bit", {"header.startBit": 8}, None, "bit 8 of its byte"),
    ("too many entries", {"header.entryCount": 5000}, None, "bits, but the data area holds"),
    ("empty data area", {"rows": ROWS[:1], "header.entryCount": 3}, None, "data area is empty"),
    ("slots past block", {}, lambda p: patch(p, CONFIG + 10, b"\xc8"), "the configuration's slots need"),
    ("used slots", {}, lambda p: patch(p, CONFIG + 15, b"\xff"), "the configuration names 2 used channels"),
]


@pytest.mark.parametrize("name, header, damage, reason", DAMAGES, ids=[d[0] for d in DAMAGES])
def test_a_damaged_file_raises_load_error(tmp_path, name, header, damage, reason):
    path = small_log(tmp_path, **header)
    if damage:
        damage(path)
    with pytest.raises(zerb32.LoadError, match=reason):
        zerb32.read_log(path)


def damage_stream(path):
    data = CONFIG + config_length(path) + 2 * 3
    patch(path, data, b"\xff" * (len(path.read_bytes()) - data))


def test_a_damaged_stream_raises_stream_error_with_its_position(tmp_path):
    path = small_log(tmp_path)
    damage_stream(path)
    with pytest.raises(zerb32.StreamError, match=r"delta set 0, channel 1 .* at byte \d+, bit \d+"):
        zerb32.read_log(path)


def read_as_nobody(path):
    """The name of the OSError read_log raises for user 65534 on the file at
    path, moved to a folder that user may enter, beside a copy of the module
    (the build folder may lie in a checkout closed to that user)."""
    if not os.access("/usr/bin/setpriv", os.X_OK):
        pytest.skip("running as root without setpriv")
    with tempfile.TemporaryDirectory() as folder:
        os.chmod(folder, 0o755)
        moved = shutil.move(path, folder)
        shutil.copytree(os.path.dirname(zerb32.__file__), os.path.join(folder, "zerb32"))
        env = {name: os.environ[name] for name in ("LD_PRELOAD", "ASAN_OPTIONS") if name in os.environ}
        code = ("import sys, zerb32\ntry: zerb32.read_log(sys.argv[1])\n"
                "except OSError as e: print(type(e).__name__, e.filename == sys.argv[1])")
        run = subprocess.run(["/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                              sys.executable, "-c", code, moved], capture_output=True, text=True,
                             cwd=folder, env={**env, "PYTHONPATH": folder}, check=True)
    assert run.stdout.endswith(" True\n"), run.stdout
    return run.stdout.split()[0]


def test_paths_that_do_not_open_raise_os_errors(tmp_path):
    small_log(tmp_path)
    (tmp_path / "7.log").mkdir()
    cases = [
        (tmp_path / "missing.log", {}, FileNotFoundError),
        (tmp_path / "7.log", {}, IsADirectoryError),
        (tmp_path / "42.log" / "x.log", {}, NotADirectoryError),
        (tmp_path / "42.log", {"site": tmp_path / "none.STE"}, FileNotFoundError),
        (tmp_path / "42.log", {"site": tmp_path / "7.log"}, IsADirectoryError),
    ]
    for path, arguments, error in cases:
        with pytest.raises(error) as raised:
            zerb32.read_log(path, **arguments)
        assert raised.value.filename in (str(path), str(arguments.get("site")))
    (tmp_path / "42.log").chmod(0)
    if os.geteuid() != 0:
        pytest.raises(PermissionError, zerb32.read_log, tmp_path / "42.log")
    else:  # root reads any file: an unprivileged user reads it
        assert read_as_nobody(tmp_path / "42.log") == "PermissionError"
    os.mkfifo(tmp_path / "8.log")
    with pytest.raises(zerb32.LoadError, match="pipe, not a regular file"):
        zerb32.read_log(tmp_path / "8.log")


@pytest.mark.parametrize("arguments, error", [
    ({"path": 42}, TypeError),
    ({"site": 3.5}, TypeError),
    ({"path": "42.log\0.txt"}, ValueError),
    ({"time_base": "utc"}, ValueError),
    ({"skip": -1}, ValueError),
    ({"skip": 65536}, ValueError),
    ({"skip": True}, TypeError),
    ({"new_only": 1}, TypeError),
    ({"overlap": 5}, ValueError),
    ({"new_only": True, "overlap": -1}, ValueError),
    ({"tz": "Mars/Olympus"}, ValueError),
    ({"tz": 5}, TypeError),
    ({"utc_offset": "+1"}, ValueError),
    ({"utc_offset": "+24:00"}, ValueError),
    ({"tz": "UTC", "utc_offset": "+01:00"}, ValueError),
])
def test_bad_arguments_raise_before_reading(tmp_path, arguments, error):
    arguments = {"path": small_log(tmp_path), **arguments}
    with pytest.raises(error):
        zerb32.read_log(**arguments)


def test_a_missing_site_file_warns_and_reads_default_devices(tmp_path):
    path = small_log(tmp_path)
    (tmp_path / "42.STE").unlink()
    with pytest.warns(zerb32.SiteWarning, match="42.STE is missing"):
        log = zerb32.read_log(path)
    assert [c.type_name for c in log.channels] == ["TS4-C", "TS4-C", "ON/OFF"]
    with pytest.warns(zerb32.SiteWarning, match="does not start with a site number"):
        zerb32.read_log(path.rename(tmp_path / "site.log"))


def test_a_named_site_file_is_read_instead(tmp_path):
    path = small_log(tmp_path, name="week.log")
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        log = zerb32.read_log(path, site=pathlib.Path(SAMPLE_SITE))
    assert (log.site_number, log.site_name, log.site_file) == (42, "Riverside Offices", str(SAMPLE_SITE))
    assert [c.name for c in log.channels] == ["Outside", "Duct Press", "Heating"]


def test_read_site_lists_units_and_devices():
    site = zerb32.read_site(SAMPLE_SITE)
    assert (site.name, site.number) == ("Riverside Offices", 42)
    assert [(u.number, len(u.airspaces)) for u in site.units] == [(1, 2), (2, 3)]
    assert site.devices[-1].kind == "asm"
    with pytest.raises(FileNotFoundError):
        zerb32.read_site(SAMPLE_SITE.with_name("9.STE"))


# Log.summary reads the files again: what changed since raises as read_log.
SUMMARY_FAILURES = [
    ("log gone", lambda log, site: log.unlink(), FileNotFoundError),
    ("header cut", lambda log, site: truncate(log, 50), zerb32.LoadError),
    ("stream damaged", lambda log, site: damage_stream(log), zerb32.StreamError),
    ("site file gone", lambda log, site: site.unlink(), FileNotFoundError),
]


@pytest.mark.parametrize("name, change, error", SUMMARY_FAILURES, ids=[f[0] for f in SUMMARY_FAILURES])
def test_a_summary_raises_what_read_log_raises(tmp_path, name, change, error):
    path = small_log(tmp_path)
    site = shutil.copy(tmp_path / "42.STE", tmp_path / "named.STE")
    log = zerb32.read_log(path, site=site)
    change(path, pathlib.Path(site))
    with pytest.raises(error):
        zerb32.read_log(path, site=site)
    with pytest.raises(error):
        log.summary("1h")



def test_a_named_site_file_that_is_no_regular_file_raises_load_error(tmp_path):
    path = small_log(tmp_path)
    site = shutil.copy(tmp_path / "42.STE", tmp_path / "named.STE")
    log = zerb32.read_log(path, site=site)
    os.unlink(site)
    os.mkfifo(site)
    for read in (lambda: zerb32.read_log(path, site=site), lambda: zerb32.read_site(site), lambda: log.summary("1h")):
        with pytest.raises(zerb32.LoadError, match="pipe, not a regular file"):
            read()
