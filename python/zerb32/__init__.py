"""Logs of a ZERB32 building-monitoring system, straight into NumPy and pandas.

    >>> import zerb32
    >>> log = zerb32.read_log("42.log")          # its site file 42.STE beside it
    >>> log.values.shape                          # rows x channels, float64
    >>> frame = log.to_pandas()                   # indexed by time

The values are the engineering values the converter writes to its CSV
output (NaN where it writes an empty field), the times the row times it
writes, from the same core. merge() and History(...).export() give a
site's history as the same kind of Log.
"""

import collections
import datetime
import operator
import os
import warnings

from . import _core
from . import _times

__version__ = _core.version

__all__ = [
    "Channel", "Device", "History", "HistoryWarning", "Log", "LoadError", "Site", "SiteWarning", "StoreError",
    "StreamError", "Unit", "ZoneWarning", "merge", "read_log", "read_site",
]

LoadError = _core.LoadError
LoadError.__module__ = __name__
LoadError.__doc__ = "The file is not a log this reader can load; the message says what is wrong with it."
StreamError = _core.StreamError
StreamError.__module__ = __name__
StreamError.__doc__ = "The log's stream of differences is damaged; the message says where."


StoreError = _core.StoreError
StoreError.__module__ = __name__
StoreError.__doc__ = "The history store can't be read: missing, not a ZERB32 store, or of a newer version."


class HistoryWarning(UserWarning):
    """Merged logs disagree (conflicting readings, rows off each other's
    grid) or leave gaps; Log.conflicts, Log.off_grid and Log.gaps list them."""


class SiteWarning(UserWarning):
    """The log's site file is missing or incomplete: channels without a device
    in it are read as default devices, as the converter does."""


class ZoneWarning(UserWarning):
    """The newest row's time falls in an hour the zone skips or repeats; the
    message says how it was read."""


Channel = collections.namedtuple("Channel", "column kind key name type_name unit exponent")
Channel.__doc__ = """One column of a log: its index in `values` and `raw`, the device kind
("sensor", "output" or "asm"), key, name, type name, unit and the decimal
exponent of its values."""

Device = collections.namedtuple("Device", "kind key name type_name unit exponent logged")
Device.__doc__ = "A device of a site file."

Unit = collections.namedtuple("Unit", "number name program rooms airspaces")
Unit.__doc__ = """A unit of a site file: its number, name, program (high byte, low byte),
number of rooms, and its airspace items as (index, "room" or "creep", number)."""

Site = collections.namedtuple("Site", "name number telephone units devices")
Site.__doc__ = "A site file: name, number (from the file name), telephone, units and devices."


def _text(raw):
    """Site-file and log texts are 8-bit Windows-1252."""
    return raw.decode("cp1252", errors="replace")


def _fs_path(path, what):
    try:
        encoded = os.fsencode(path)
    except TypeError:
        raise TypeError(f"{what} must be a path (str, bytes or os.PathLike), not {type(path).__name__}") from None
    if b"\0" in encoded:
        raise ValueError(f"{what} has an embedded null byte")  # the system would read a shorter path
    return encoded


def _whole(value, name, low, high):
    try:
        if isinstance(value, bool):
            raise TypeError
        value = operator.index(value)
    except TypeError:
        raise TypeError(f"{name} must be an int, not {type(value).__name__}") from None
    if not low <= value <= high:
        raise ValueError(f"{name} must be from {low} to {high}, not {value}")
    return value


