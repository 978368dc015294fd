// Pass 2 as an XML document: one DataElement per written row, holding the
// row's date and time of day and one element per channel named after the
// channel's device. Every line ends in CR LF.

#ifndef _WIN32
#include <langinfo.h>
#endif

#include <cstring>
#include <string>
#include <vector>

#include "classic/ChannelFields.h"
#include "classic/ConvertFlags.h"
#include "classic/LocalTime.h"
#include "classic/OutputSink.h"
#include "classic/TextBuffer.h"
#include "classic/XmlNames.h"
#include "classic/XmlWriter.h"
#include "model/Log.h"
#include "series/LogTime.h"

namespace zerb {

namespace {

// Per channel: "\t\t\t<NAME SensorType=\"TYPE\">" + value text + "</NAME>"
// and the line end; an invalid value leaves the element empty.
ChannelFields FieldsOf(std::span<TDev* const> devices) {
  return ChannelFields(devices, [](const TDev& device) {
    const std::string name = XmlElementName(device.NameText());
    return ChannelFields::Parts{"\t\t\t<" + name + " SensorType=\"" + device.TypeName() + "\">",
                                "</" + name + ">\r\n", ""};
  });
}

// strftime's "%X" is the locale's T_FMT. When that is plain "%H:%M:%S" (the
// C locale's) the time of day is made without strftime, the same text.
// Windows has no nl_langinfo: there strftime always makes the text.
bool TimeFormatIsHms() {
#ifdef _WIN32
  return false;
#else
  const char* format = nl_langinfo(T_FMT);
  return format != nullptr && std::strcmp(format, "%H:%M:%S") == 0;
#endif
}

// The opening of each row element up to the Location element. With
// date/time, the part up to the LocalTime text changes once a day and is
// kept between rows: Month and day with two digits, the year with all of
// them, then the time of day in the locale's time format; with the ISO time,
// a Time element holding the row time as YYYY-MM-DDTHH:MM:SS after them.
class RowOpening {
 public:
  RowOpening(bool dateTime, bool isoTime, uint16_t siteNumber)
      : dateTime_(dateTime), isoTime_(dateTime && isoTime), hms_(TimeFormatIsHms()) {
    const std::string location = "\t\t<Location Name=\"" + std::to_string(siteNumber) + "\">\r\n";
    if (isoTime_) {
      afterTime_.Set("</LocalTime>\r\n\t\t<Time>");
      afterIso_.Set("</Time>\r\n" + location);
    } else if (dateTime) {
      afterTime_.Set("</LocalTime>\r\n" + location);
    } else {
      beforeTime_.Set("\t<DataElement>\r\n" + location);
    }
  }

  // The room PutTo may take for a row of the given time.
  std::size_t Room(uint32_t time) {
    if (dateTime_ && time / SecondsPerDay != day_) MakeDate(time);
    return beforeTime_.Room() + (dateTime_ ? TimeRoom + afterTime_.Room() : 0) +
           (isoTime_ ? LogTimeTextCapacity + afterIso_.Room() : 0);
  }

  // Writes the opening to p, which has Room(time) chars; returns its end.
  char* PutTo(char* p, uint32_t time) {
    if (dateTime_ && time / SecondsPerDay != day_) MakeDate(time);
    p = beforeTime_.CopyTo(p);
    if (!dateTime_) return p;
    p += hms_ ? TLogTime(time).TimeTextTo(p) : LocalTimeTextTo(p, TimeRoom, time);
    p = afterTime_.CopyTo(p);
    if (!isoTime_) return p;
    p += TLogTime(time).IsoTextTo(p);
    return afterIso_.CopyTo(p);
  }

 private:
  static constexpr uint32_t SecondsPerDay = 86400;
  static constexpr std::size_t TimeRoom = 128;

  void MakeDate(uint32_t time) {
    const CalendarDate date = CalendarOf(time);
    std::string head = "\t<DataElement>\r\n";
    auto put = [&](const char* open, unsigned value, bool twoDigits, const char* close) {
      head += open;
      if (twoDigits && value < 10) head += '0';
      head += std::to_string(value);
      head += close;
    };
    put("\t\t<Month>", date.month, true, "</Month>\r\n");
    put("\t\t<Day>", date.day, true, "</Day>\r\n");
    put("\t\t<Year>", date.year, false, "</Year>\r\n");
    head += "\t\t<LocalTime>";
    beforeTime_.Set(head);
    day_ = time / SecondsPerDay;
  }

  bool dateTime_;
  bool isoTime_;
  bool hms_;
  PaddedText beforeTime_;
  PaddedText afterTime_;
  PaddedText afterIso_;
  uint32_t day_ = UINT32_MAX;  // no day yet
};

}  // namespace

int WriteXml(const TLog& log, OutputSink& out, int overlap, uint16_t skip, uint16_t flags,
             ProgressCallback callback) {
  const bool dateTime = (flags & FlagDateTime) != 0;
  const auto end = XmlEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()), TLogTime(log.LocalLanTime()),
                              (flags & FlagLanTime) != 0);
  ChannelFields fields = FieldsOf(log.Channels());
  RowOpening opening(dateTime, (flags & FlagIsoTime) != 0, log.GetSite().SiteNumber);
  const PaddedText closing("\t\t</Location>\r\n\t</DataElement>\r\n");

  auto text = std::make_unique<TextBuffer>(out);
  text->Append("<RootElement>\r\n");
  const int walked =
      log.WalkRows(end.Seconds(), overlap, skip, callback, [&](uint32_t rowTime, std::span<const int16_t> values) {
        fields.Update(values);
        // The whole element in one reservation.
        char* const start = text->Reserve(opening.Room(rowTime) + fields.Room() + closing.Room());
        char* p = fields.CopyTo(opening.PutTo(start, rowTime));
        p = closing.CopyTo(p);
        text->Commit(static_cast<std::size_t>(p - start));
      });
  if (walked == 1) text->Append("</RootElement>\r\n");
  const bool written = text->Flush();
  if (!written || (walked == 0 && !log.PassError().empty())) return -1;
  return walked;
}

}  // namespace zerb
