#include "convert/Document.h"

#include "convert/InputFile.h"

namespace zerb {

namespace {

// Loads the site file into `site` when there is one to open; the site number
// is set whatever the load gave. A missing site file is not an error; one
// that can't be read says why in opened.siteError.
void LoadSiteFile(const SiteFileRef& ref, TSite& site, OpenedLog& opened) {
  const OpenedInput input = OpenInputFile(ref.path);
  if (!input.stream) {
    if (!input.missing) opened.siteError = "cannot open the site file " + ref.path + ": " + input.reason;
    return;
  }
  opened.siteFound = true;
  opened.siteLoaded = site.Load(input.stream.get()) == 1;
  site.SetSiteNumber(ref.number);
}

}  // namespace

OpenedLog OpenLogFiles(const std::string& logPath, TSite& site, TLog& log) {
  OpenedLog opened;
  // The log first: its channel table names devices of the site.
  log.Reset();
  site.Reset();
  opened.site = SiteFileFor(logPath);
  if (opened.site) LoadSiteFile(*opened.site, site, opened);
  const OpenedInput input = OpenInputFile(logPath);
  if (!input.stream) {
    opened.error = "cannot open the log: " + input.reason;
    site.Reset();
    return opened;
  }
  opened.logOpened = true;
  opened.logLoaded = log.Load(input.stream.get()) == 1;
  if (!opened.logLoaded) opened.error = log.LoadError();
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