class Log:
    """A log read by read_log (or a site's history from merge or
    History.export): the header, the channel table and the rows.

    Attributes:
        description, site_name (str), site_number, interval (seconds)
        pc_time, lan_time, local_lan_time: the header's clock readings
            (datetime.datetime, civil time of each clock; None for a history)
        site_file: the site file looked for (str), or None
        gaps: stretches with no row, [(last time before, first time after)]
            (civil datetimes; always empty for one log)
        conflicts: readings merged logs held with different raw counts
        off_grid: [(newer log, older log, shift in seconds)] of overlapping
            logs whose rows are not on one grid (the newer log's rows win)
        channels: list of Channel, one per column
        times: numpy datetime64[s], one per row, oldest first: the logger's
            civil time, or UTC instants when a zone was given (see tz)
        raw: numpy int16, rows x channels, the logged counts
        values: numpy float64, rows x channels, engineering values, NaN
            where the converter writes an empty field
        tz: the zone of the times (a tzinfo), or None for civil times
    """

    def __init__(self, fields, zone):
        self.description = _text(fields.get("description", b""))
        self.site_name = _text(fields["site_name"])
        self.site_number = fields["site_number"]
        site_file = fields.get("site_file")
        self.site_file = None if site_file is None else os.fsdecode(site_file)
        self.interval = fields["interval"]
        for clock in ("pc_time", "lan_time", "local_lan_time"):
            setattr(self, clock, None if clock not in fields else _times.civil(fields[clock]))
        report = fields.get("report", {})
        self.gaps = [(_times.civil(after), _times.civil(before)) for after, before in report.get("gaps", [])]
        self.conflicts = report.get("conflicts", 0)
        self.off_grid = [(os.fsdecode(a), os.fsdecode(b), shift) for a, b, shift in report.get("off_grid", [])]
        self.channels = [
            Channel(column, kind, key, _text(name), type_name, unit, exponent)
            for column, (kind, key, name, type_name, unit, exponent) in enumerate(fields["channels"])
        ]
        self.times = fields["times"].view("datetime64[s]")
        self.raw = fields["raw"]
        self.values = fields["values"]
        self.tz = zone
        self._source = None  # read_log's reading of the file, for summary()
        self._zone = ("", None, None)

    def __repr__(self):
        return (f"<zerb32.Log {self.description!r} of site {self.site_number} ({self.site_name!r}): "
                f"{len(self.times)} rows x {len(self.channels)} channels>")

    def column_names(self):
        """The DataFrame's column names: "Name [unit]", or "Name" without a unit."""
        return [f"{c.name} [{c.unit}]" if c.unit else c.name for c in self.channels]

    def to_pandas(self):
        """The values as a pandas DataFrame: one float64 column per channel
        named "Name [unit]", indexed by time ("Time", as in the CSV styles;
        tz-aware when a zone was given). DataFrame.attrs holds the site, the
        header and the channel table (a list of dicts). The index's former
        name "time" still reaches the times (frame["time"], frame.time) with
        a DeprecationWarning, until the next release."""
        import pandas

        from . import _frame

        # pandas builds an index from nanoseconds without converting each time
        index = pandas.DatetimeIndex(self.times.astype("datetime64[ns]"), name=_frame.NAME)
        if self.tz is not None:
            index = index.tz_localize("UTC").tz_convert(self.tz)
        frame = _frame.Frame(self.values, index=index, columns=self.column_names(), copy=False)
        frame.attrs.update({
            "site_name": self.site_name,
            "site_number": self.site_number,
            "site_file": self.site_file,
            "description": self.description,
            "interval": self.interval,
            "pc_time": self.pc_time,
            "lan_time": self.lan_time,
            "local_lan_time": self.local_lan_time,
            "tz": None if self.tz is None else str(self.tz),
            "channels": [c._asdict() for c in self.channels],
        })
        return frame

    def summary(self, every, stats=None, tz=None, min_coverage=0.0, degree_days=None, cooling_degree_days=None):
        """Figures per period as a pandas DataFrame indexed by the period's
        start ("time"), one float64 column per channel and statistic named
        "Name [unit] stat": the numbers zerb32-cli writes with --every.

        Arguments:
            every: "15min", "30min", "1h", "1d", "1w" (ISO weeks) or "1mo".
            stats: a list (or comma-separated str) of "mean", "min", "max",
                "first", "last", "on", "starts", "count"; None: mean, min,
                max and count, and on, starts and count for on/off channels.
            tz: the zone the periods are aligned in (a name or a ZoneInfo);
                None: the zone (or offset) the log was read with, else the
                logger's civil time. Days have 23 or 25 hours at a change.
            min_coverage: 0 to 1; a period with fewer valid readings than
                this share of its length over the interval has NaN figures
                (count stays).
            degree_days, cooling_degree_days: "CHANNEL" or "CHANNEL:BASE"
                (°C; 15.5 and 22 by default): degree-days of a temperature
                channel, from each day's mean (every "1d", "1w" or "1mo").

        The log's file is read again. Only a Log from read_log has a summary.

        Raises:
            ValueError: an argument the command line would refuse, or a
                degree-day channel that is not a temperature.
            zerb32.LoadError, zerb32.StreamError, OSError: as read_log.
        """
        import io
        import pandas

        if self._source is None:
            raise ValueError("summary() needs a Log from read_log; merge the logs with zerb32-cli merge --every")
        if not isinstance(stats, (type(None), str)):
            stats = ",".join(stats)
        zone_name, offset_minutes, zone = self._zone if tz is None else _times.zone_of(tz, None)
        text = _core.summarise_log(*self._source, zone_name, offset_minutes, every, stats, float(min_coverage),
                                   degree_days, cooling_degree_days)
        frame = pandas.read_csv(io.BytesIO(text), parse_dates=["Time"], index_col="Time")
        if zone is not None and zone_name:
            frame.index = frame.index.tz_convert(zone)
        frame.index.name = "time"
        return frame.astype("float64")


