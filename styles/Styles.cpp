#include "styles/Styles.h"

#include <array>

#include "classic/ConvertFlags.h"

namespace zerb {

namespace {

struct Style {
  std::string_view name;
  char separator;
  bool decimalComma;
  bool trailingSeparator;
  bool bom;
  bool classicQuoting;
  TimeForm time;
  UnitsMode units;
  TextEncoding encoding;
  Layout layout;
  TableFile file;
  bool zoneAsUtc;
};

constexpr auto Utf8 = TextEncoding::Utf8FromWindows1252;

constexpr auto Text = TableFile::Text;

// name        sep   dec,   trail  bom    quote  time                    units              encoding  layout  file  zoneAsUtc
constexpr std::array<Style, 6> Table = {{
    {"classic", ',', false, true, false, true, TimeForm::ClassicText, UnitsMode::Off, TextEncoding::AsStored,
     Layout::Wide, Text, false},
    {"excel", ',', false, false, true, false, TimeForm::Excel, UnitsMode::Inline, Utf8, Layout::Wide, Text, false},
    {"excel-eu", ';', true, false, true, false, TimeForm::Excel, UnitsMode::Inline, Utf8, Layout::Wide, Text, false},
    {"pandas", ',', false, false, false, false, TimeForm::Iso, UnitsMode::Inline, Utf8, Layout::Wide, Text, true},
    {"long", ',', false, false, false, false, TimeForm::Iso, UnitsMode::Off, Utf8, Layout::Long, Text, false},
    {"xlsx", ',', false, false, false, false, TimeForm::Excel, UnitsMode::Inline, Utf8, Layout::Wide,
     TableFile::Workbook, false},
}};

constexpr std::array<std::string_view, Table.size()> Names = [] {
  std::array<std::string_view, Table.size()> names{};
  for (std::size_t i = 0; i < Table.size(); ++i) names[i] = Table[i].name;
  return names;
}();

TableSettings SettingsOf(const Style& style) {
  TableSettings s;
  s.separator = style.separator;
  s.decimalComma = style.decimalComma;
  s.trailingSeparator = style.trailingSeparator;
  s.bom = style.bom;
  s.classicQuoting = style.classicQuoting;
  s.time = style.time;
  s.units = style.units;
  s.encoding = style.encoding;
  s.layout = style.layout;
  s.file = style.file;
  s.zoneAsUtc = style.zoneAsUtc;
  return s;
}

}  // namespace

std::span<const std::string_view> StyleNames() { return Names; }

std::optional<TableSettings> StyleSettings(std::string_view name) {
  for (const Style& style : Table)
    if (style.name == name) return SettingsOf(style);
  return std::nullopt;
}

TableSettings ClassicTable(uint16_t flags) {
  TableSettings s = SettingsOf(Table[0]);
  s.separator = (flags & FlagTab) ? '\t' : ',';
  s.header = (flags & FlagHeaders) != 0;
  if (!(flags & FlagDateTime))
    s.time = TimeForm::Off;
  else if (flags & FlagSerial)
    s.time = TimeForm::ClassicSerial;
  return s;
}

}  // namespace zerb
