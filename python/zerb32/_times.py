"""Time arguments of read_log.

A logger's clock gives civil times with no zone. With a zone, rows stay the
uniform grid the log holds: the newest row's civil time is placed in the zone
and every other row lies a whole number of intervals of real time before it,
so no hour is counted twice or skipped across a daylight-saving change. A
newest time inside a repeated hour is taken as its first occurrence; one
inside a skipped hour takes the offset in force before the change. The core
does this (the converter's --tz and --utc-offset do the same); this module
checks the arguments and names the zone for pandas.
"""

import datetime
import re
import zoneinfo

_EPOCH = datetime.datetime(1970, 1, 1)
_OFFSET = re.compile(r"([+-])(\d\d):(\d\d)")


def civil(seconds):
    """The civil time of a count of seconds since 1970-01-01 (no zone)."""
    return _EPOCH + datetime.timedelta(seconds=int(seconds))


def _offset(utc_offset):
    if isinstance(utc_offset, datetime.timedelta):
        delta = utc_offset
    elif isinstance(utc_offset, str):
        match = _OFFSET.fullmatch(utc_offset)
        if not match or int(match.group(3)) > 59:
            raise ValueError(f"utc_offset must look like +01:00 or -03:30, not {utc_offset!r}")
        sign, hours, minutes = match.groups()
        delta = (-1 if sign == "-" else 1) * datetime.timedelta(hours=int(hours), minutes=int(minutes))
    else:
        raise TypeError(f"utc_offset must be a str or a datetime.timedelta, not {type(utc_offset).__name__}")
    if delta % datetime.timedelta(minutes=1) or abs(delta) >= datetime.timedelta(hours=24):
        raise ValueError(f"utc_offset must be whole minutes within a day, not {utc_offset!r}")
    return delta


def _zone_name(tz):
    name = tz.key if isinstance(tz, zoneinfo.ZoneInfo) else tz
    if not isinstance(name, str):
        raise TypeError(f"tz must be a zone name (str) or a zoneinfo.ZoneInfo, not {type(tz).__name__}")
    try:
        zoneinfo.ZoneInfo(name)
    except (zoneinfo.ZoneInfoNotFoundError, ValueError) as error:
        raise ValueError(f"unknown time zone {name!r}") from error
    return name


def zone_of(tz, utc_offset):
    """(zone name or "", offset in minutes or None, tzinfo or None) of the arguments."""
    if tz is not None and utc_offset is not None:
        raise ValueError("give tz or utc_offset, not both")
    if tz is not None:
        name = _zone_name(tz)
        return name, None, zoneinfo.ZoneInfo(name)
    if utc_offset is not None:
        delta = _offset(utc_offset)
        return "", delta // datetime.timedelta(minutes=1), datetime.timezone(delta)
    return "", None, None
