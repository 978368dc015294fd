"""Time zones of a log's rows.

A logger's clock gives civil times with no zone. With a zone, rows stay the
uniform grid the log holds: the newest row's civil time is placed in the zone
and every other row lies a whole number of intervals of real time before it,
so no hour is counted twice or skipped across a daylight-saving change. A
newest time inside a repeated hour is taken as its first occurrence; one
inside a skipped hour takes the offset in force before the change.
"""

import datetime
import re
import zoneinfo

_EPOCH = datetime.datetime(1970, 1, 1)
_OFFSET = re.compile(r"([+-])(\d\d):(\d\d)")


def civil(seconds):
    """The civil time of a count of seconds since 1970-01-01 (no zone)."""
    return _EPOCH + datetime.timedelta(seconds=int(seconds))


def _offset_zone(utc_offset):
    if isinstance(utc_offset, datetime.timedelta):
        delta = utc_offset
    elif isinstance(utc_offset, str):
        match = _OFFSET.fullmatch(utc_offset)
        if not match:
            raise ValueError(f"utc_offset must look like +01:00 or -03:30, not {utc_offset!r}")
        sign, hours, minutes = match.groups()
        if int(minutes) > 59:
            raise ValueError(f"utc_offset {utc_offset!r} has more than 59 minutes")
        delta = datetime.timedelta(hours=int(hours), minutes=int(minutes))
        delta = -delta if sign == "-" else delta
    else:
        raise TypeError(f"utc_offset must be a str or a datetime.timedelta, not {type(utc_offset).__name__}")
    if delta % datetime.timedelta(minutes=1) or abs(delta) >= datetime.timedelta(hours=24):
        raise ValueError(f"utc_offset must be whole minutes within a day, not {utc_offset!r}")
    return datetime.timezone(delta)


def _named_zone(tz):
    if isinstance(tz, datetime.tzinfo):
        return tz
    if not isinstance(tz, str):
        raise TypeError(f"tz must be a zone name (str) or a tzinfo, not {type(tz).__name__}")
    try:
        return zoneinfo.ZoneInfo(tz)
    except (zoneinfo.ZoneInfoNotFoundError, ValueError) as error:
        raise ValueError(f"unknown time zone {tz!r}") from error


def zone_of(tz, utc_offset):
    """The tzinfo that tz (an IANA name) or utc_offset ("+HH:MM") name, or None."""
    if tz is not None and utc_offset is not None:
        raise ValueError("give tz or utc_offset, not both")
    if tz is not None:
        return _named_zone(tz)
    if utc_offset is not None:
        return _offset_zone(utc_offset)
    return None


def utc_shift(newest, zone):
    """Seconds to subtract from civil row times to get UTC: the zone's
    offset at the newest row's civil time (seconds since 1970)."""
    offset = civil(newest).replace(tzinfo=zone, fold=0).utcoffset()
    return int(offset.total_seconds())
