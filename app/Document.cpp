#include "app/Document.h"

#include "app/InputFile.h"

namespace zerb {

bool LoadSiteFile(const SiteFileRef& ref, TSite& site, std::string& error, int& openErrno) {
  const OpenedInput input = OpenInputFile(ref.path);
  if (!input.stream) {
    openErrno = input.errorNumber;
    if (!input.missing) error = "cannot open the site file " + ref.path + ": " + input.reason;
    return false;
  }
  const bool loaded = site.Load(input.stream.get()) == 1;
  site.SetSiteNumber(ref.number);
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
  if (opened.site) {
    opened.siteLoaded = LoadSiteFile(*opened.site, site, opened.siteError, opened.siteErrno);
    opened.siteFound = opened.siteErrno == 0 && opened.siteError.empty();
  }
  const OpenedInput input = OpenInputFile(logPath);
  if (!input.stream) {
    opened.logErrno = input.errorNumber;
    opened.error = "cannot open the log: " + input.reason;
    site.Reset();
    return opened;
  }
  opened.logOpened = true;
  opened.logLoaded = log.Load(input.stream.get()) == 1;
  if (!opened.logLoaded) opened.error = log.LoadError();
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
