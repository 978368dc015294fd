// Pass 2 as comma- or tab-separated values: an optional header line, then one
// line per written row. Every field, the last included, is followed by the
// separator; every line ends in CR LF.

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "classic/ChannelFields.h"
#include "classic/ConvertFlags.h"
#include "classic/CsvWriter.h"
#include "classic/OutputSink.h"
#include "classic/TextBuffer.h"
#include "model/Log.h"
#include "series/LogTime.h"

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

// The date/time columns of a row. Serial: day number, separator, day
// fraction (two fields). Text: the date and the time, each in double
// quotes. The quoted date changes once a day and is kept between rows.
class TimeColumns {
 public:
  // The room PutTo may take.
  static constexpr std::size_t Room = 24 + LogTimeTextCapacity + 3;

  TimeColumns(char sep, bool serial) : sep_(sep), serial_(serial) {}

  // Writes the columns of the time to p, which has Room chars; returns
  // their end.
  char* PutTo(char* p, uint32_t time) {
    if (serial_) {
      p += TLogTime(time).SerialTextTo(p, sep_);
    } else {
      const uint32_t day = time / SecondsPerDay;
      if (day != day_) MakeDate(time, day);
      std::memcpy(p, date_.data(), date_.size());  // the whole array: a fixed-size copy
      p += dateSize_;
      *p++ = '"';
      p += TLogTime(time).TimeTextTo(p);
      *p++ = '"';
    }
    *p++ = sep_;
    return p;
  }

 private:
  static constexpr uint32_t SecondsPerDay = 86400;

  void MakeDate(uint32_t time, uint32_t day) {
    std::size_t n = 0;
    date_[n++] = '"';
    n += TLogTime(time).DateTextTo(date_.data() + n);  // DD/MM/YYYY
    date_[n++] = '"';
    date_[n++] = sep_;
    dateSize_ = n;
    day_ = day;
  }

  char sep_;
  bool serial_;
  std::array<char, 24> date_{};  // "\"DD/MM/YYYY\"" and the separator
  std::size_t dateSize_ = 0;
  uint32_t day_ = UINT32_MAX;  // no day yet
};

// Per channel: the value text, or an empty quoted field for an invalid
// value, then the separator.
ChannelFields FieldsOf(std::span<TDev* const> devices, char sep) {
  return ChannelFields(devices, [sep](const TDev&) { return ChannelFields::Parts{"", std::string(1, sep), "\"\""}; });
}

}  // namespace

int WriteCsv(const TLog& log, OutputSink& out, int overlap, uint16_t skip, uint16_t flags,
             ProgressCallback callback) {
  const char sep = (flags & FlagTab) ? '\t' : ',';
  const bool dateTime = (flags & FlagDateTime) != 0;
  const bool serial = (flags & FlagSerial) != 0;
  const auto end = CsvEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()), (flags & FlagLanTime) != 0);
  const std::span<TDev* const> devices = log.Channels();

  auto text = std::make_unique<TextBuffer>(out);
  if (flags & FlagHeaders) PutHeader(*text, devices, sep, dateTime);
  TimeColumns time(sep, serial);
  ChannelFields fields = FieldsOf(devices, sep);
  const int walked =
      log.WalkRows(end.Seconds(), overlap, skip, callback, [&](uint32_t rowTime, std::span<const int16_t> values) {
        fields.Update(values);
        // The whole line in one reservation.
        char* const start = text->Reserve(TimeColumns::Room + fields.Room() + 2);
        char* p = dateTime ? time.PutTo(start, rowTime) : start;
        p = fields.CopyTo(p);
        *p++ = '\r';
        *p++ = '\n';
        text->Commit(static_cast<std::size_t>(p - start));
      });
  const bool written = text->Flush();
  if (!written || (walked == 0 && !log.PassError().empty())) return -1;
  return walked;
}

}  // namespace zerb
