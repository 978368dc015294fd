// zerb32.merge and zerb32.History(...).export: a site's history, merged from
// logs or read from a store, as the same arrays as one log, with what the
// merge found (gaps, conflicts, logs off each other's grid).

#include <pybind11/stl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Document.h"
#include "series/CivilTime.h"
#include "history/Merge.h"
#include "history/Spans.h"
#include "history/Store.h"
#include "python/Bindings.h"

namespace py = pybind11;

namespace zerb {

namespace {

std::string Listed(const std::vector<LogProblem>& problems) {
  std::string text;
  for (const LogProblem& p : problems) text += (text.empty() ? "" : "; ") + p.log + ": " + p.reason;
  return text;
}

py::list GapList(const std::vector<Gap>& gaps) {
  py::list out;
  for (const Gap& gap : gaps) out.append(py::make_tuple(gap.after, gap.before));
  return out;
}

py::dict ReportDict(const HistoryReport& report) {
  py::dict d;
  d["conflicts"] = report.conflictCount;
  py::list offGrid;
  for (const OffGridOverlap& o : report.offGrid) offGrid.append(py::make_tuple(o.newerLog, o.olderLog, o.shift));
  d["off_grid"] = offGrid;
  d["gaps"] = GapList(report.gaps);
  return d;
}

// The site name and number a log's own site file gives: the number is the
// whole number of the file name, as a history keys the site.
std::pair<std::string, uint32_t> SiteOf(const std::string& logPath) {
  const auto ref = SiteFileFor(logPath);
  if (!ref) return {"", 0};  // GCOVR_EXCL_BR_LINE: MergeLogs refuses a log whose name gives no site
  TSite site;
  std::string error;
  int openErrno = 0;
  LoadSiteFile(*ref, site, error, openErrno);
  return {std::string(site.NameText()), ref->fileNumber};
}

py::dict Merge(const std::vector<std::string>& paths, bool lanTime, bool allowDefaultSite) {
  if (paths.empty()) throw py::value_error("no logs to merge");
  MergeResult merged;
  LogArrays arrays;
  std::string error;
  bool read = false;
  std::pair<std::string, uint32_t> site;
  {
    py::gil_scoped_release unlocked;
    merged = MergeLogs(paths, HistoryLogOptions{lanTime, false, allowDefaultSite, {}});
    if (merged.refusal.empty() && merged.failures.empty()) {
      read = ReadSeries(merged.series, arrays, error);
      site = SiteOf(paths.front());
    }
  }
  if (!merged.refusal.empty()) throw py::value_error(merged.refusal);
  if (!merged.failures.empty()) throw LoadFailure(Listed(merged.failures));
  if (!read) throw StreamFailure(error);
  py::dict d = ArraysDict(arrays);
  d["site_name"] = py::bytes(site.first);
  d["site_number"] = site.second;
  d["interval"] = merged.spans.empty() ? 0 : merged.spans.front().interval;
  d["site_warnings"] = Listed(merged.warnings);
  d["report"] = ReportDict(merged.report);
  return d;
}

int64_t TimeArgument(const std::optional<std::string>& text, bool rangeEnd, int64_t otherwise) {
  if (!text) return otherwise;
  const auto time = ParseCivilTime(*text, rangeEnd);
  if (!time) throw py::value_error("not a time of 1970 to 2106 written YYYY-MM-DD[THH:MM[:SS]]: " + *text);
  return *time;
}

py::dict Export(const std::string& db, uint32_t siteNumber, const std::optional<std::string>& start,
                const std::optional<std::string>& end) {
  const int64_t from = TimeArgument(start, false, INT64_MIN);
  const int64_t to = TimeArgument(end, true, INT64_MAX);
  LogArrays arrays;
  HistoryReport report;
  std::string error, name;
  uint16_t interval = 0;
  bool stored = false, read = false;
  {
    py::gil_scoped_release unlocked;
    auto store = OpenStore(db, StoreAccess::ReadOnly);
    if (auto series = store->Export(siteNumber, from, to)) {
      stored = true;
      read = ReadSeries(*series, arrays, error);
      const std::vector<LogSpan> spans = store->Spans(siteNumber, from, to);
      int64_t newest = INT64_MIN;
      for (const LogSpan& span : spans) {
        if (span.last < newest) continue;
        newest = span.last;
        interval = span.interval;
      }
      report.gaps = FindGaps(spans);
      for (const SiteSummary& s : store->Summaries(siteNumber)) name = s.name;
    }
  }
  if (!stored) throw py::value_error("no site " + std::to_string(siteNumber) + " in the store " + db);
  if (!read) throw StreamFailure(error);
  py::dict d = ArraysDict(arrays);
  d["site_name"] = py::bytes(name);
  d["site_number"] = siteNumber;
  d["interval"] = interval;
  d["site_warnings"] = "";
  d["report"] = ReportDict(report);
  return d;
}

}  // namespace

void AddHistory(py::module_& m) {
  py::register_exception<StoreError>(m, "StoreError");
  m.def("merge", &Merge, py::arg("paths"), py::arg("lan_time"), py::arg("allow_default_site"));
  m.def("export", &Export, py::arg("db"), py::arg("site"), py::arg("start"), py::arg("end"));
}

}  // namespace zerb
