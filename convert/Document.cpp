#include "convert/Document.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zerb {

namespace {

std::string SystemError() { return std::strerror(errno); }

// Opens a file for binary reading; a folder is refused with EISDIR (reading
// one fails only later, with no reason the user could act on).
std::FILE* OpenForReading(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    errno = EISDIR;
    return nullptr;
  }
  return std::fopen(path.c_str(), "rb");
}

}  // namespace

bool LoadSiteFile(const SiteFileRef& ref, TSite& site, int& openErrno) {
  std::FILE* stream = OpenForReading(ref.path);
  if (!stream) {
    openErrno = errno;
    return false;
  }
  const bool loaded = site.Load(stream) == 1;
  site.SetSiteNumber(ref.number);
  std::fclose(stream);
  return loaded;
}

namespace {

OpenedLog OpenWithSite(const std::string& logPath, const std::optional<SiteFileRef>& siteFile, TSite& site,
                       TLog& log) {
  OpenedLog opened;
  // The log first: its channel table names devices of the site.
  log.Reset();
  site.Reset();
  opened.site = siteFile;
  if (opened.site) opened.siteLoaded = LoadSiteFile(*opened.site, site, opened.siteErrno);
  std::FILE* stream = OpenForReading(logPath);
  if (!stream) {
    opened.logErrno = errno;
    opened.error = "cannot open the log: " + SystemError();
    site.Reset();
    return opened;
  }
  opened.logOpened = true;
  opened.logLoaded = log.Load(stream) == 1;
  if (!opened.logLoaded) opened.error = log.LoadError();
  std::fclose(stream);
  return opened;
}

}  // namespace

OpenedLog OpenLogFiles(const std::string& logPath, TSite& site, TLog& log) {
  return OpenWithSite(logPath, SiteFileFor(logPath), site, log);
}

OpenedLog OpenLogFiles(const std::string& logPath, const SiteFileRef& siteFile, TSite& site, TLog& log) {
  return OpenWithSite(logPath, siteFile, site, log);
}

Document::Document() : site_(std::make_unique<TSite>()), log_(std::make_unique<TLog>(*site_)) {}

Document::~Document() = default;

const OpenedLog& Document::Open(const std::string& logPath) {
  Reset();
  logPath_ = logPath;
  opened_ = OpenLogFiles(logPath, *site_, *log_);
  return opened_;
}

const OpenedLog& Document::Open(const std::string& logPath, const SiteFileRef& siteFile) {
  Reset();
  logPath_ = logPath;
  opened_ = OpenLogFiles(logPath, siteFile, *site_, *log_);
  return opened_;
}

void Document::Reset() {
  log_->Reset();
  site_->Reset();
  logPath_.clear();
  opened_ = OpenedLog{};
}

}  // namespace zerb
