// zerb32._core: the log and site readers behind the zerb32 package. They
// return plain values and NumPy arrays; the package's Python part gives
// them their names, types and warnings.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ProjectVersion.h"
#include "app/Document.h"
#include "python/Bindings.h"
#include "python/LogArrays.h"
#include "python/SiteObjects.h"
#include "styles/ZoneClock.h"

namespace py = pybind11;

namespace zerb {

namespace {

// The OSError subclass Python has for the errno (FileNotFoundError, ...).
[[noreturn]] void RaiseOsError(int code, const std::string& path) {
  errno = code;
  PyErr_SetFromErrnoWithFilename(PyExc_OSError, path.c_str());
  throw py::error_already_set();
}

const char* SiteState(const OpenedLog& opened) {
  if (!opened.site) return "none";
  if (!opened.siteError.empty()) return "unreadable";
  if (opened.siteErrno != 0) return "missing";
  return opened.siteLoaded ? "loaded" : "incomplete";
}

// A named site file that can't be read: its OSError, else the reason.
void RaiseSiteFailure(const OpenedLog& opened, const std::string& sitePath) {
  if (opened.siteErrno != 0) RaiseOsError(opened.siteErrno, sitePath);
  throw LoadFailure(opened.siteError);
}

void RaiseFailure(const LogRead& read, const OpenedLog& opened, const std::string& logPath) {
  switch (read.status) {
    case LogReadStatus::Read: return;
    case LogReadStatus::NotOpened:
      if (opened.logErrno != 0) RaiseOsError(opened.logErrno, logPath);
      throw LoadFailure(read.error);
    case LogReadStatus::NotLoaded: throw LoadFailure(read.error);
    case LogReadStatus::StreamDamaged: throw StreamFailure(read.error);
  }
}

// Row times as UTC instants of the zone's clock, anchored at the newest row.
// Returns the anchor's note (a newest time in a skipped or repeated hour).
std::string ToUtc(const TimeZoneSetting& setting, uint32_t newest, std::vector<int64_t>& times) {
  ZoneClock clock(setting);
  clock.Anchor(newest);
  for (int64_t& time : times) time = clock.At(static_cast<uint32_t>(time)).seconds;
  return clock.AnchorNote();
}

py::dict ResultOf(const Document& document, LogRead& read) {
  const TLog& log = document.Log();
  const OpenedLog& opened = document.Opened();
  py::dict d = ArraysDict(read.arrays);
  d["description"] = py::bytes(std::string(log.Description()));
  d["site_name"] = py::bytes(std::string(document.Site().NameText()));
  d["site_number"] = document.Site().SiteNumber;
  d["site_file"] = opened.site ? py::object(py::bytes(opened.site->path)) : py::object(py::none());
  d["site_state"] = SiteState(opened);
  d["site_error"] = opened.siteError;
  d["interval"] = log.Interval();
  d["pc_time"] = log.PcTime();
  d["lan_time"] = log.LanTime();
  d["local_lan_time"] = log.LocalLanTime();
  return d;
}

// Opens and decodes the log without the GIL, so that threads read in
// parallel; paths are the file system's bytes. The rows' clock: the time
// zone named by `zone`, else a fixed offset of `offsetMinutes` east of UTC
// when given, else the logger's civil time.
py::dict ReadLog(const std::string& logPath, const std::optional<std::string>& sitePath, bool lanTime,
                 uint16_t skip, int overlap, const std::string& zone, std::optional<int> offsetMinutes) {
  TimeZoneSetting setting;
  setting.utc = true;
  if (!zone.empty()) {
    setting.kind = ZoneKind::Named;
    setting.name = zone;
    if (std::string problem = ZoneProblem(zone); !problem.empty()) throw py::value_error(problem);
  } else if (offsetMinutes) {
    setting.kind = ZoneKind::FixedOffset;
    setting.offsetMinutes = *offsetMinutes;
  }
  auto document = std::make_unique<Document>();
  LogRead read;
  std::string zoneNote;
  {
    py::gil_scoped_release unlocked;
    const OpenedLog& opened =
        sitePath ? document->Open(logPath, SiteFileAt(*sitePath, logPath)) : document->Open(logPath);
    if (!sitePath || !SiteFailed(opened)) read = ReadOpenedLog(*document, LogReadOptions{lanTime, overlap, skip});
    if (read.status == LogReadStatus::Read && setting.kind != ZoneKind::Civil)
      zoneNote = ToUtc(setting, read.endTime, read.arrays.times);
  }
  RaiseReadFailure(read, document->Opened(), logPath, sitePath);
  py::dict d = ResultOf(*document, read);
  d["zone_note"] = zoneNote;
  return d;
}

py::dict ReadSite(const std::string& path) {
  auto site = std::make_unique<TSite>();
  SiteFileRef ref;
  ref.path = path;
  if (const auto named = SiteFileFor(path)) ref.number = named->number;
  int openErrno = 0;
  std::string error;
  bool loaded = false;
  {
    py::gil_scoped_release unlocked;
    loaded = LoadSiteFile(ref, *site, error, openErrno);
  }
  if (openErrno != 0) RaiseOsError(openErrno, path);
  if (!error.empty()) throw LoadFailure(error);
  py::dict d = SiteDict(*site);
  d["complete"] = loaded;
  return d;
}

}  // namespace

bool SiteFailed(const OpenedLog& opened) { return opened.siteErrno != 0 || !opened.siteError.empty(); }

void RaiseReadFailure(const LogRead& read, const OpenedLog& opened, const std::string& logPath,
                      const std::optional<std::string>& sitePath) {
  if (sitePath && SiteFailed(opened)) RaiseSiteFailure(opened, *sitePath);
  RaiseFailure(read, opened, logPath);
}

py::dict ArraysDict(LogArrays& arrays) {
  const auto rows = static_cast<py::ssize_t>(arrays.Rows());
  const auto width = static_cast<py::ssize_t>(arrays.channels.size());
  py::dict d;
  py::list channels;
  for (const SeriesChannel& channel : arrays.channels) channels.append(ChannelTuple(channel));
  d["channels"] = channels;
  d["times"] = Adopt(std::move(arrays.times), {rows});
  d["raw"] = Adopt(std::move(arrays.raw), {rows, width});
  d["values"] = Adopt(std::move(arrays.values), {rows, width});
  return d;
}

}  // namespace zerb

PYBIND11_MODULE(_core, m) {  // GCOVR_EXCL_BR_LINE: the module macro's own branches
  m.doc() = "Log and site readers of the zerb32 package (use the package, not this module).";
  m.attr("version") = zerb::ProjectVersion;
  py::register_exception<zerb::LoadFailure>(m, "LoadError");
  py::register_exception<zerb::StreamFailure>(m, "StreamError");
  m.def("read_log", &zerb::ReadLog, py::arg("path"), py::arg("site"), py::arg("lan_time"), py::arg("skip"),
        py::arg("overlap"), py::arg("zone"), py::arg("offset_minutes"));
  m.def("read_site", &zerb::ReadSite, py::arg("path"));
  zerb::AddHistory(m);
  zerb::AddSummary(m);
}