_SITE_WARNINGS = {
    "none": "the log's file name does not start with a site number, so no site file was read",
    "missing": "the site file {site} is missing",
    "incomplete": "the site file {site} is incomplete; what it holds was read",
    "unreadable": "{reason}",
}


def _warn_site(fields):
    message = _SITE_WARNINGS.get(fields["site_state"])
    if message:
        site = None if fields["site_file"] is None else os.fsdecode(fields["site_file"])
        message = message.format(site=site, reason=fields["site_error"])
        warnings.warn(SiteWarning(message + "; channels it lacks are read as default devices"),
                      stacklevel=3)


def read_log(path, site=None, time_base="pc", skip=0, new_only=False, overlap=0, tz=None, utc_offset=None):
    """Reads a log file into a Log (header, channel table, times, raw counts, values).

    Arguments:
        path: the log file (str, bytes or os.PathLike).
        site: the site file to read; None (the default) reads the one the
            converter reads: <number>.STE beside the log, the number leading
            the log's file name. A missing or incomplete site file gives a
            SiteWarning; an explicitly named one that is missing raises.
        time_base: "pc" (default) times rows by the PC's clock, "lan" by the
            network clock, as the converter's time base option.
        skip: rows left out after each row kept (0 to 65535), as the
            converter's skip option.
        new_only: keep only the rows the log counts as new (with overlap).
        overlap: older rows kept before the new ones (needs new_only=True).
        tz: an IANA time-zone name ("Europe/Berlin") or a ZoneInfo: the
            logger's clock kept this zone's civil time. times become UTC
            instants and to_pandas() gives a tz-aware index. The rows keep
            the log's uniform grid: the newest time is placed in the zone and
            the others lie whole intervals of real time before it (a
            ZoneWarning says when the newest time is in a skipped or
            repeated hour; it is read with the offset before the change).
        utc_offset: instead of tz, a fixed offset of a clock kept on standard
            time: "+01:00", "-03:30" or a datetime.timedelta.

    The file is decoded without the GIL, so threads read logs in parallel.

    Raises:
        FileNotFoundError, IsADirectoryError, PermissionError (OSError): the
            log or the named site file can't be opened.
        zerb32.LoadError: the file is not a loadable log (the reason says why).
        zerb32.StreamError: the log's data is damaged (the reason says where).
        TypeError, ValueError: an argument of the wrong type or out of range.
    """
    log_path = _fs_path(path, "path")
    site_path = None if site is None else _fs_path(site, "site")
    if not isinstance(time_base, str):
        raise TypeError(f"time_base must be a str, not {type(time_base).__name__}")
    if time_base not in ("pc", "lan"):
        raise ValueError(f"time_base must be 'pc' or 'lan', not {time_base!r}")
    skip = _whole(skip, "skip", 0, 0xFFFF)
    if not isinstance(new_only, bool):
        raise TypeError(f"new_only must be a bool, not {type(new_only).__name__}")
    overlap = _whole(overlap, "overlap", 0, 2**31 - 1)
    if overlap and not new_only:
        raise ValueError("overlap needs new_only=True")
    zone_name, offset_minutes, zone = _times.zone_of(tz, utc_offset)
    fields = _core.read_log(log_path, site_path, time_base == "lan", skip, overlap if new_only else -1,
                            zone_name, offset_minutes)
    _warn_site(fields)
    if fields["zone_note"]:
        warnings.warn(ZoneWarning(fields["zone_note"]), stacklevel=2)
    log = Log(fields, zone)
    log._source = (log_path, site_path, time_base == "lan", skip, overlap if new_only else -1)
    log._zone = (zone_name, offset_minutes, zone)
    return log


