#include "history/HistoryLog.h"

#include <nettle/sha2.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/Document.h"
#include "app/InputFile.h"
#include "app/Paths.h"
#include "series/LogTime.h"

namespace zerb {

std::string Sha256Hex(std::string_view bytes) {
  sha256_ctx context;
  sha256_init(&context);
  sha256_update(&context, bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()));
  uint8_t digest[SHA256_DIGEST_SIZE];
  sha256_digest(&context, sizeof digest, digest);
  static constexpr char hex[] = "0123456789abcdef";
  std::string text;
  for (const uint8_t b : digest) {
    text += hex[b >> 4];
    text += hex[b & 15];
  }
  return text;
}

std::string LegacyContentHash(std::string_view bytes) {
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

namespace {

// A stream over bytes in memory, for the loaders that read a FILE*.
InputStream MemoryStream(const std::string& bytes) {
  if (bytes.empty()) return InputStream(std::fopen("/dev/null", "rb"));
  return InputStream(fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb"));
}

void AddDevices(TDevList& list, std::set<const TDev*>& devices) {
  for (TMListItem* item = list.Head(); item; item = item->Next()) devices.insert(static_cast<const TDev*>(item));
}

}  // namespace

HistoryLog::HistoryLog() : site_(std::make_unique<TSite>()), log_(std::make_unique<TLog>(*site_)) {}

HistoryLog::~HistoryLog() = default;

bool HistoryLog::Fail(std::string reason) {
  error_ = std::move(reason);
  return false;
}

void HistoryLog::Start(const std::string& path, const HistoryLogOptions& options) {
  path_ = path;
  options_ = options;
  error_.clear();
  warning_.clear();
  inputs_.reset();
  series_.reset();
  siteFile_.reset();
  described_.clear();
  sources_.clear();
  bytes_.clear();
  hash_.clear();
  legacyHash_.clear();
}

bool HistoryLog::Open(const std::string& path, const HistoryLogOptions& options) {
  Start(path, options);
  auto bytes = ReadWholeFile(path, error_);
  return bytes && Take(std::move(*bytes));
}

bool HistoryLog::FromBytes(const std::string& path, std::string bytes, const HistoryLogOptions& options) {
  Start(path, options);
  return Take(std::move(bytes));
}

bool HistoryLog::Take(std::string bytes) {
  bytes_ = std::move(bytes);
  hash_ = Sha256Hex(bytes_);
  legacyHash_ = LegacyContentHash(bytes_);
  return Load(bytes_, options_);
}

bool HistoryLog::Load(const std::string& bytes, const HistoryLogOptions& options) {
  log_->Reset();
  site_->Reset();
  const auto ref = SiteFileFor(path_);
  if (!ref) return Fail("the log's file name does not start with a site number");
  siteNumber_ = ref->fileNumber;
  std::string siteError, siteProblem;
  int siteErrno = 0;
  const bool siteLoaded = LoadSiteFile(*ref, *site_, siteError, siteErrno);
  const bool siteFound = siteErrno == 0 && siteError.empty();
  quality_ = siteLoaded ? SiteQuality::Complete : siteFound ? SiteQuality::Incomplete : SiteQuality::None;
  if (siteLoaded) {
    siteFile_ = ref->path;
    AddDevices(site_->Sensors, described_);
    AddDevices(site_->Outputs, described_);
    AddDevices(site_->Asms, described_);
  } else {
    siteProblem = siteError.empty() ? "site file " + ref->path + " is missing or incomplete" : siteError;
    if (options.requireSite) return Fail(siteProblem);
  }
  const InputStream stream = MemoryStream(bytes);
  if (!stream) return Fail("cannot read the log: " + std::string(std::strerror(errno)));
  if (log_->Load(stream.get()) != 1) return Fail(log_->LoadError());
  TLog& log = *log_;
  if (log.Interval() == 0 && log.GetEntryCount() > 0)
    return Fail("its interval is 0 s, so its " + std::to_string(log.GetEntryCount() + 1) +
                " rows share one time, and a series holds one row per time");
  if (log.ComputeOldestValues(nullptr) < 0) return Fail(log.PassError());
  lastClock_ = CsvEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()), options.lanTime).Seconds();
  span_ = {int64_t{lastClock_} - int64_t{log.Interval()} * log.GetEntryCount(), lastClock_, log.Interval()};
  inputs_ = std::make_unique<DecodeInputs>();
  for (const TDev* device : log.Channels())
    inputs_->own.push_back({ChannelOf(*device),
                            described_.count(device) ? DescriptionSource::Site : DescriptionSource::Default,
                            DescriptionOf(*device), {}});
  inputs_->quality = quality_;
  inputs_->siteProblem = siteProblem;
  inputs_->siteFile = ref->path;
  inputs_->siteNumber = siteNumber_;
  inputs_->span = span_;
  inputs_->allowDefaultSite = options.allowDefaultSite;
  return true;
}

