#pragma once
// What opening a log gives you: one site and one log, owned together. The
// log's channel table points at devices of this document's site only, so
// documents are independent: several can be open at once, on several
// threads, and reopening or destroying one touches no other.

#include <memory>
#include <optional>
#include <string>

#include "app/Paths.h"
#include "model/Log.h"
#include "model/Site.h"

namespace zerb {

struct OpenedLog {
  std::optional<SiteFileRef> site;  // the site file looked for, if any
  bool siteFound = false;           // the site file was opened
  bool siteLoaded = false;          // ... and loaded whole
  bool logOpened = false;           // the log file could be opened
  bool logLoaded = false;           // ... and its load succeeded
  std::string error;                // why the log didn't open or load
  std::string siteError;            // why an existing site file couldn't be read (not a file, ...)
  int siteErrno = 0;                // the system's errno when the site file didn't open, else 0
  int logErrno = 0;                 // the system's errno when the log didn't open, else 0
};

// Loads the site file into `site` (as TSite::Load does) and sets the site
// number when the file opens. True when it loaded whole. A missing site file
// is not an error; one that can't be read says why in `error`. When the open
// failed for a reason the system gave, its errno goes to `openErrno`.
bool LoadSiteFile(const SiteFileRef& ref, TSite& site, std::string& error, int& openErrno);

// Resets the log and the site, loads the log's site file into the site (no
// message when it is missing) and sets the site number, then loads the log.
OpenedLog OpenLogFiles(const std::string& logPath, TSite& site, TLog& log);
// The same with the site file given: `siteFile` is read instead of the one
// the log's name gives.
OpenedLog OpenLogFiles(const std::string& logPath, const SiteFileRef& siteFile, TSite& site, TLog& log);

class Document {
 public:
  Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  ~Document();

  // Empties the log and the site (in that order, so the log never names a
  // freed device), then loads the log's site file and the log. What opened
  // and what failed is returned and kept in Opened().
  const OpenedLog& Open(const std::string& logPath);
  // The same with the site file given instead of the one the name gives.
  const OpenedLog& Open(const std::string& logPath, const SiteFileRef& siteFile);
  // Empties the log and the site; Opened() becomes empty.
  void Reset();

  TSite& Site() { return *site_; }
  const TSite& Site() const { return *site_; }
  TLog& Log() { return *log_; }
  const TLog& Log() const { return *log_; }
  const std::string& LogPath() const { return logPath_; }
  const OpenedLog& Opened() const { return opened_; }

 private:
  // Declared before the log, so destroyed after it.
  std::unique_ptr<TSite> site_;
  std::unique_ptr<TLog> log_;
  std::string logPath_;
  OpenedLog opened_;
};

}  // namespace zerb
