#pragma once
// The metadata file written beside an output on request (<output>.json):
// where the data came from, its channels, the options used and the rows
// written.

#include <cstdint>
#include <optional>
#include <string>

#include "app/ConvertOptions.h"
#include "model/Log.h"

namespace zerb {

struct WrittenRows {
  uint64_t count = 0;
  std::optional<uint32_t> first, last;  // the logger's civil times
};

// The rows the XML writer writes for the options (its own clock), worked
// out from the log's selection without walking it.
WrittenRows XmlRowsOf(const TLog& log, const ConvertOptions& options);

// The JSON text (UTF-8; site texts read as Windows-1252).
std::string MetaJson(const TLog& log, const ConvertOptions& options, const WrittenRows& rows);

// The path of the metadata file of an output.
inline std::string MetaPathFor(const std::string& outputPath) { return outputPath + ".json"; }

}  // namespace zerb