Decision Decide(const DecodeInputs& in, const DescriptionBook& book, const std::string& bookName) {
  Decision d{in.own, in.quality, {}, {}};
  std::size_t stored = 0, defaults = 0;
  std::string storedFrom;
  for (ChannelPlan& p : d.plan) {
    if (p.source == DescriptionSource::Site) continue;
    const ChannelId id = IdOf(p.channel);
    if (const DescriptionVersion* version = book.For(id, in.span)) {
      p = {ChannelOf(*DeviceFor(id, version->device)), DescriptionSource::Stored, version->device, version->log};
      if (stored++ == 0) storedFrom = version->log;
    } else {
      ++defaults;
    }
  }
  if (in.quality != SiteQuality::Complete) {
    if (stored == 0 && defaults > 0 && !in.allowDefaultSite) {
      d.error = in.siteProblem + ", and no complete description of site " + std::to_string(in.siteNumber) +
                " is known (" + bookName + "); --allow-default-site keeps it with default channels";
      return d;
    }
    if (stored > 0) {
      d.quality = SiteQuality::Stored;
      d.warning = in.siteProblem + "; decoded with the complete site description of " + storedFrom + " (" +
                  bookName + ")";
    }
  }
  if (defaults > 0 && d.warning.empty())
    d.warning = (in.quality == SiteQuality::Complete
                     ? "site file " + in.siteFile + " lacks " + std::to_string(defaults) + " of the log's channels"
                     : in.siteProblem) +
                "; those channels take default names and types (sensors read as TS4-C) and are marked as default";
  return d;
}

std::vector<DescriptionVersion> HistoryLog::OwnDescriptions() const {
  std::vector<DescriptionVersion> own;
  if (!inputs_) return own;
  for (const ChannelPlan& p : inputs_->own)
    if (p.source == DescriptionSource::Site) own.push_back({IdOf(p.channel), p.device, span_, Rank(), path_});
  return own;
}

bool HistoryLog::Decode(const DescriptionBook& book, const std::string& bookName) {
  const Decision decision = Decide(*inputs_, book, bookName);
  if (!decision.error.empty()) return Fail(decision.error);
  warning_ = decision.warning;
  quality_ = decision.quality;
  sources_.clear();
  for (std::size_t i = 0; i < decision.plan.size(); ++i) {
    sources_.push_back(decision.plan[i].source);
    if (decision.plan[i].source == DescriptionSource::Stored) Describe(*log_->Channels()[i], decision.plan[i].device);
  }
  series_ = std::make_unique<LogSeries>(*log_, options_.lanTime, -1, 0);
  return true;
}

std::vector<DeviceDescription> HistoryLog::Descriptions() const {
  std::vector<DeviceDescription> descriptions;
  for (const TDev* device : log_->Channels()) descriptions.push_back(DescriptionOf(*device));
  return descriptions;
}

}  // namespace zerb
