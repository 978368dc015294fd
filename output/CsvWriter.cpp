// Pass 2 as comma- or tab-separated values: an optional header line, then one
// line per written row. Every field, the last included, is followed by the
// separator; every line ends in CR LF.

#include <cstring>

#include "model/Log.h"
#include "output/ConvertFlags.h"
#include "output/LogTime.h"
#include "output/OutputSink.h"
#include "output/TextBuffer.h"

namespace zerb {

namespace {

// A device name in double quotes; a quote inside it is doubled so that
// spreadsheets read the name back as it is.
void PutQuotedName(TextBuffer& text, std::string_view name, char sep) {
  text.Put('"');
  for (char c : name) {
    if (c == '"') text.Put('"');
    text.Put(c);
  }
  text.Put('"');
  text.Put(sep);
}

void PutHeader(TextBuffer& text, std::span<TDev* const> devices, char sep, bool dateTime) {
  if (dateTime) {
    text.Append("\"DATE\"");
    text.Put(sep);
    text.Append("\"TIME\"");
    text.Put(sep);
  }
  for (const TDev* device : devices) PutQuotedName(text, device->NameText(), sep);
  text.EndLine();
}

// Serial: day number, separator, day fraction, separator (two fields).
// Text: the date and the time, each in double quotes.
void PutTime(TextBuffer& text, TLogTime time, char sep, bool serial) {
  char* p = text.Reserve(2 * LogTimeTextCapacity + 6);
  std::size_t n = 0;
  if (serial) {
    n = time.SerialTextTo(p, sep);
  } else {
    p[n++] = '"';
    n += time.DateTextTo(p + n);
    p[n++] = '"';
    p[n++] = sep;
    p[n++] = '"';
    n += time.TimeTextTo(p + n);
    p[n++] = '"';
  }
  p[n++] = sep;
  text.Commit(n);
}

// A value's text, or an empty quoted field for an invalid value, then the
// separator.
void PutValue(TextBuffer& text, std::string_view value, char sep) {
  char* p = text.Reserve(value.size() + 3);
  std::size_t n = value.size();
  if (n == 0) {
    p[0] = '"';
    p[1] = '"';
    n = 2;
  } else {
    std::memcpy(p, value.data(), n);
  }
  p[n++] = sep;
  text.Commit(n);
}

}  // namespace

int TLog::WriteCsv(OutputSink& out, int overlap, uint16_t skip, uint16_t flags, ProgressCallback callback) {
  const char sep = (flags & FlagTab) ? '\t' : ',';
  const bool dateTime = (flags & FlagDateTime) != 0;
  const bool serial = (flags & FlagSerial) != 0;
  const auto end = CsvEndTime(TLogTime(pcTime), TLogTime(lanTime), (flags & FlagLanTime) != 0);
  const std::span<TDev* const> devices = Channels();

  auto text = std::make_unique<TextBuffer>(out);
  if (flags & FlagHeaders) PutHeader(*text, devices, sep, dateTime);
  const int walked = WalkRows(end.Seconds(), overlap, skip, callback,
                              [&](uint32_t rowTime, std::span<const int16_t> values) {
                                if (dateTime) PutTime(*text, TLogTime(rowTime), sep, serial);
                                for (std::size_t i = 0; i < values.size(); ++i)
                                  PutValue(*text, devices[i]->ValueText(values[i]), sep);
                                text->EndLine();
                              });
  const bool written = text->Flush();
  if (!written || (walked == 0 && !PassError().empty())) return -1;
  return walked;
}

}  // namespace zerb
