#include "app/LogNotes.h"

#include "app/Paths.h"
#include "styles/TableText.h"
#include "styles/Windows1252.h"

namespace zerb {

WorkbookNotes LogNotes(const TLog& log, const std::string& logPath) {
  constexpr auto utf8 = TextEncoding::Utf8FromWindows1252;
  const TSite& site = log.GetSite();
  WorkbookNotes notes;
  notes.about = {
      {"Site", NoteCell::Number(site.SiteNumber)},
      {"Site name", NoteCell::Text(EncodedText(site.NameText(), utf8))},
      {"Log", NoteCell::Text(Utf8Text(FileNamePart(logPath)))},
      {"Description", NoteCell::Text(EncodedText(log.Description(), utf8))},
      {"Interval (s)", NoteCell::Number(log.Interval())},
      {"PC clock", NoteCell::Time(log.PcTime())},
      {"LAN clock", NoteCell::Time(log.LanTime())},
      {"Local LAN clock", NoteCell::Time(log.LocalLanTime())},
  };
  return notes;
}

}  // namespace zerb
