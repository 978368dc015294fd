// zerb32.Log.summary: a log's summary per period, written as the command
// line writes it in the pandas style, for the package to read into a
// DataFrame. The same writer makes both, so their numbers are the same.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>
#include <optional>
#include <string>

#include "app/Document.h"
#include "classic/OutputSink.h"
#include "python/Bindings.h"
#include "series/Series.h"
#include "styles/Styles.h"
#include "styles/SummaryTable.h"
#include "styles/ZoneClock.h"

namespace py = pybind11;

namespace zerb {

namespace {

struct SummaryArgs {
  std::string every;
  std::optional<std::string> stats;
  double minCoverage = 0;
  std::optional<std::string> degreeDays, coolingDegreeDays;
};

// The summary asked for, or ValueError naming what is accepted.
SummaryRequest SpecOf(const SummaryArgs& args) {
  SummaryRequest asked;
  const auto period = ParsePeriod(args.every);
  if (!period) throw py::value_error("every must be one of " + std::string(AcceptedPeriods()) + ", not '" + args.every + "'");
  asked.every = *period;
  std::string problem;
  if (args.stats) {
    auto stats = ParseStats(*args.stats, problem);
    if (!stats) throw py::value_error(problem);
    asked.stats = std::move(*stats);
  }
  if (!(args.minCoverage >= 0 && args.minCoverage <= 1)) throw py::value_error("min_coverage must be from 0 to 1");
  asked.minCoverage = args.minCoverage;
  for (const bool cooling : {false, true}) {
    const std::optional<std::string>& text = cooling ? args.coolingDegreeDays : args.degreeDays;
    if (!text) continue;
    auto request = ParseDegreeDays(*text, cooling, problem);
    if (!request) throw py::value_error(problem);
    asked.degreeDays.push_back(*request);
  }
  if (!asked.degreeDays.empty() && !IsCalendarPeriod(asked.every))
    throw py::value_error("degree-days are made per day: every '1d', '1w' or '1mo'");
  return asked;
}

TableSettings PandasTable(const std::string& zone, std::optional<int> offsetMinutes) {
  TableSettings settings = *StyleSettings("pandas");
  if (!zone.empty()) {
    if (std::string problem = ZoneProblem(zone); !problem.empty()) throw py::value_error(problem);
    settings.zone = {ZoneKind::Named, 0, zone, settings.zoneAsUtc};
  } else if (offsetMinutes) {
    settings.zone = {ZoneKind::FixedOffset, *offsetMinutes, "", false};
  }
  return settings;
}

py::bytes SummariseLog(const std::string& logPath, const std::optional<std::string>& sitePath, bool lanTime,
                       uint16_t skip, int overlap, const std::string& zone, std::optional<int> offsetMinutes,
                       const SummaryArgs& args) {
  const SummaryRequest asked = SpecOf(args);
  const TableSettings settings = PandasTable(zone, offsetMinutes);
  auto document = std::make_unique<Document>();
  StringSink sink;
  LogRead read;
  std::string error, problem;
  {
    py::gil_scoped_release unlocked;
    const OpenedLog& opened =
        sitePath ? document->Open(logPath, SiteFileAt(*sitePath, logPath)) : document->Open(logPath);
    const bool siteFailed = sitePath && SiteFailed(opened);
    if (!siteFailed) read = CheckOpenedLog(*document);
    if (!siteFailed && read.status == LogReadStatus::Read) {
      LogSeries series(document->Log(), lanTime, overlap, skip);
      std::vector<SeriesChannel> channels(series.Channels().begin(), series.Channels().end());
      problem = SummaryProblem(channels, asked);
      if (problem.empty()) {
        const TableResult result = WriteSummary(series, settings, asked, sink);
        if (result.status < 0) error = result.error;  // GCOVR_EXCL_BR_LINE: rows checked whole, written to memory
      }
    }
  }
  RaiseReadFailure(read, document->Opened(), logPath, sitePath);
  if (!problem.empty()) throw py::value_error(problem);
  if (!error.empty()) throw LoadFailure(error);  // GCOVR_EXCL_BR_LINE: as above
  return py::bytes(sink.text);
}

}  // namespace

void AddSummary(py::module_& m) {
  m.def(
      "summarise_log",
      [](const std::string& logPath, const std::optional<std::string>& sitePath, bool lanTime, uint16_t skip,
         int overlap, const std::string& zone, std::optional<int> offsetMinutes, const std::string& every,
         const std::optional<std::string>& stats, double minCoverage, const std::optional<std::string>& degreeDays,
         const std::optional<std::string>& coolingDegreeDays) {
        return SummariseLog(logPath, sitePath, lanTime, skip, overlap, zone, offsetMinutes,
                            {every, stats, minCoverage, degreeDays, coolingDegreeDays});
      },  // GCOVR_EXCL_BR_LINE: the argument conversions pybind11 generates
      py::arg("path"), py::arg("site"), py::arg("lan_time"), py::arg("skip"), py::arg("overlap"), py::arg("zone"),
      py::arg("offset_minutes"), py::arg("every"), py::arg("stats"), py::arg("min_coverage"), py::arg("degree_days"),
      py::arg("cooling_degree_days"));
}

}  // namespace zerb
