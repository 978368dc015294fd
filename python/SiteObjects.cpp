#include "python/SiteObjects.h"

#include "styles/UnitText.h"
#include "styles/Windows1252.h"

namespace py = pybind11;

namespace zerb {

namespace {

// The unit in UTF-8: the units table's text, or the letter as it stands
// (a site file byte, read as Windows-1252 as the names are).
std::string UnitOf(const SeriesChannel& c) {
  const std::string_view text = UnitText(c.unitsLetter, c.typeName);
  return text.size() == 1 ? Utf8FromWindows1252(text) : std::string(text);
}

py::list UnitsOf(const TAsList& units) {
  py::list out;
  py::list airspaces;  // of the last unit appended
  for (const TMListItem* item = units.Head(); item != nullptr; item = item->Next()) {
    if (const auto* unit = dynamic_cast<const TUnit*>(item)) {
      airspaces = py::list();
      out.append(py::make_tuple(unit->Number, py::bytes(std::string(unit->NameText())), unit->Program,
                                unit->RoomCount, airspaces));
      // A site's unit list holds units and their airspaces only.
    } else if (const auto* as = dynamic_cast<const TAs*>(item)) {  // GCOVR_EXCL_BR_LINE
      airspaces.append(py::make_tuple(as->Index, as->IsRoom() ? "room" : "creep", as->ItemNumber()));
    }
  }
  return out;
}

void AppendDevices(const TDevList& list, py::list& out) {
  for (const TMListItem* item = list.Head(); item != nullptr; item = item->Next()) {
    const auto& device = static_cast<const TDev&>(*item);
    const SeriesChannel c = ChannelOf(device);
    out.append(py::make_tuple(std::string(KindName(c.kind)), c.key, py::bytes(c.name), c.typeName, UnitOf(c), c.exponent,
                              device.Logged != 0));
  }
}

}  // namespace

py::tuple ChannelTuple(const SeriesChannel& channel) {
  return py::make_tuple(std::string(KindName(channel.kind)), channel.key, py::bytes(channel.name), channel.typeName,
                        UnitOf(channel), channel.exponent);
}

py::dict SiteDict(const TSite& site) {
  py::dict d;
  d["name"] = py::bytes(std::string(site.NameText()));
  d["telephone"] = py::bytes(std::string(site.TelephoneText()));
  d["number"] = site.SiteNumber;
  d["format_version"] = site.FormatVersion;
  d["units"] = UnitsOf(site.Units);
  py::list devices;
  AppendDevices(site.Sensors, devices);
  AppendDevices(site.Outputs, devices);
  AppendDevices(site.Asms, devices);
  d["devices"] = devices;
  return d;
}

}  // namespace zerb
