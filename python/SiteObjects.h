#pragma once
// The site and channel tables as plain Python values (tuples, lists, dicts
// of ints and bytes); the package's Python part names and decodes them.

#include <pybind11/pybind11.h>

#include "model/Site.h"
#include "series/Series.h"

namespace zerb {

// (kind, key, name, type name, unit, exponent); kind is "sensor", "output"
// or "asm", the name is the site file's bytes, the unit a str (UTF-8).
pybind11::tuple ChannelTuple(const SeriesChannel& channel);

// name, telephone (bytes), number, format_version, units: a list of
// (number, name, program, room count, airspace items [(index, "room" or
// "creep", item number)]), devices: a list of channel tuples plus logged.
pybind11::dict SiteDict(const TSite& site);

}  // namespace zerb
