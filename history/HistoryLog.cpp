#include "history/HistoryLog.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "convert/InputFile.h"
#include "output/LogTime.h"

namespace zerb {

std::string ContentHash(std::string_view bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  char text[40];
  std::snprintf(text, sizeof text, "%016llx-%zu", static_cast<unsigned long long>(hash), bytes.size());
  return text;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error) {
  const OpenedInput input = OpenInputFile(path);
  if (!input.stream) {
    error = "cannot open the log: " + input.reason;
    return std::nullopt;
  }
  std::string bytes;
  char block[1 << 14];
  std::size_t n;
  while ((n = std::fread(block, 1, sizeof block, input.stream.get())) > 0) bytes.append(block, n);
  if (std::ferror(input.stream.get())) {
    error = "cannot read the log: " + std::string(std::strerror(errno));
    return std::nullopt;
  }
  return bytes;
}

bool HistoryLog::Fail(std::string reason) {
  error_ = std::move(reason);
  return false;
}

bool HistoryLog::Open(const std::string& path, const HistoryLogOptions& options) {
  path_ = path;
  error_.clear();
  warning_.clear();
  series_.reset();
  const auto bytes = ReadWholeFile(path, error_);
  if (!bytes) return false;
  hash_ = ContentHash(*bytes);
  const OpenedLog& opened = document_.Open(path);
  if (!opened.site) return Fail("the log's file name does not start with a site number");
  siteNumber_ = opened.site->number;
  if (!opened.logLoaded) return Fail(opened.error);
  if (!opened.siteLoaded) {
    const std::string what = opened.siteError.empty()
                                 ? "site file " + opened.site->path + " is missing or incomplete"
                                 : opened.siteError;
    if (options.requireSite) return Fail(what);
    warning_ = what + "; channels keep their default names and raw counts";
  }
  TLog& log = document_.Log();
  if (log.ComputeOldestValues(nullptr) < 0) return Fail(log.PassError());
  const uint32_t end = CsvEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()), options.lanTime).Seconds();
  span_ = {StartTime(TLogTime(end), log.Interval(), log.GetEntryCount()).Seconds(), end, log.Interval()};
  series_ = std::make_unique<LogSeries>(log, options.lanTime, -1, 0);
  return true;
}

}  // namespace zerb
