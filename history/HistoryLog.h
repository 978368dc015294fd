#pragma once
// One log read for a site's history: its site file and log, decoded from
// the bytes that were hashed (read once, so a log rewritten meanwhile is
// never stored under another content's hash), its site number, span and
// channels, with pass 1 run so its rows can be walked.

#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "history/HistoryTypes.h"
#include "history/SiteDescriptions.h"
#include "model/Log.h"
#include "model/Site.h"
#include "series/Series.h"

namespace zerb {

struct HistoryLogOptions {
  bool lanTime = false;           // row times from the LAN clock, else the PC's
  bool requireSite = false;       // a missing or incomplete site file fails the log
  bool allowDefaultSite = false;  // a log no complete description decodes is kept with default channels
  // Import: the logger's zone (an IANA name, or a fixed offset "+HH:MM"),
  // recorded for its site; "" takes the zone the store has for the site.
  std::string zone{};
};

// One channel as Decode describes it.
struct ChannelPlan {
  SeriesChannel channel;
  DescriptionSource source = DescriptionSource::Default;
  DeviceDescription device;
  std::string storedFrom;  // the log the book's description came with
};

struct DecodeInputs {
  std::vector<ChannelPlan> own;  // each channel: Site, or Default (as loaded)
  SiteQuality quality = SiteQuality::None;
  std::string siteProblem;  // why the site file did not describe the log
  std::string siteFile;     // its path
  uint32_t siteNumber = 0;
  LogSpan span;
  bool allowDefaultSite = false;
};

// The decision of HistoryLog::Decode.
struct Decision {
  std::vector<ChannelPlan> plan;
  SiteQuality quality = SiteQuality::None;
  std::string error;    // set when the log is refused
  std::string warning;  // what it was decoded with, when not its own site file
};
Decision Decide(const DecodeInputs& inputs, const DescriptionBook& book, const std::string& bookName);

class HistoryLog {
 public:
  HistoryLog();
  ~HistoryLog();

  // Reads the file once, hashes it, loads its site file and the log from
  // those bytes and runs pass 1. False with Error() saying why when any of
  // it fails; a missing or incomplete site file fails only with
  // options.requireSite.
  bool Open(const std::string& path, const HistoryLogOptions& options);
  // The same from the bytes of the log at `path`, read before: the log is
  // hashed and decoded from that one reading of it.
  bool FromBytes(const std::string& path, std::string bytes, const HistoryLogOptions& options);
  // The bytes the log was read from.
  const std::string& Bytes() const { return bytes_; }
  // Gives each channel its description: the log's own site file's where
  // it is complete and holds the channel, else the book's that applies to
  // the log, else the default. Refuses (false, Error() set) a log without
  // a complete site file that the book knows nothing of, unless
  // options.allowDefaultSite. Then Channels() and Rows() are ready and
  // Warning() says what the log was decoded with, when not its own site
  // file. `bookName` says where the book's descriptions come from ("in the
  // store", "among the merged logs").
  bool Decode(const DescriptionBook& book, const std::string& bookName);

  // What Decode needs to know of the log, so that the decision can be
  // made again later without it (merge decides once every log is read).
  const DecodeInputs& Inputs() const { return *inputs_; }
  // The complete descriptions the log's own site file gives its channels.
  std::vector<DescriptionVersion> OwnDescriptions() const;

  const std::string& Path() const { return path_; }
  const std::string& Error() const { return error_; }
  const std::string& Warning() const { return warning_; }
  // SHA-256 of the file's bytes, 64 lowercase hex digits.
  const std::string& Hash() const { return hash_; }
  // The identity a store of schema version 1 kept: FNV-1a (64 bit) and size.
  const std::string& LegacyHash() const { return legacyHash_; }
  // The whole number of the file name that finds the site file.
  uint32_t SiteNumber() const { return siteNumber_; }
  std::string SiteName() const { return std::string(site_->NameText()); }
  // The site file's path when it loaded whole.
  const std::optional<std::string>& SiteFile() const { return siteFile_; }
  SiteQuality Quality() const { return quality_; }
  LogSpan Span() const { return span_; }
  LogRank Rank() const { return {span_.last, hash_}; }
  // Per channel of the log's table, after Decode.
  std::span<const SeriesChannel> Channels() const { return series_->Channels(); }
  std::span<const DescriptionSource> Sources() const { return sources_; }
  std::vector<DeviceDescription> Descriptions() const;
  // The rows, oldest first (after Decode).
  Series& Rows() { return *series_; }
  // The signed time of a row time the rows give (the logger's 32-bit clock
  // reading, which wraps for rows before 1970).
  int64_t TimeOf(uint32_t rowTime) const { return span_.last - static_cast<uint32_t>(lastClock_ - rowTime); }

 private:
  bool Fail(std::string reason);
  void Start(const std::string& path, const HistoryLogOptions& options);
  bool Take(std::string bytes);  // hashes and loads the bytes
  bool Load(const std::string& bytes, const HistoryLogOptions& options);

  // The site before the log: the log's channel table points at its devices.
  std::unique_ptr<TSite> site_;
  std::unique_ptr<TLog> log_;
  std::unique_ptr<LogSeries> series_;
  HistoryLogOptions options_;
  std::string path_;
  std::string error_;
  std::string warning_;
  std::unique_ptr<DecodeInputs> inputs_;
  std::string bytes_;
  std::string hash_;
  std::string legacyHash_;
  std::optional<std::string> siteFile_;
  std::set<const TDev*> described_;  // devices the complete site file holds
  std::vector<DescriptionSource> sources_;
  SiteQuality quality_ = SiteQuality::None;
  LogSpan span_;
  uint32_t lastClock_ = 0;   // the newest row's clock reading
  uint32_t siteNumber_ = 0;  // from the file name, with or without a site file
};

// SHA-256 of the bytes, 64 lowercase hex digits.
std::string Sha256Hex(std::string_view bytes);
// The identity of schema version 1: 16 hex digits of FNV-1a (64 bit), "-"
// and the size.
std::string LegacyContentHash(std::string_view bytes);

// The whole file, or nothing with `error` set.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error);

}  // namespace zerb
