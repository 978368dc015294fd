#pragma once
// A small text description of a log file, turned into log parts.
//
//   # comment; blank lines are ignored
//   description = Boiler house          (rest of the line, trimmed)
//   interval = 60                       (also newEntryCount, pcTime, lanTime,
//                                        localLanTime, configStart, dataSize,
//                                        startByte, startBit)
//   sensors = 1 2 0xFF                  (slot keys of sensor group A; also
//                                        sensorsB, outputs, outputsB, asms)
//   trailer = 1                         (zero bytes after the data area)
//   header.entryCount = 9               (forces a stored header field after
//                                        encoding, to craft a damaged file)
//   10 20 -5                            (a row: one value per used slot)
//
// Numbers are decimal or 0x-prefixed hexadecimal, separated by blanks or
// commas. Rows come oldest first.

#include <string>
#include <string_view>

#include "tools/LogWriter.h"

namespace zerb {

// The help text of the format above, for the command's --help.
extern const char* const LogTextHelp;

// Parses and encodes the description. Throws std::invalid_argument naming
// the line for a bad line, and whatever EncodeLog throws.
LogParts ParseLogText(std::string_view text);

}  // namespace zerb
