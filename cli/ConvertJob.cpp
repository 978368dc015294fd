#include "cli/ConvertJob.h"

#include <cstdio>

#include "app/Conversion.h"
#include "app/Document.h"
#include "app/OutputFile.h"
#include "app/Paths.h"
#include "cli/LogInfo.h"
#include "cli/RunSummary.h"
#include "cli/SiteWarningLines.h"
#include "series/Series.h"
#include "styles/ChannelChoice.h"
#include "styles/SummaryColumns.h"
#include "styles/SummaryTable.h"

namespace zerb {

namespace {

// The channels a conversion of the opened log writes, as --channels
// chooses them (`columns` then gets their columns); why not, if it cannot.
std::string WrittenChannels(const CliOptions& options, const Document& document, std::vector<SeriesChannel>& channels,
                            std::optional<std::vector<std::size_t>>& columns) {
  for (const TDev* device : document.Log().Channels()) channels.push_back(ChannelOf(*device));
  if (!options.channels) return {};
  ChannelChoice choice = ChooseChannels(channels, *options.channels);
  if (!choice.problem.empty()) return choice.problem;
  columns = choice.columns;
  std::vector<SeriesChannel> chosen;
  for (const std::size_t column : choice.columns) chosen.push_back(channels[column]);
  channels = std::move(chosen);
  return {};
}

void Fail(JobReport& report, const std::string& log, const std::string& reason) {
  report.err += "zerb32-cli: " + log + ": " + reason + "\n";
  report.ok = false;
}

// The --info report goes straight to standard output: --info runs its logs
// on the calling thread, one after the other.
void Describe(JobReport& report, const std::string& log, const Document& document) {
  PrintLogInfo(stdout, document.Opened(), document.Site(), document.Log());
  if (!document.Opened().logLoaded) Fail(report, log, document.Opened().error);
}

void Convert(JobReport& report, const CliOptions& options, const PlannedLog& entry, Document& document) {
  const OpenedLog& opened = document.Opened();
  if (options.requireSite) {
    if (std::string line = SiteRequiredLine(entry.log, opened); !line.empty()) {
      report.err += line;
      report.ok = false;
      return;
    }
  }
  ConvertOptions convert = options.convert;
  std::vector<SeriesChannel> channels;
  if (std::string problem = WrittenChannels(options, document, channels, convert.selection.channels); !problem.empty())
    return Fail(report, entry.log, problem);
  if (convert.summary) {
    if (std::string problem = SummaryProblem(channels, *convert.summary); !problem.empty())
      return Fail(report, entry.log, problem);
  }
  report.err += SiteWarningLine(entry.log, opened);
  const RunResult result = ConvertToFile(document.Log(), entry.log, entry.output, convert, nullptr);
  if (result.status != RunStatus::Done) return Fail(report, entry.log, result.error);
  if (options.verbose && !result.note.empty()) report.err += "zerb32-cli: " + entry.log + ": note: " + result.note + "\n";
  if (options.verbose) report.err += RunSummaryLine(entry, document, convert, result.rows);
  report.rows = result.rows.value_or(document.Log().RowsWritten(convert.overlap, convert.skip).count);
  if (!IsStandardOutputPath(entry.output) && !options.quiet) report.out += entry.output + "\n";
}

}  // namespace

std::string DegreeDayUsageLine(const CliOptions& options, const std::vector<PlannedLog>& plan, Document& document) {
  if (!options.convert.summary || options.convert.summary->degreeDays.empty() || options.info) return {};
  for (const PlannedLog& entry : plan) {
    if (entry.action != PlanAction::Convert) continue;
    const OpenedLog& opened = options.siteFile.empty()
                                  ? document.Open(entry.log)
                                  : document.Open(entry.log, SiteFileAt(options.siteFile, entry.log));
    std::vector<SeriesChannel> channels;
    std::optional<std::vector<std::size_t>> columns;
    std::string line;
    if (opened.logLoaded && WrittenChannels(options, document, channels, columns).empty())
      line = DegreeDayTypeProblem(channels, *options.convert.summary);
    document.Reset();
    if (!line.empty()) return "zerb32-cli: " + entry.log + ": " + line + "\n";
  }
  return {};
}

JobReport RunPlannedLog(const CliOptions& options, const std::vector<PlannedLog>& plan, std::size_t index,
                        Document& document) {
  const PlannedLog& entry = plan[index];
  JobReport report;
  if (entry.action == PlanAction::Repeat) {
    if (options.verbose) report.err = "zerb32-cli: " + entry.log + ": the same file as " + plan[entry.other].log + "\n";
    return report;
  }
  if (entry.action != PlanAction::Convert) {
    report.err = RefusalLine(plan, entry);
    report.ok = false;
    return report;
  }
  const OpenedLog& opened = options.siteFile.empty() ? document.Open(entry.log)
                                                     : document.Open(entry.log, SiteFileAt(options.siteFile, entry.log));
  if (options.info) {
    Describe(report, entry.log, document);
  } else if (!opened.logLoaded) {
    Fail(report, entry.log, opened.error);
  } else {
    Convert(report, options, entry, document);
  }
  document.Reset();
  return report;
}

}  // namespace zerb