def _warn_history(fields):
    if fields["site_warnings"]:
        warnings.warn(SiteWarning(fields["site_warnings"]), stacklevel=3)
    report = fields["report"]
    found = [f"{len(report['gaps'])} gaps" if report["gaps"] else "",
             f"{report['conflicts']} conflicting readings" if report["conflicts"] else "",
             f"{len(report['off_grid'])} overlaps off the grid" if report["off_grid"] else ""]
    if any(found):
        warnings.warn(HistoryWarning("the history has " + ", ".join(f for f in found if f) +
                                     "; see Log.gaps, Log.conflicts and Log.off_grid"), stacklevel=3)


def merge(paths, time_base="pc", allow_default_site=False):
    """Merges logs of one site into one Log over their whole span, each
    reading once, as the command line's merge does: a reading several logs
    hold comes from the log whose rows end last; columns follow the newest
    log's channel table, channels only older logs have follow by kind and
    key; where a channel has no reading, values is NaN (raw 0).

    Arguments:
        paths: the log files (a list of str, bytes or os.PathLike).
        time_base: "pc" (default) or "lan", the clock that times the rows.
        allow_default_site: keep a log that no complete site file decodes
            (its own is missing or damaged, and no other merged log has
            one) with default channels; otherwise it fails to load.

    A log without a complete site file is decoded with the site file of
    another merged log of the site. A channel whose type, units or
    exponent changed between logs has a column per description. Gaps, conflicting readings and overlaps off the grid give a
    HistoryWarning and are listed in Log.gaps, Log.conflicts and
    Log.off_grid. Raises LoadError naming every log that fails to load,
    ValueError when the logs belong to different sites or there are none,
    TypeError for paths that are not a list of paths.
    """
    if isinstance(paths, (str, bytes, os.PathLike)):
        raise TypeError("paths must be a list of paths, not one path")
    paths = [_fs_path(path, "each of paths") for path in paths]
    if time_base not in ("pc", "lan"):
        raise ValueError(f"time_base must be 'pc' or 'lan', not {time_base!r}")
    fields = _core.merge(paths, time_base == "lan", bool(allow_default_site))
    _warn_history(fields)
    return Log(fields, None)


def _store_time(value, name):
    if value is None or isinstance(value, str):
        return value
    if isinstance(value, datetime.datetime):
        return value.strftime("%Y-%m-%dT%H:%M:%S")
    if isinstance(value, datetime.date):
        return value.isoformat()
    raise TypeError(f"{name} must be a str, a datetime.date or a datetime.datetime, not {type(value).__name__}")


class History:
    """A site history store (an SQLite file the command line's import fills)."""

    def __init__(self, db_path):
        self.db_path = os.fsdecode(_fs_path(db_path, "db_path"))

    def export(self, site, start=None, end=None):
        """The stored series of a site as a Log, like merge gives it.

        Arguments:
            site: the site number.
            start, end: the range of row times, both included: the logger's
                civil time as "YYYY-MM-DD[ HH:MM[:SS]]" or with a T (a date alone is its
                whole day), a datetime.date or a datetime.datetime; None
                leaves that end open.

        Gaps give a HistoryWarning and are listed in Log.gaps. Raises
        StoreError when the store is missing or not a ZERB32 store,
        ValueError for a site it does not hold or a time it can't read.
        """
        site = _whole(site, "site", 0, 0xFFFF)
        fields = _core.export(self.db_path, site, _store_time(start, "start"), _store_time(end, "end"))
        _warn_history(fields)
        return Log(fields, None)


def read_site(path):
    """Reads a site file (<number>.STE) into a Site: its name, number (from
    the file name; 0 when it starts with none), telephone, units with their
    airspace items, and devices. An incomplete file gives a SiteWarning and
    what it holds. Raises FileNotFoundError and the like when it can't be
    opened, TypeError for a path that is not one."""
    fields = _core.read_site(_fs_path(path, "path"))
    if not fields["complete"]:
        warnings.warn(SiteWarning(f"the site file {os.fsdecode(path)} is incomplete; what it holds was read"),
                      stacklevel=2)
    units = [Unit(number, _text(name), (program >> 8, program & 0xFF), rooms, list(airspaces))
             for number, name, program, rooms, airspaces in fields["units"]]
    devices = [Device(kind, key, _text(name), type_name, unit, exponent, logged)
               for kind, key, name, type_name, unit, exponent, logged in fields["devices"]]
    return Site(_text(fields["name"]), fields["number"], _text(fields["telephone"]), units, devices)
