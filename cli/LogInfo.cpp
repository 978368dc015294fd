#include "cli/LogInfo.h"

#include <algorithm>
#include <string>

#include "app/Conversion.h"
#include "app/CountedWords.h"
#include "app/Document.h"
#include "model/Log.h"
#include "model/PrintableText.h"
#include "model/Site.h"
#include "series/LogTime.h"

namespace zerb {

namespace {

void PrintSite(std::FILE* out, const OpenedLog& opened, const TSite& site) {
  if (!opened.site) {
    std::fprintf(out, "Site: none (the log's file name does not start with a number)\n");
    return;
  }
  const std::string name = PrintableText(site.NameText());
  std::string state = opened.siteLoaded ? "" : " (site file missing or incomplete)";
  if (!opened.siteError.empty()) state = " (" + opened.siteError + ")";
  std::fprintf(out, "Site: %s, number %u, file %s%s\n", name.c_str(), unsigned{site.SiteNumber},
               PrintableText(opened.site->path).c_str(), PrintableText(state).c_str());
}

void PrintTime(std::FILE* out, const char* label, uint32_t count) {
  const TLogTime time(count);
  const std::string date(time.DateText());
  std::fprintf(out, "%-16s%s %s (%u)\n", label, date.c_str(), std::string(time.TimeText()).c_str(), count);
}

void PrintHeader(std::FILE* out, const TLog& log) {
  const std::string description = PrintableText(log.Description());
  std::fprintf(out, "Log: %s\n", description.c_str());
  std::fprintf(out, "Entries: %u (%u new), %s, interval %u s\n", unsigned{log.GetEntryCount()},
               unsigned{log.NewEntryCount()}, Counted(log.GetEntryCount() + 1u, "row").c_str(), unsigned{log.Interval()});
  const unsigned asms = unsigned{log.ChannelCount()} - log.SensorChannelCount() - log.OutputChannelCount();
  std::fprintf(out, "Channels: %u (%s, %s, %s)\n", unsigned{log.ChannelCount()},
               Counted(log.SensorChannelCount(), "sensor").c_str(), Counted(log.OutputChannelCount(), "output").c_str(),
               Counted(asms, "ASM").c_str());
  std::fprintf(out, "Data area: %s from byte %d, bit %u\n",
               Counted(static_cast<uint64_t>(std::max<int>(log.DataSize(), 0)), "byte").c_str(), log.StartByte(),
               unsigned{log.StartBit()});
  PrintTime(out, "PC time:", log.PcTime());
  PrintTime(out, "LAN time:", log.LanTime());
  PrintTime(out, "Local LAN time:", log.LocalLanTime());
}

void PrintChannels(std::FILE* out, const TLog& log) {
  std::fprintf(out, "\nCOLUMN DEVICE       KEY    TYPE     EXPONENT UNITS\n");
  std::size_t column = 1;
  for (const TDev* device : log.Channels()) {
    const std::string name = PrintableText(device->NameText());
    std::fprintf(out, "%6zu %-12s 0x%04X %-8s %8d %c\n", column++, name.c_str(), unsigned{device->Key},
                 device->TypeName(), device->ValueExponent(), device->ListedUnitsChar());
  }
}

}  // namespace

void PrintLogInfo(std::FILE* out, const OpenedLog& opened, const TSite& site, const TLog& log) {
  PrintSite(out, opened, site);
  if (!opened.logLoaded) {
    std::fprintf(out, "Log: not loaded: %s\n", PrintableText(opened.error).c_str());
    return;
  }
  PrintHeader(out, log);
  PrintChannels(out, log);
  site.Units.Print(out);
  site.Sensors.Print(out);
  site.Outputs.Print(out);
  site.Asms.Print(out);
}

}  // namespace zerb
