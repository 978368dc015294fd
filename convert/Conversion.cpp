#include "convert/Conversion.h"

#include <memory>

#include "convert/OutputFile.h"
#include "convert/Paths.h"
#include "output/OutputSink.h"
#include "output/Writers.h"

namespace zerb {

namespace {

RunResult Failure(RunStatus status, std::string error) { return RunResult{status, std::move(error)}; }

struct Callbacks {
  ProgressCallback progress;
  PassCallback passStarted;
};

bool RunPass1(TLog& log, const Callbacks& callbacks) {
  if (callbacks.passStarted) callbacks.passStarted(1);
  return log.ComputeOldestValues(callbacks.progress) >= 0;
}

int RunPass2(TLog& log, OutputSink& sink, const ConvertOptions& options, const Callbacks& callbacks) {
  if (callbacks.passStarted) callbacks.passStarted(2);
  const ProgressCallback progress = callbacks.progress;
  return options.xml ? WriteXml(log, sink, options.overlap, options.skip, options.flags, progress)
                     : WriteCsv(log, sink, options.overlap, options.skip, options.flags, progress);
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
  if (NamesLogOrSiteFile(outputPath)) return "the output " + outputPath + " is an existing log or site file";
  return std::nullopt;
}

}  // namespace

RunResult ConvertToFile(TLog& log, const std::string& logPath, const std::string& outputPath,
                        const ConvertOptions& options, ProgressCallback callback, PassCallback passStarted) {
  const Callbacks callbacks{callback, passStarted};
  if (const auto refusal = InputNamedAsOutput(logPath, outputPath))
    return Failure(RunStatus::OutputIsInput, *refusal);
  if (!log.IsLoaded()) return Failure(RunStatus::Pass1Failed, Pass1Error(log));
  std::string error;
  const std::unique_ptr<OutputFile> output = OutputFile::Open(outputPath, error);
  if (!output) return Failure(RunStatus::WriteFailed, error);
  if (!RunPass1(log, callbacks)) return Failure(RunStatus::Pass1Failed, Pass1Error(log));
  const int written = RunPass2(log, output->Sink(), options, callbacks);
  if (written < 0) {
    error = output->WriteError();
    return Failure(RunStatus::WriteFailed, error.empty() ? "cannot write " + outputPath : error);
  }
  if (!output->Commit(error)) return Failure(RunStatus::WriteFailed, error);
  return RunResult{written == 1 ? RunStatus::Done : RunStatus::Aborted, {}};
}

}  // namespace zerb
