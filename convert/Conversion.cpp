#include "convert/Conversion.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "convert/MetaFile.h"
#include "convert/Paths.h"
#include "output/OutputSink.h"
#include "output/Series.h"
#include "output/Writers.h"
#include "table/Styles.h"
#include "table/TableWriter.h"

namespace zerb {

namespace {

std::string SystemError() { return std::strerror(errno); }

// A new file beside `path` that no one else has: the output is written there
// and moved over `path` only when the run ends.
std::FILE* CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    tempPath = path + ".tmp" + std::to_string(random() % 1000000);
    if (std::FILE* stream = std::fopen(tempPath.c_str(), "wbx")) return stream;
    if (errno != EEXIST) break;
  }
  return nullptr;
}

RunResult Failure(RunStatus status, std::string error) { return RunResult{status, std::move(error), {}}; }

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
  std::string note;  // RunResult::note
  std::string error;  // why the table writer could not start
};

// The classic CSV output goes through its own writer unless a table layout
// or the metadata (which needs the rows written) asks for the table writer.
Pass2 RunPass2(TLog& log, OutputSink& sink, const ConvertOptions& options, const Callbacks& callbacks) {
  if (callbacks.passStarted) callbacks.passStarted(2);
  const ProgressCallback progress = callbacks.progress;
  Pass2 pass;
  if (options.xml) {
    pass.written = WriteXml(log, sink, options.overlap, options.skip, options.flags, progress);
    if (options.meta) pass.rows = XmlRowsOf(log, options);
    return pass;
  }
  if (!options.table && !options.meta) {
    pass.written = WriteCsv(log, sink, options.overlap, options.skip, options.flags, progress);
    return pass;
  }
  LogSeries series(log, (options.flags & FlagLanTime) != 0, options.overlap, options.skip, progress);
  const TableResult table = WriteTable(series, options.table.value_or(ClassicTable(options.flags)), sink);
  pass.written = table.status;
  pass.rows = {table.rows, table.first, table.last};
  pass.note = table.anchorNote;
  if (table.status < 0 && series.Error().empty()) pass.error = table.error;
  return pass;
}

// A failed pass 2: the table writer's reason when it has one, else the
// system's.
RunResult WriteFailure(const std::string& name, const Pass2& pass, const std::string& systemError) {
  return Failure(RunStatus::WriteFailed, "cannot write " + name + ": " + (pass.error.empty() ? systemError : pass.error));
}

// The metadata beside a regular output, once the output is in place.
RunResult WithMeta(RunResult result, const TLog& log, const std::string& outputPath, const ConvertOptions& options,
                   const Pass2& pass) {
  result.note = pass.note;
  if (!options.meta || result.status != RunStatus::Done) return result;
  std::string error;
  if (!WriteFileSafely(MetaPathFor(outputPath), MetaJson(log, options, pass.rows), error))
    return Failure(RunStatus::WriteFailed, error);
  return result;
}

std::string Pass1Error(const TLog& log) {
  if (!log.IsLoaded()) return log.LoadError().empty() ? "the log is not loaded" : log.LoadError();
  return log.PassError().empty() ? "stopped in pass 1" : log.PassError();
}

// Straight into a stream that is not a regular file (standard output, a
// device, a pipe): there is nothing to put in place afterwards, and a device
// node must never be replaced by a file.
RunResult ConvertToStream(TLog& log, std::FILE* stream, const std::string& name, const ConvertOptions& options,
                          const Callbacks& callbacks) {
  if (!RunPass1(log, callbacks)) return Failure(RunStatus::Pass1Failed, Pass1Error(log));
  FileSink sink(stream);
  errno = 0;
  const Pass2 pass = RunPass2(log, sink, options, callbacks);
  if (pass.written < 0 || std::fflush(stream) != 0 || std::ferror(stream)) return WriteFailure(name, pass, SystemError());
  RunResult result{pass.written == 1 ? RunStatus::Done : RunStatus::Aborted, {}, {}};
  result.note = pass.note;
  return result;
}

