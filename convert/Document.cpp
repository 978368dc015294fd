#include "convert/Document.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zerb {

namespace {

std::string SystemError() { return std::strerror(errno); }

// Loads the site file into `site` when there is one to open; the site number
// is set whatever the load gave. A missing site file is not an error.
void LoadSiteFile(const SiteFileRef& ref, TSite& site, OpenedLog& opened) {
  std::FILE* stream = std::fopen(ref.path.c_str(), "rb");
  if (!stream) return;
  opened.siteFound = true;
  opened.siteLoaded = site.Load(stream) == 1;
  site.SetSiteNumber(ref.number);
  std::fclose(stream);
}

}  // namespace

OpenedLog OpenLogFiles(const std::string& logPath, TSite& site, TLog& log) {
  OpenedLog opened;
  // The log first: its channel table names devices of the site.
  log.Reset();
  site.Reset();
  opened.site = SiteFileFor(logPath);
  if (opened.site) LoadSiteFile(*opened.site, site, opened);
  std::FILE* stream = std::fopen(logPath.c_str(), "rb");
  if (!stream) {
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

Document::Document() : site_(std::make_unique<TSite>()), log_(std::make_unique<TLog>(*site_)) {}

Document::~Document() = default;

const OpenedLog& Document::Open(const std::string& logPath) {
  Reset();
  logPath_ = logPath;
  opened_ = OpenLogFiles(logPath, *site_, *log_);
  return opened_;
}

void Document::Reset() {
  log_->Reset();
  site_->Reset();
  logPath_.clear();
  opened_ = OpenedLog{};
}

}  // namespace zerb
