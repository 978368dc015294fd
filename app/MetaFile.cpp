#include "app/MetaFile.h"

#include <memory>
#include <vector>

#include <nlohmann/json.hpp>

#include "series/LogTime.h"
#include "series/Series.h"
#include "styles/Styles.h"
#include "styles/TableText.h"
#include "styles/ZoneClock.h"

namespace zerb {

namespace {

using nlohmann::ordered_json;

std::string Civil(uint32_t time) {
  char text[LogTimeTextCapacity];
  return std::string(text, TLogTime(time).IsoTextTo(text));
}

ordered_json OptionalTime(const std::optional<uint32_t>& time) {
  return time ? ordered_json(Civil(*time)) : ordered_json(nullptr);
}

// The channels written, in their columns' order.
ordered_json Channels(const TLog& log, const RowSelection& selection) {
  ordered_json channels = ordered_json::array();
  int column = 0;
  constexpr auto utf8 = TextEncoding::Utf8FromWindows1252;
  std::vector<const TDev*> written(log.Channels().begin(), log.Channels().end());
  if (selection.channels) {
    written.clear();
    for (std::size_t i : *selection.channels)
      if (i < log.Channels().size()) written.push_back(log.Channels()[i]);
  }
  for (const TDev* device : written) {
    const SeriesChannel c = ChannelOf(*device);
    channels.push_back({{"column", ++column},
                        {"id", ChannelId(c)},
                        {"key", c.key},
                        {"kind", std::string(KindName(c.kind))},
                        {"name", EncodedText(c.name, utf8)},
                        {"type", c.typeName},
                        {"unit", UnitOf(c, utf8)},
                        {"exponent", c.exponent}});
  }
  return channels;
}

const char* TimeFormName(TimeForm form) {
  switch (form) {
    case TimeForm::ClassicText: return "text";
    case TimeForm::ClassicSerial: return "serial";
    case TimeForm::Iso: return "iso";
    case TimeForm::Excel: return "excel";
    case TimeForm::Off: return "off";
  }
  return "";  // GCOVR_EXCL_LINE: every form is a case above
}

ordered_json Zone(const TimeZoneSetting& zone) {
  switch (zone.kind) {
    case ZoneKind::Civil: return "logger civil time";
    case ZoneKind::FixedOffset: return {{"utcOffset", OffsetText(zone.offsetMinutes * 60)}, {"utc", zone.utc}};
    case ZoneKind::Named: return {{"zone", zone.name}, {"utc", zone.utc}};
  }
  return nullptr;  // GCOVR_EXCL_LINE: every kind is a case above
}

ordered_json Table(const TableSettings& t) {
  static const char* const units[] = {"off", "row", "inline"};
  return {{"separator", std::string(1, t.separator)},
          {"decimalComma", t.decimalComma},
          {"trailingSeparator", t.trailingSeparator},
          {"bom", t.bom},
          {"header", t.header},
          {"time", TimeFormName(t.time)},
          {"timeZone", Zone(t.zone)},
          {"units", units[static_cast<int>(t.units)]},
          {"encoding", t.encoding == TextEncoding::AsStored ? "8-bit as stored" : "UTF-8"},
          {"layout", t.layout == Layout::Long ? "long" : "wide"}};
}

ordered_json Summary(const SummaryRequest& s, const TimeZoneSetting& zone) {
  ordered_json degreeDays = ordered_json::array();
  for (const DegreeDayRequest& d : s.degreeDays)
    degreeDays.push_back({{"kind", d.cooling ? "cooling" : "heating"}, {"channel", d.channel}, {"baseCelsius", d.base},
                          {"method", "daily mean against the base, days summed over the period"}});
  ordered_json summary = {
      {"period", std::string(NameOf(s.every))},
      {"stats", s.stats.empty() ? ordered_json("default: mean,min,max,count; on/off channels: on,starts,count")
                                : ordered_json(StatsText(s.stats))},
      {"periodsAlignedIn", zone.kind == ZoneKind::Named ? zone.name
                           : zone.kind == ZoneKind::FixedOffset ? OffsetText(zone.offsetMinutes * 60)
                                                                : "logger civil time"},
      {"minCoverage", s.minCoverage},
      {"coverageRule",
       "a period's figures (all but count) are empty when its valid readings are fewer than minCoverage times its "
       "length divided by the interval"},
      {"degreeDays", degreeDays}};
  return summary;
}

ordered_json Options(const ConvertOptions& o) {
  const bool workbook = !o.xml && o.table && o.table->file == TableFile::Workbook;
  ordered_json options = {{"format", o.xml ? "xml" : workbook ? "xlsx" : "csv"},
                          {"style", o.styleName},
                          {"clock", (o.flags & FlagLanTime) ? "lan" : "pc"},
                          {"newEntriesOnly", o.overlap >= 0},
                          {"overlap", o.overlap < 0 ? 0 : o.overlap},
                          {"skip", o.skip}};
  if (o.selection.from) options["from"] = Civil(*o.selection.from);
  if (o.selection.to) options["to"] = Civil(*o.selection.to);
  if (o.summary) options["summary"] = Summary(*o.summary, o.table.value_or(ClassicTable(o.flags)).zone);
  if (o.xml) {
    options["header"] = (o.flags & FlagHeaders) != 0;
    options["isoTime"] = (o.flags & FlagIsoTime) != 0;
  } else {
    options["table"] = Table(o.table.value_or(ClassicTable(o.flags)));
  }
  return options;
}

}  // namespace

WrittenRows XmlRowsOf(const TLog& log, const ConvertOptions& options) {
  const WrittenRowRange written = log.RowsWritten(options.overlap, options.skip);
  WrittenRows rows;
  if (written.count == 0) return rows;
  const uint32_t entries = log.GetEntryCount();
  const uint32_t end = XmlEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()), TLogTime(log.LocalLanTime()),
                                  (options.flags & FlagLanTime) != 0)
                           .Seconds();
  rows.count = written.count;
  rows.first = end - log.Interval() * (entries - written.first);
  rows.last = end - log.Interval() * (entries - written.last);
  return rows;
}

std::string MetaJson(const TLog& log, const ConvertOptions& options, const WrittenRows& rows) {
  constexpr auto utf8 = TextEncoding::Utf8FromWindows1252;
  const TSite& site = log.GetSite();
  ordered_json meta = {
      {"site", {{"name", EncodedText(site.NameText(), utf8)}, {"number", site.SiteNumber}}},
      {"log",
       {{"description", EncodedText(log.Description(), utf8)},
        {"interval", log.Interval()},
        {"clocks", {{"pc", Civil(log.PcTime())}, {"lan", Civil(log.LanTime())}, {"localLan", Civil(log.LocalLanTime())}}}}},
      {"channels", Channels(log, options.selection)},
      {"options", Options(options)},
      {"rows", rows.count},
      {"firstTime", OptionalTime(rows.first)},
      {"lastTime", OptionalTime(rows.last)},
  };
  return meta.dump(2) + "\n";
}

}  // namespace zerb
