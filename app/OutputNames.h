#pragma once
// Output names chosen by the user: a folder for every output (--output-dir)
// and a file name made from a pattern (--name) of these fields:
//   {stem}        the log's file name up to its first "."
//   {site}        the site number (0 when neither file name gives one)
//   {first:FMT}   the time of the first row written, in the logger's civil
//   {last:FMT}    time, and of the last; FMT of %Y %y %m %d %H %M %S %%
// "{{" and "}}" are braces. The extension follows as without a pattern.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zerb {

struct OutputNaming {
  std::string folder;   // "": beside the log
  std::string pattern;  // "": the log's stem
};

struct NameFields {
  uint32_t site = 0;
  std::optional<uint32_t> first, last;  // nothing when no row is written: the field is empty
};

// "" when the pattern can name a file, else the sentence saying why: an
// unknown field or format letter, an unclosed brace, a folder separator,
// nothing at all.
std::string NamePatternProblem(std::string_view pattern);

// Whether the pattern names rows' times, which needs the log read.
bool NameUsesRowTimes(std::string_view pattern);

// The output path of a log: the log's folder or the naming's, the file
// name the pattern makes of the fields, "." and the extension.
std::string NamedOutputPath(std::string_view logPath, std::string_view extension, const OutputNaming& naming,
                            const NameFields& fields);

}  // namespace zerb
