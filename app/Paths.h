#pragma once
// Where a conversion reads and writes: the site file that belongs to a log
// file, and the output file beside it. "/" and "\" both separate folders, on
// every platform, so paths typed on either kind of system work the same.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zerb {

struct SiteFileRef {
  std::string path;     // folder of the log, the number in decimal, ".STE"
  uint16_t number = 0;  // the site number: the low 16 bits of the file number
  uint32_t fileNumber = 0;  // the whole number the file name gave (the .STE name's number)
};

// The file-name part of a path: what follows its last "/" or "\".
std::string_view FileNamePart(std::string_view path);

// The site file of a log: the log's file name must start with a number as a
// "%u" scan reads it: white space (" \t\n\v\f\r") skipped, an optional
// sign ("-" negates modulo 2^32), decimal digits that fit 32 bits
// ("0042x.log" gives 42, "+42.log" 42, "-1.log" 4294967295).
// Returns nothing when it doesn't: then no site file is opened and the site
// number stays 0.
std::optional<SiteFileRef> SiteFileFor(std::string_view logPath);

// A site file named by the user for a log: the site number is the leading
// number of the site file's name ("42.STE" gives 42), else the log's, else 0.
SiteFileRef SiteFileAt(std::string_view sitePath, std::string_view logPath);

// The output path: the log path cut at the first "." of its file-name part,
// then "." and the extension exactly as typed ("C:\data.old\5.log" with "CSV"
// gives "C:\data.old\5.CSV").
std::string OutputPathFor(std::string_view logPath, std::string_view extension);

// True when the two paths name the same existing file (or are the same text).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace zerb
