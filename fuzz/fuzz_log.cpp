// Fuzz target: a site file and a log loaded as a conversion opens them, then
// pass 1 and both writers with the options at the front of the input
// (fuzz/LogInput.h). Besides the sanitizers' checks it holds the code to
// the load's and the passes' promises: results only 0/1 (-1/count for
// pass 1), a failed load adds no device, pass 2 ends on the newest values,
// and each writer writes exactly the selected rows, every CSV line with the
// same number of fields.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "fuzz/LogInput.h"
#include "model/Log.h"
#include "model/Site.h"
#include "output/ConvertFlags.h"
#include "output/OutputSink.h"

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
uint32_t WrittenRows(uint32_t startRow, uint16_t skip, int64_t last) {
  uint32_t rows = 0;
  for (int64_t r = 0; r <= last; ++r)
    if (r >= startRow && r % (uint32_t{skip} + 1) == 0) ++rows;
  return rows;
}

std::size_t CountOf(std::string_view text, std::string_view what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++n;
  return n;
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

void CheckCsv(const TLog& log, const std::string& csv, uint16_t flags, uint32_t rows) {
  const char sep = (flags & FlagTab) ? '\t' : ',';
  const bool dateTime = (flags & FlagDateTime) != 0;
  std::string_view body = csv;
  if (flags & FlagHeaders) {
    const std::string header = ExpectedCsvHeader(log, sep, dateTime);
    ZERB_FUZZ_CHECK(body.substr(0, header.size()) == header);
    body.remove_prefix(header.size());
  }
  // Every data line: the date/time fields and one field per channel, each
  // followed by the separator.
  const std::size_t fields = log.ChannelCount() + (dateTime ? 2u : 0u);
  uint32_t lines = 0;
  while (!body.empty()) {
    const auto end = body.find("\r\n");
    ZERB_FUZZ_CHECK(end != std::string_view::npos);
    const std::string_view line = body.substr(0, end);
    ZERB_FUZZ_CHECK(CountOf(line, std::string_view(&sep, 1)) == fields);
    ZERB_FUZZ_CHECK(line.empty() ? fields == 0 : line.back() == sep);
    body.remove_prefix(end + 2);
    ++lines;
  }
  ZERB_FUZZ_CHECK(lines == rows);
}

void CheckXml(const std::string& xml, uint32_t rows, bool complete) {
  constexpr std::string_view open = "<RootElement>\r\n";
  constexpr std::string_view close = "</RootElement>\r\n";
  constexpr std::string_view rowEnd = "\t</DataElement>\r\n";
  const std::string_view text = xml;
  ZERB_FUZZ_CHECK(text.substr(0, open.size()) == open);
  ZERB_FUZZ_CHECK(CountOf(text, "\t<DataElement>\r\n") == rows);
  ZERB_FUZZ_CHECK(CountOf(text, rowEnd) == rows);
  const bool closed = text.size() >= close.size() && text.substr(text.size() - close.size()) == close;
  ZERB_FUZZ_CHECK(closed == complete);
  // A stopped document ends after its last complete row (or the root tag).
  if (!complete)
    ZERB_FUZZ_CHECK(text == open || text.substr(text.size() - rowEnd.size()) == rowEnd);
}

// Pass 2 without options: every row, the first holding pass 1's oldest
// values and the last the newest values read from the file.
void CheckFullWalk(TLog& log) {
  uint32_t rows = 0;
  std::vector<int16_t> first, last;
  const int walked = log.WalkRows(0, -1, 0, NoStop, [&](uint32_t, std::span<const int16_t> values) {
    if (rows++ == 0) first.assign(values.begin(), values.end());
    last.assign(values.begin(), values.end());
  });
  ZERB_FUZZ_CHECK(walked == 1);
  ZERB_FUZZ_CHECK(rows == uint32_t{log.GetEntryCount()} + 1);
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
  const uint32_t rows = WrittenRows(StartRowOf(log, input.overlap), input.skip, lastRow);

  StringSink csv;
  const int csvResult = log.WriteCsv(csv, input.overlap, input.skip, input.flags, StopAt);
  ZERB_FUZZ_CHECK(csvResult == (stops ? 0 : 1));
  CheckCsv(log, csv.text, input.flags, rows);

  StringSink xml;
  const int xmlResult = log.WriteXml(xml, input.overlap, input.skip, input.flags, StopAt);
  ZERB_FUZZ_CHECK(xmlResult == (stops ? 0 : 1));
  CheckXml(xml.text, rows, !stops);
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
    ZERB_FUZZ_CHECK(log->WriteXml(sink, input.overlap, input.skip, input.flags, NoStop) == -1);
    return 0;
  }
  CheckFullWalk(*log);
  RunWriters(*log, input);
  return 0;
}
