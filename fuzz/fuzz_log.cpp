// Fuzz target: a site file and a log loaded as a conversion opens them, then
// pass 1 and both writers with the options at the front of the input
// (fuzz/LogInput.h). Besides the sanitizers' checks it holds the code to
// the load's and the passes' promises: results only 0/1 (-1/count for
// pass 1), a failed load adds no device, pass 2 ends on the newest values,
// and each writer writes exactly the selected rows, byte for byte what a
// plain field-by-field rendering of the walk's rows gives.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "classic/ConvertFlags.h"
#include "classic/CsvWriter.h"
#include "classic/LocalTime.h"
#include "classic/OutputSink.h"
#include "classic/XmlNames.h"
#include "classic/XmlWriter.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/LogInput.h"
#include "model/Log.h"
#include "model/Site.h"
#include "series/LogTime.h"

namespace {

using namespace zerb;

uint16_t stopAt = 0xFFFF;

int NoStop(uint16_t) { return 0; }
int StopAt(uint16_t index) { return index == stopAt ? 1 : 0; }

int32_t DeviceCount(const TSite& site) { return site.Sensors.Count() + site.Outputs.Count() + site.Asms.Count(); }

// The first written row of the new-entries selection, from the header.
uint32_t StartRowOf(const TLog& log, int32_t overlap) {
  if (overlap < 0) return 0;
  const uint32_t s = static_cast<uint16_t>(log.GetEntryCount() - log.NewEntryCount());
  const uint32_t o = static_cast<uint16_t>(overlap);
  return s <= o ? 0 : s - o;
}

// Rows 0..last that the walk writes: from the start row on, multiples of
// skip + 1.
uint32_t RowsWritten(uint32_t startRow, uint16_t skip, int64_t last) {
  uint32_t rows = 0;
  for (int64_t r = 0; r <= last; ++r)
    if (r >= startRow && r % (uint32_t{skip} + 1) == 0) ++rows;
  return rows;
}

std::string ExpectedCsvHeader(const TLog& log, char sep, bool dateTime) {
  std::string header;
  if (dateTime) header += std::string("\"DATE\"") + sep + "\"TIME\"" + sep;
  for (const TDev* device : log.Channels()) {
    header += '"';
    for (char c : device->NameText()) {
      if (c == '"') header += '"';
      header += c;
    }
    header += '"';
    header += sep;
  }
  return header + "\r\n";
}

// A written row as the walk hands it to a writer.
struct Row {
  uint32_t time;
  std::vector<int16_t> values;
};

// The rows pass 2 writes with these options and end time, up to the stop.
std::vector<Row> WrittenRows(TLog& log, uint32_t end, const fuzz::LogInput& input, int& result) {
  std::vector<Row> rows;
  result = log.WalkRows(end, input.overlap, input.skip, StopAt, [&](uint32_t time, std::span<const int16_t> values) {
    rows.push_back({time, std::vector<int16_t>(values.begin(), values.end())});
  });
  return rows;
}

// The CSV text built the plain way, field by field from the device texts
// and the row times' own texts: the writers' faster routes must give the
// very same bytes.
std::string ExpectedCsv(const TLog& log, const std::vector<Row>& rows, uint16_t flags) {
  const char sep = (flags & FlagTab) ? '\t' : ',';
  const bool dateTime = (flags & FlagDateTime) != 0;
  std::string out = (flags & FlagHeaders) ? ExpectedCsvHeader(log, sep, dateTime) : "";
  for (const Row& row : rows) {
    const TLogTime time(row.time);
    if (dateTime && (flags & FlagSerial)) {
      out += time.SerialText(sep);
      out += sep;
    } else if (dateTime) {
      out += '"';
      out += time.DateText();
      out += std::string("\"") + sep + '"';
      out += time.TimeText();
      out += std::string("\"") + sep;
    }
    for (std::size_t i = 0; i < row.values.size(); ++i) {
      const std::string_view text = log.Channel(i)->ValueText(row.values[i]);
      out += text.empty() ? std::string_view("\"\"") : text;
      out += sep;
    }
    out += "\r\n";
  }
  return out;
}

std::string TwoDigits(unsigned n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string ExpectedXml(const TLog& log, const std::vector<Row>& rows, uint16_t flags, bool complete) {
  std::string out = "<RootElement>\r\n";
  const std::string location = "\t\t<Location Name=\"" + std::to_string(log.GetSite().SiteNumber) + "\">\r\n";
  for (const Row& row : rows) {
    out += "\t<DataElement>\r\n";
    if (flags & FlagDateTime) {
      const CalendarDate date = CalendarOf(row.time);
      out += "\t\t<Month>" + TwoDigits(date.month) + "</Month>\r\n";
      out += "\t\t<Day>" + TwoDigits(date.day) + "</Day>\r\n";
      out += "\t\t<Year>" + std::to_string(date.year) + "</Year>\r\n";
      char time[128];
      const std::size_t n = LocalTimeTextTo(time, sizeof time, row.time);
      out += "\t\t<LocalTime>" + std::string(time, n) + "</LocalTime>\r\n";
      if (flags & FlagIsoTime) {
        const unsigned second = row.time % 86400;
        out += "\t\t<Time>" + std::to_string(date.year) + "-" + TwoDigits(date.month) + "-" + TwoDigits(date.day) +
               "T" + TwoDigits(second / 3600) + ":" + TwoDigits(second / 60 % 60) + ":" + TwoDigits(second % 60) +
               "</Time>\r\n";
      }
    }
    out += location;
    for (std::size_t i = 0; i < row.values.size(); ++i) {
      const TDev* device = log.Channel(i);
      const std::string name = XmlElementName(device->NameText());
      out += "\t\t\t<" + name + " SensorType=\"" + device->TypeName() + "\">";
      out += device->ValueText(row.values[i]);
      out += "</" + name + ">\r\n";
    }
    out += "\t\t</Location>\r\n\t</DataElement>\r\n";
  }
  if (complete) out += "</RootElement>\r\n";
  return out;
}

// Pass 2 without options: every row, the first holding pass 1's oldest
// values and the last the newest values read from the file, row r at
// endTime - interval * (entryCount - r).
void CheckFullWalk(TLog& log) {
  const uint32_t end = log.PcTime();
  const uint32_t entries = log.GetEntryCount();
  uint32_t rows = 0;
  std::vector<int16_t> first, last;
  const int walked = log.WalkRows(end, -1, 0, NoStop, [&](uint32_t time, std::span<const int16_t> values) {
    ZERB_FUZZ_CHECK(time == end - uint32_t{log.Interval()} * (entries - rows));
    if (rows++ == 0) first.assign(values.begin(), values.end());
    last.assign(values.begin(), values.end());
  });
  ZERB_FUZZ_CHECK(walked == 1);
  ZERB_FUZZ_CHECK(rows == entries + 1);
  ZERB_FUZZ_CHECK(first.size() == log.ChannelCount() && last.size() == log.ChannelCount());
  for (std::size_t i = 0; i < log.ChannelCount(); ++i) {
    ZERB_FUZZ_CHECK(first[i] == log.OldestValues()[i]);
    ZERB_FUZZ_CHECK(last[i] == log.InitialValue(i));
  }
}

void RunWriters(TLog& log, const fuzz::LogInput& input) {
  stopAt = input.stopRow;
  const uint16_t entries = log.GetEntryCount();
  const bool stops = input.stopRow <= entries;
  const int64_t lastRow = stops ? int64_t{input.stopRow} - 1 : int64_t{entries};
  const uint32_t expectedRows = RowsWritten(StartRowOf(log, input.overlap), input.skip, lastRow);
  const bool lan = (input.flags & FlagLanTime) != 0;

  int walked = 0;
  const auto csvEnd = CsvEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()), lan);
  const std::vector<Row> csvRows = WrittenRows(log, csvEnd.Seconds(), input, walked);
  ZERB_FUZZ_CHECK(walked == (stops ? 0 : 1));
  ZERB_FUZZ_CHECK(csvRows.size() == expectedRows);
  StringSink csv;
  ZERB_FUZZ_CHECK(WriteCsv(log, csv, input.overlap, input.skip, input.flags, StopAt) == (stops ? 0 : 1));
  ZERB_FUZZ_CHECK(csv.text == ExpectedCsv(log, csvRows, input.flags));