RunResult ConvertToDevice(TLog& log, const std::string& path, const ConvertOptions& options,
                          const Callbacks& callbacks) {
  if (!log.IsLoaded()) return Failure(RunStatus::Pass1Failed, Pass1Error(log));
  std::FILE* stream = std::fopen(path.c_str(), "wb");
  if (!stream) return Failure(RunStatus::WriteFailed, "cannot write " + path + ": " + SystemError());
  RunResult result = ConvertToStream(log, stream, path, options, callbacks);
  if (std::fclose(stream) != 0 && result.status == RunStatus::Done)
    result = Failure(RunStatus::WriteFailed, "cannot write " + path + ": " + SystemError());
  return result;
}

// An existing path that is not a regular file: a device or pipe is written
// in place, anything else (a folder) refused.
std::optional<RunResult> ConvertToSpecial(TLog& log, const std::string& path, const ConvertOptions& options,
                                          const Callbacks& callbacks) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) return std::nullopt;
  if (std::filesystem::is_directory(status))
    return Failure(RunStatus::WriteFailed, "cannot write " + path + ": it is a folder");
  return ConvertToDevice(log, path, options, callbacks);
}

// Finishes the temporary file: everything flushed and closed without error,
// then moved over the output. On any failure the temporary file goes and the
// output stays as it was.
RunResult PutInPlace(std::FILE* stream, const std::string& tempPath, const std::string& outputPath,
                     const Pass2& pass) {
  const int written = pass.written;
  bool ok = written >= 0;
  int error = ok ? 0 : EIO;
  if (std::fflush(stream) != 0 || std::ferror(stream)) ok = false, error = errno ? errno : EIO;
  if (std::fclose(stream) != 0 && ok) ok = false, error = errno;
  std::error_code ec;
  if (ok) std::filesystem::rename(tempPath, outputPath, ec);
  if (ok && !ec) return RunResult{written == 1 ? RunStatus::Done : RunStatus::Aborted, {}, {}};
  std::remove(tempPath.c_str());
  return WriteFailure(outputPath, pass, ok ? ec.message() : std::strerror(error));
}

}  // namespace

RunResult ConvertToFile(TLog& log, const std::string& logPath, const std::string& outputPath,
                        const ConvertOptions& options, ProgressCallback callback, PassCallback passStarted) {
  const Callbacks callbacks{callback, passStarted};
  if (outputPath == "-") {
    if (!log.IsLoaded()) return Failure(RunStatus::Pass1Failed, Pass1Error(log));
    return ConvertToStream(log, stdout, "standard output", options, callbacks);
  }
  if (SameFile(outputPath, logPath))
    return Failure(RunStatus::OutputIsInput, "the output " + outputPath + " is the log file itself");
  const auto site = SiteFileFor(logPath);
  if (site && SameFile(outputPath, site->path))
    return Failure(RunStatus::OutputIsInput, "the output " + outputPath + " is the log's site file");
  if (!log.IsLoaded()) return Failure(RunStatus::Pass1Failed, Pass1Error(log));
  if (auto special = ConvertToSpecial(log, outputPath, options, callbacks)) return *special;

  std::string tempPath;
  std::FILE* stream = CreateTemporaryBeside(outputPath, tempPath);
  if (!stream) return Failure(RunStatus::WriteFailed, "cannot write " + outputPath + ": " + SystemError());
  if (!RunPass1(log, callbacks)) {
    std::fclose(stream);
    std::remove(tempPath.c_str());
    return Failure(RunStatus::Pass1Failed, Pass1Error(log));
  }
  FileSink sink(stream);
  errno = 0;
  const Pass2 pass = RunPass2(log, sink, options, callbacks);
  return WithMeta(PutInPlace(stream, tempPath, outputPath, pass), log, outputPath, options, pass);
}

}  // namespace zerb
