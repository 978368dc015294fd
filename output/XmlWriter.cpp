// Pass 2 as an XML document: one DataElement per written row, holding the
// row's date and time of day and one element per channel named after the
// channel's device. Every line ends in CR LF.

#include <charconv>
#include <string>
#include <vector>

#include "model/Log.h"
#include "output/ConvertFlags.h"
#include "output/LocalTime.h"
#include "output/LogTime.h"
#include "output/OutputSink.h"
#include "output/TextBuffer.h"
#include "output/XmlNames.h"

namespace zerb {

namespace {

// The fixed text around one channel's value, built once per run:
// "\t\t\t<NAME SensorType=\"TYPE\">" before it and "</NAME>" after it.
struct ChannelMarkup {
  std::string open;
  std::string close;
};

std::vector<ChannelMarkup> MarkupOf(std::span<TDev* const> devices) {
  std::vector<ChannelMarkup> markup;
  markup.reserve(devices.size());
  for (const TDev* device : devices) {
    const std::string name = XmlElementName(device->NameText());
    markup.push_back({"\t\t\t<" + name + " SensorType=\"" + device->TypeName() + "\">", "</" + name + ">\r\n"});
  }
  return markup;
}

// Month and day with two digits, the year with all of them, then the time
// of day in the locale's time format.
void PutDateTime(TextBuffer& text, uint32_t rowTime) {
  const TCalendarDate date = CalendarOf(rowTime);
  char number[16];
  auto put = [&](std::string_view open, unsigned value, int width, std::string_view close) {
    text.Append(open);
    char* end = std::to_chars(number, number + sizeof number, value).ptr;
    if (width == 2 && end - number < 2) text.Put('0');
    text.Append(std::string_view(number, static_cast<std::size_t>(end - number)));
    text.Append(close);
  };
  put("\t\t<Month>", date.month, 2, "</Month>\r\n");
  put("\t\t<Day>", date.day, 2, "</Day>\r\n");
  put("\t\t<Year>", date.year, 0, "</Year>\r\n");
  char time[128];
  const std::size_t n = LocalTimeTextTo(time, sizeof time, rowTime);
  text.Append("\t\t<LocalTime>");
  text.Append(std::string_view(time, n));
  text.Append("</LocalTime>\r\n");
}

}  // namespace

int TLog::WriteXml(OutputSink& out, int overlap, uint16_t skip, uint16_t flags, ProgressCallback callback) {
  const bool dateTime = (flags & FlagDateTime) != 0;
  const auto end = XmlEndTime(TLogTime(pcTime), TLogTime(lanTime), TLogTime(localLanTime),
                              (flags & FlagLanTime) != 0);
  const std::span<TDev* const> devices = Channels();
  const std::vector<ChannelMarkup> markup = MarkupOf(devices);
  const std::string location = "\t\t<Location Name=\"" + std::to_string(site.SiteNumber) + "\">\r\n";

  auto text = std::make_unique<TextBuffer>(out);
  text->Append("<RootElement>\r\n");
  const int walked = WalkRows(end.Seconds(), overlap, skip, callback,
                              [&](uint32_t rowTime, std::span<const int16_t> values) {
                                text->Append("\t<DataElement>\r\n");
                                if (dateTime) PutDateTime(*text, rowTime);
                                text->Append(location);
                                for (std::size_t i = 0; i < values.size(); ++i) {
                                  text->Append(markup[i].open);
                                  text->Append(devices[i]->ValueText(values[i]));
                                  text->Append(markup[i].close);
                                }
                                text->Append("\t\t</Location>\r\n\t</DataElement>\r\n");
                              });
  if (walked == 1) text->Append("</RootElement>\r\n");
  const bool written = text->Flush();
  if (!written || (walked == 0 && !PassError().empty())) return -1;
  return walked;
}

}  // namespace zerb
