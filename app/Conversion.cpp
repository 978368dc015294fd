#include "app/Conversion.h"

#include <memory>

#include "app/LogNotes.h"
#include "app/MetaFile.h"
#include "app/OutputFile.h"
#include "app/OutputTarget.h"
#include "app/Paths.h"
#include "app/WriteOutput.h"
#include "classic/CsvWriter.h"
#include "classic/OutputSink.h"
#include "classic/XmlWriter.h"
#include "series/Series.h"
#include "styles/Styles.h"
#include "styles/SummaryTable.h"
#include "styles/TableWriter.h"
#include "styles/Workbook.h"

namespace zerb {

namespace {

RunResult Failure(RunStatus status, std::string error) { return RunResult{status, std::move(error), {}, {}}; }

struct Callbacks {
  ProgressCallback progress;
  PassCallback passStarted;
};

bool RunPass1(TLog& log, const Callbacks& callbacks) {
  if (callbacks.passStarted) callbacks.passStarted(1);
  return log.ComputeOldestValues(callbacks.progress) >= 0;
}

struct Pass2 {
  int written = -1;  // as the writers return it
  WrittenRows rows;  // with --meta or the table writer
  bool tableRows = false;  // rows come from the table writer
  std::string note;  // RunResult::note
  std::string error;  // why the table writer could not start
};

// The classic CSV output goes through its own writer unless a table layout
// or the metadata (which needs the rows written) asks for the table writer.
Pass2 RunPass2(TLog& log, const std::string& logPath, OutputSink& sink, const ConvertOptions& options,
               const Callbacks& callbacks) {
  if (callbacks.passStarted) callbacks.passStarted(2);
  const ProgressCallback progress = callbacks.progress;
  Pass2 pass;
  if (options.xml) {
    pass.written = WriteXml(log, sink, options.overlap, options.skip, options.flags, progress);
    if (options.meta) pass.rows = XmlRowsOf(log, options);
    return pass;
  }
  if (!options.table && !options.meta && !options.summary && options.selection.SelectsAll()) {
    pass.written = WriteCsv(log, sink, options.overlap, options.skip, options.flags, progress);
    return pass;
  }
  LogSeries series(log, (options.flags & FlagLanTime) != 0, options.overlap, options.skip, progress);
  SelectedSeries selected(series, options.selection);
  Series& written = options.selection.SelectsAll() ? static_cast<Series&>(series) : selected;
  const TableSettings settings = options.table.value_or(ClassicTable(options.flags));
  const bool workbook = settings.file == TableFile::Workbook;
  const TableResult table =
      options.summary ? workbook ? WriteSummaryWorkbook(written, settings, *options.summary, LogNotes(log, logPath), sink)
                                 : WriteSummary(written, settings, *options.summary, sink)
      : workbook      ? WriteWorkbook(written, settings, LogNotes(log, logPath), sink)
                      : WriteTable(written, settings, sink);
  pass.written = table.status;
  pass.rows = {table.rows, table.first, table.last};
  pass.tableRows = true;
  pass.note = table.anchorNote;
  if (table.status < 0 && series.Error().empty()) pass.error = table.error;
  return pass;
}

// The metadata beside the output, once the output is in place (not beside
// standard output).
RunResult WithMeta(const TLog& log, const std::string& outputPath, const ConvertOptions& options, const Pass2& pass) {
  RunResult result{pass.written == 1 ? RunStatus::Done : RunStatus::Aborted, {}, pass.note, {}};
  if (pass.tableRows) result.rows = pass.rows.count;
  if (!options.meta || result.status != RunStatus::Done || IsStandardOutputPath(outputPath)) return result;
  const std::string path = MetaPathFor(outputPath);
  const std::string text = MetaJson(log, options, pass.rows);
  std::string error;
  if (!WriteWholeText(path, text, error))
    return Failure(RunStatus::WriteFailed, error);
  return result;
}

std::string Pass1Error(const TLog& log) {
  if (!log.IsLoaded()) return log.LoadError().empty() ? "the log is not loaded" : log.LoadError();
  return log.PassError().empty() ? "stopped in pass 1" : log.PassError();
}

// Why the output path must not be written at all, if it must not.
std::optional<std::string> InputNamedAsOutput(const std::string& logPath, const std::string& outputPath) {
  if (IsStandardOutputPath(outputPath)) return std::nullopt;
  if (SameFile(outputPath, logPath)) return "the output " + outputPath + " is the log file itself";
  const auto site = SiteFileFor(logPath);
  if (site && SameFile(outputPath, site->path)) return "the output " + outputPath + " is the log's site file";
  if (const std::string kind = ProtectedFileKind(outputPath); !kind.empty())
    return "the output " + outputPath + " is an existing " + kind;
  return std::nullopt;
}

}  // namespace

RunResult ConvertToFile(TLog& log, const std::string& logPath, const std::string& outputPath,
                        const ConvertOptions& options, ProgressCallback callback, PassCallback passStarted) {
  const Callbacks callbacks{callback, passStarted};
  if (const auto refusal = InputNamedAsOutput(logPath, outputPath))
    return Failure(RunStatus::OutputIsInput, *refusal);
  if (!log.IsLoaded()) return Failure(RunStatus::Pass1Failed, Pass1Error(log));
  if (options.xml && !options.selection.SelectsAll())
    return Failure(RunStatus::WriteFailed, "the XML output holds whole logs: no time range or choice of channels");
  std::string error;
  const std::unique_ptr<OutputFile> output = OutputFile::Open(outputPath, error);
  if (!output) return Failure(RunStatus::WriteFailed, error);
  if (!RunPass1(log, callbacks)) return Failure(RunStatus::Pass1Failed, Pass1Error(log));
  const Pass2 pass = RunPass2(log, logPath, output->Sink(), options, callbacks);
  if (pass.written < 0) {
    error = pass.error.empty() ? output->WriteError() : "cannot write " + outputPath + ": " + pass.error;
    return Failure(RunStatus::WriteFailed, error.empty() ? "cannot write " + outputPath : error);
  }
  if (!output->Commit(error)) return Failure(RunStatus::WriteFailed, error);
  return WithMeta(log, outputPath, options, pass);
}

}  // namespace zerb
