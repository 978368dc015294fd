#pragma once
// The texts of a table's header and channel columns: site-file texts in the
// table's encoding, fields quoted as the settings say.

#include <string>
#include <string_view>

#include "series/Series.h"
#include "styles/TableSettings.h"

namespace zerb {

// A site-file text in the table's encoding.
std::string EncodedText(std::string_view stored, TextEncoding encoding);

// The channel's unit (styles/UnitText.h) in the table's encoding.
std::string UnitOf(const SeriesChannel& channel, TextEncoding encoding);

// "S<unit>/<channel>", "O<unit>/<channel>" or "A<unit>/<airspace>/<message>":
// the channel's kind and key, which stay the same from log to log.
std::string ChannelId(const SeriesChannel& channel);

// Appends the text as one field and the separator: in double quotes with
// quotes doubled when classic quoting is on or the text holds the
// separator, a quote or a line break.
void AppendField(std::string& line, std::string_view text, const TableSettings& settings);

// Ends a line built with AppendField: drops the last separator unless the
// settings keep it, then CR LF.
void EndLine(std::string& line, const TableSettings& settings);

}  // namespace zerb
