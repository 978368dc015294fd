#include "cli/HistoryCommands.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <variant>

#include "app/CountedWords.h"
#include "app/OutputFile.h"
#include "app/Paths.h"
#include "app/WriteOutput.h"
#include "cli/Arguments.h"
#include "cli/ExportProgress.h"
#include "cli/HistoryNotes.h"
#include "cli/HistoryOptions.h"
#include "cli/HistoryReport.h"
#include "cli/ProgressLine.h"
#include "series/CivilTime.h"
#include "history/FoldedPeriods.h"
#include "history/Merge.h"
#include "history/MergedSeries.h"
#include "history/Spans.h"
#include "history/Store.h"
#include "history/postgres/PgAddress.h"
#include "history/postgres/PgStoreOpen.h"
#include "model/PrintableText.h"
#include "styles/SummaryColumns.h"
#include "styles/SummaryTable.h"
#include "styles/TableWriter.h"
#include "styles/Workbook.h"
#include "styles/Windows1252.h"
#include "styles/ZoneClock.h"
#include "system/FileSizeSignal.h"

namespace zerb {

namespace {

void Problem(const std::string& subject, const std::string& reason) {
  std::fprintf(stderr, "zerb32-cli: %s: %s\n", WithoutPasswords(subject).c_str(), WithoutPasswords(reason).c_str());
}

// The input OUT names, if any: a log, its site file, the store or its
// companion files.
std::optional<std::string> InputNamedBy(const HistoryCommand& c) {
  if (IsStandardOutputPath(c.output)) return std::nullopt;
  std::vector<std::string> inputs;
  for (const std::string& log : c.logs) {
    inputs.push_back(log);
    if (auto site = SiteFileFor(log)) inputs.push_back(site->path);
  }
  if (const StoreLocation store = LocateStore(c.db); !c.db.empty() && !store.postgres)
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) inputs.push_back(store.text + suffix);
  for (const std::string& input : inputs)
    if (SameFile(c.output, input)) return input;
  return std::nullopt;
}

// Writes the series (with empty rows in its gaps when asked) and reports
// its gaps. True when written. `notes` make the workbook's Channels sheet.
// With `folded`, a summary's periods are those the store folded.
bool WriteSeries(const HistoryCommand& c, Series& series, const std::vector<LogSpan>& spans,
                 const std::function<WorkbookNotes(const std::vector<Gap>&)>& notes,
                 const FoldedSummary* folded = nullptr) {
  const std::vector<Gap> gaps = FindGaps(spans);
  uint64_t missing = 0;
  for (const Gap& gap : gaps) missing += MissingRows(gap);
  if (c.fillGaps && missing > c.maxFill) {
    Problem(c.output, "--fill-gaps would write " + Counted(missing, "empty row") + ", more than the " +
                          std::to_string(c.maxFill) + " that --max-fill allows; nothing was written");
    return false;
  }
  std::vector<int64_t> fill;
  if (c.fillGaps)
    for (const Gap& gap : gaps)
      for (int64_t t : FillTimes(gap)) fill.push_back(t);
  int64_t origin = INT64_MAX;
  for (const LogSpan& span : spans) origin = std::min(origin, span.first);
  const bool filling = !fill.empty();
  GapFilledSeries gapFilled(series, std::move(fill), spans.empty() ? 0 : origin);
  Series& filled = filling ? static_cast<Series&>(gapFilled) : series;  // no call per row through a wrapper that adds nothing
  std::string error;
  TableResult table;
  const auto write = [&](OutputSink& sink) {
    const bool workbook = c.table.file == TableFile::Workbook;
    table = c.summary  ? workbook ? WriteSummaryWorkbook(filled, c.table, *c.summary, notes(gaps), sink, folded)
                                  : WriteSummary(filled, c.table, *c.summary, sink, folded)
            : workbook ? WriteWorkbook(filled, c.table, notes(gaps), sink)
                       : WriteTable(filled, c.table, sink);
    return table.status == 1;
  };
  const bool written =
      WriteOutput(c.output, write, "the series could not be read; " + c.output + " is left as it was", error);
  if (!written) {
    Problem(c.output, !table.error.empty() ? table.error : series.Error().empty() ? error : series.Error());
    return false;
  }
  if (c.verbose && !table.anchorNote.empty()) std::fprintf(stderr, "zerb32-cli: %s\n", table.anchorNote.c_str());
  ReportGaps(stderr, gaps, c.fillGaps, c.verbose);
  if (!c.quiet && !IsStandardOutputPath(c.output)) std::printf("%s\n", c.output.c_str());
  return true;
}

// A --degree-days channel of the series that is not a temperature: a usage
// error said in one line before anything is written. True when refused.
bool DegreeDaysRefused(const HistoryCommand& c, const Series& series) {
  if (!c.summary) return false;
  const std::string line = DegreeDayTypeProblem(series.Channels(), *c.summary);
  if (!line.empty()) std::fprintf(stderr, "zerb32-cli: %s\n", line.c_str());
  return !line.empty();
}

int Merge(const HistoryCommand& c) {
  ProgressLine progress(c.logs.size(), ProgressWanted(c.quiet, c.noProgress));
  MergeResult merged = MergeLogs(c.logs, c.log, [&progress](uint64_t rows) { progress.Step(rows); });
  progress.Erase();
  if (merged.merged > 0 && DegreeDaysRefused(c, merged.series)) return 2;
  for (const LogProblem& w : merged.warnings) Problem(w.log, w.reason);
  for (const LogProblem& f : merged.failures) Problem(f.log, f.reason);
  if (!merged.refusal.empty()) {
    std::fprintf(stderr, "zerb32-cli: %s\n", merged.refusal.c_str());
    return 1;
  }
  if (merged.merged == 0) {
    std::fprintf(stderr, "zerb32-cli: no log could be merged; %s not written\n", c.output.c_str());
    return 1;
  }
  ReportOffGrid(stderr, merged.report);
  ReportConflicts(stderr, merged.report, c.verbose);
  const auto notes = [&](const std::vector<Gap>& gaps) {
    std::vector<StoredLog> logs;
    for (std::size_t i = 0; i < merged.spans.size(); ++i) logs.push_back({merged.sources[i], merged.spans[i], 0});
    const auto site = SiteFileFor(merged.sources.front());
    return HistoryNotes(site ? site->fileNumber : 0, logs, false, gaps, &merged.report);
  };
  if (!WriteSeries(c, merged.series, merged.spans, notes)) return 1;
  return merged.failures.empty() ? 0 : 1;
}

// A line on standard output for a log that is in the store, out at once:
// an import ended by a signal loses no line of a log it committed.
void SayStored(const HistoryCommand& c, const std::string& line) {
  if (c.quiet) return;
  std::fputs(line.c_str(), stdout);
  std::fflush(stdout);
}

int Import(const HistoryCommand& c) {
  auto store = OpenStore(c.db, StoreAccess::Write);
  bool allIn = true;
  ProgressLine progress(c.logs.size(), ProgressWanted(c.quiet, c.noProgress), "reading");
  for (const std::string& log : c.logs) {
    // Said while the program's end is held off, so that a log committed
    // before a signal has its line.
    const auto stored = [&](const ImportOutcome& done) {
      progress.Erase();
      if (!done.warning.empty()) Problem(log, done.warning);
      SayStored(c, "imported " + WithoutPasswords(log) + " (site " + std::to_string(done.site) + ", " +
                   Counted(done.readings, "reading") + ")\n");
    };
    const ImportOutcome outcome = ImportOneOfMany(*store, log, c.log, stored);
    progress.Erase();
    if (outcome.status != ImportStatus::Imported && !outcome.warning.empty()) Problem(log, outcome.warning);
    switch (outcome.status) {
      case ImportStatus::Imported:
        break;
      case ImportStatus::Skipped:
        SayStored(c, "skipped " + WithoutPasswords(log) + ": already in the store\n");
        break;
      case ImportStatus::Failed:
        Problem(log, outcome.reason + "; nothing of it was stored");
        allIn = false;
        break;
    }
    ReportOffGrid(stderr, outcome.report);
    ReportConflicts(stderr, outcome.report, c.verbose);
    progress.Step(outcome.status == ImportStatus::Imported ? outcome.readings : 0);
  }
  return allIn ? 0 : 1;
}

int Export(const HistoryCommand& c) {
  auto store = OpenStore(c.db, StoreAccess::ReadOnly);
  auto series = store->Export(*c.site, c.from, c.to);
  if (!series) {
    Problem(RedactedAddress(c.db), "no site " + std::to_string(*c.site) + " in the store");
    return 1;
  }
  if (DegreeDaysRefused(c, *series)) return 2;
  const auto notes = [&](const std::vector<Gap>& gaps) {
    return HistoryNotes(*c.site, store->Logs(*c.site, c.from, c.to), true, gaps, nullptr);
  };
  const std::vector<LogSpan> spans = store->Spans(*c.site, c.from, c.to);
  std::optional<FoldedSummary> folded;
  if (c.summary && !c.fillGaps) folded = FoldInStore(*store, *c.site, c.from, c.to, series->Channels(), c.table, *c.summary);
  // Periods the store folded come back few and at once: only rows walked
  // here are worth a progress line.
  RowProgressSeries counted(*series, EstimatedRows(spans),
                            !folded && ProgressWanted(c.quiet, c.noProgress, IsStandardOutputPath(c.output)));
  return WriteSeries(c, counted, spans, notes, folded ? &*folded : nullptr) ? 0 : 1;
}

// A site's or channel's name from the store (the site file's 8-bit text)
// as the listing shows it: UTF-8, control bytes written out.
std::string Listed(std::string_view stored) { return Utf8FromWindows1252(PrintableText(stored)); }

void PrintSummary(const SiteSummary& s) {
  std::printf("Site %lu: %s\n", static_cast<unsigned long>(s.site), Listed(s.name).c_str());
  std::printf("  Logs: %lld, readings: %lld, conflicts: %lld\n", static_cast<long long>(s.imports),
              static_cast<long long>(s.readings), static_cast<long long>(s.conflicts));
  std::printf("  From %s to %s\n", IsoText(s.first).c_str(), IsoText(s.last).c_str());
  std::printf("  Gaps: %zu\n", s.gaps.size());
  for (const Gap& gap : s.gaps) std::printf("    %s\n", GapText(gap).c_str());
  std::printf("  Channels: %zu\n", s.channels.size());
  for (const SeriesChannel& ch : s.channels)
    std::printf("    %s %s (%s)\n", ChannelText(IdOf(ch)).c_str(), Listed(ch.name).c_str(), Listed(ch.typeName).c_str());
  // Only channels described more than once.
  std::vector<const DescriptionChange*> changed;
  for (std::size_t i = 0; i < s.changes.size(); ++i) {
    const bool alone = (i == 0 || IdOf(s.changes[i - 1].channel) != IdOf(s.changes[i].channel)) &&
                       (i + 1 == s.changes.size() || IdOf(s.changes[i + 1].channel) != IdOf(s.changes[i].channel));
    if (!alone) changed.push_back(&s.changes[i]);
  }
  if (changed.empty()) return;
  std::printf("  Description changes: %zu\n", changed.size());
  for (const DescriptionChange* d : changed)
    std::printf("    %s from %s: %s (%s, units %s, exponent %d%s)\n", ChannelText(IdOf(d->channel)).c_str(),
                IsoText(d->time).c_str(), Listed(d->channel.name).c_str(), Listed(d->channel.typeName).c_str(),
                Listed(std::string(1, d->channel.unitsLetter)).c_str(), d->channel.exponent,
                d->source == DescriptionSource::Default ? ", default" : "");
}

int History(const HistoryCommand& c) {
  auto store = OpenStore(c.db, StoreAccess::ReadOnly);
  const auto summaries = store->Summaries(c.site);
  if (summaries.empty() && c.site) {
    Problem(RedactedAddress(c.db), "no site " + std::to_string(*c.site) + " in the store");
    return 1;
  }
  if (summaries.empty()) std::printf("The store holds no logs yet.\n");
  for (const SiteSummary& s : summaries) PrintSummary(s);
  return 0;
}

int Run(const HistoryCommand& c) {
  switch (c.verb) {
    case HistoryVerb::Merge: return Merge(c);
    case HistoryVerb::Import: return Import(c);
    case HistoryVerb::Export: return Export(c);
    case HistoryVerb::History: return History(c);
  }
  return 2;
}

}  // namespace

int RunHistoryCommand(int argc, char** argv) {
  IgnoreFileSizeSignal();
  auto parsed = ParseHistoryCommand(argc, argv);
  if (auto* exit = std::get_if<CliExit>(&parsed)) {
    std::fputs(exit->out.c_str(), stdout);
    std::fputs(WithoutPasswords(exit->err).c_str(), stderr);
    return exit->code;
  }
  const HistoryCommand& c = std::get<HistoryCommand>(parsed);
  if (LocateStore(c.db).postgres && !PostgresStoresAvailable()) {
    Problem(RedactedAddress(c.db), PostgresUnavailable);
    return 2;
  }
  if (const auto input = InputNamedBy(c)) {
    Problem(c.output, "the output may not be an input (" + *input + ")");
    return 2;
  }
  try {
    return Run(c);
  } catch (const StoreError& e) {
    std::fprintf(stderr, "zerb32-cli: %s\n", WithoutPasswords(e.what()).c_str());
    return 1;
  }
}

}  // namespace zerb
