#include "history/SeriesCsv.h"

#include <string>

#include "model/FormatFixed.h"
#include "output/ConvertFlags.h"
#include "output/LogTime.h"

namespace zerb {

namespace {

constexpr std::size_t FlushAt = 1 << 16;

void PutHeader(std::string& text, std::span<const SeriesChannel> channels, char sep, bool dateTime) {
  if (dateTime) {
    text += "\"DATE\"";
    text += sep;
    text += "\"TIME\"";
    text += sep;
  }
  for (const SeriesChannel& c : channels) {
    text += '"';
    for (char ch : c.name) {
      if (ch == '"') text += '"';
      text += ch;
    }
    text += '"';
    text += sep;
  }
  text += "\r\n";
}

void PutTime(std::string& text, uint32_t time, char sep, bool serial) {
  char buffer[LogTimeTextCapacity];
  const TLogTime t(time);
  if (serial) {
    text.append(buffer, t.SerialTextTo(buffer, sep));
  } else {
    text += '"';
    text.append(buffer, t.DateTextTo(buffer));
    text += '"';
    text += sep;
    text += '"';
    text.append(buffer, t.TimeTextTo(buffer));
    text += '"';
  }
  text += sep;
}

void PutReading(std::string& text, const Reading& r, char sep) {
  if (r.present) {
    if (r.valid)
      text += FormatFixed(r.value, r.exponent);
    else
      text += "\"\"";
  }
  text += sep;
}

}  // namespace

int WriteSeriesCsv(Series& series, OutputSink& out, uint16_t flags) {
  const char sep = (flags & FlagTab) ? '\t' : ',';
  const bool dateTime = (flags & FlagDateTime) != 0;
  const bool serial = (flags & FlagSerial) != 0;
  std::string text;
  if (flags & FlagHeaders) PutHeader(text, series.Channels(), sep, dateTime);
  bool written = true;
  const int walked = series.ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    if (dateTime) PutTime(text, time, sep, serial);
    for (const Reading& r : readings) PutReading(text, r, sep);
    text += "\r\n";
    if (text.size() >= FlushAt) {
      written = out.Write(text);
      text.clear();
    }
    return written;
  });
  written = written && out.Write(text);
  if (!written || walked < 0) return -1;
  return walked;
}

}  // namespace zerb