  const auto xmlEnd =
      XmlEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()), TLogTime(log.LocalLanTime()), lan);
  const std::vector<Row> xmlRows = WrittenRows(log, xmlEnd.Seconds(), input, walked);
  StringSink xml;
  ZERB_FUZZ_CHECK(WriteXml(log, xml, input.overlap, input.skip, input.flags, StopAt) == (stops ? 0 : 1));
  ZERB_FUZZ_CHECK(xml.text == ExpectedXml(log, xmlRows, input.flags, !stops));
}

// Fresh objects for every input, so that a finding replays on its own. TSite
// and TLog have no virtual destructor; a plain holder owns them.
struct Model {
  TSite site;
  TLog log{site};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const fuzz::LogInput input = fuzz::ParseLogInput(data, size);
  auto model = std::make_unique<Model>();
  TSite* const site = &model->site;
  TLog* const log = &model->log;
  if (!input.site.empty()) {
    fuzz::File stream = fuzz::ReadStream(input.site);
    const int loaded = site->Load(stream.get());
    ZERB_FUZZ_CHECK(loaded == 0 || loaded == 1);
  }

  const int32_t devicesBefore = DeviceCount(*site);
  fuzz::File stream = fuzz::ReadStream(input.log);
  const int loaded = log->Load(stream.get());
  ZERB_FUZZ_CHECK(loaded == 0 || loaded == 1);
  ZERB_FUZZ_CHECK(log->IsLoaded() == (loaded == 1));
  ZERB_FUZZ_CHECK(log->LoadError().empty() == (loaded == 1));
  if (loaded == 0) {
    ZERB_FUZZ_CHECK(DeviceCount(*site) == devicesBefore);
    ZERB_FUZZ_CHECK(log->ComputeOldestValues(NoStop) == -1);
    return 0;
  }
  ZERB_FUZZ_CHECK(log->Channels().size() == log->ChannelCount());
  ZERB_FUZZ_CHECK(log->SensorChannelCount() + log->OutputChannelCount() <= log->ChannelCount());
  for (const TDev* device : log->Channels()) ZERB_FUZZ_CHECK(device != nullptr);

  const int entries = log->GetEntryCount();
  if (input.stopRow < entries) {
    stopAt = input.stopRow;
    const int stopped = log->ComputeOldestValues(StopAt);
    ZERB_FUZZ_CHECK(stopped == -1);
  }
  const int pass1 = log->ComputeOldestValues(NoStop);
  ZERB_FUZZ_CHECK(pass1 == -1 || pass1 == entries);
  if (pass1 < 0) {
    // A damaged stream: pass 1 says why, and no writer runs on it.
    ZERB_FUZZ_CHECK(!log->PassError().empty());
    StringSink sink;
    ZERB_FUZZ_CHECK(WriteXml(*log, sink, input.overlap, input.skip, input.flags, NoStop) == -1);
    return 0;
  }
  CheckFullWalk(*log);
  RunWriters(*log, input);
  return 0;
}
