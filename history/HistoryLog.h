#pragma once
// One log read for a site's history: its document (log and site file), the
// hash of its bytes, its site number, span and channels, with pass 1 run so
// its rows can be walked.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "convert/Document.h"
#include "history/HistoryTypes.h"
#include "output/Series.h"

namespace zerb {

struct HistoryLogOptions {
  bool lanTime = false;      // row times from the LAN clock, else the PC's
  bool requireSite = false;  // a missing or incomplete site file fails the log
};

class HistoryLog {
 public:
  // Reads the file, hashes it, opens it with its site file and runs pass 1.
  // False with Error() saying why when any of it fails; a missing site file
  // only sets Warning() unless options.requireSite.
  bool Open(const std::string& path, const HistoryLogOptions& options);

  const std::string& Path() const { return path_; }
  const std::string& Error() const { return error_; }
  const std::string& Warning() const { return warning_; }
  const std::string& Hash() const { return hash_; }
  uint16_t SiteNumber() const { return siteNumber_; }
  std::string SiteName() const { return std::string(document_.Site().NameText()); }
  LogSpan Span() const { return span_; }
  LogRank Rank() const { return {span_.last, hash_}; }
  std::span<const SeriesChannel> Channels() const { return series_->Channels(); }
  // The rows, oldest first.
  Series& Rows() { return *series_; }

 private:
  bool Fail(std::string reason);

  Document document_;
  std::unique_ptr<LogSeries> series_;
  std::string path_;
  std::string error_;
  std::string warning_;
  std::string hash_;
  LogSpan span_;
  uint16_t siteNumber_ = 0;  // from the file name, with or without a site file
};

// The hash a store keeps of a log's bytes: 16 hex digits of FNV-1a (64 bit)
// followed by the size.
std::string ContentHash(std::string_view bytes);

// The whole file, or nothing with `error` set.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error);

}  // namespace zerb
