#include "convert/Conversion.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "convert/Paths.h"
#include "output/OutputSink.h"
#include "output/Writers.h"

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

// Straight into a stream that is not a regular file (standard output, a
// device, a pipe): there is nothing to put in place afterwards, and a device
// node must never be replaced by a file.
RunResult ConvertToStream(TLog& log, std::FILE* stream, const std::string& name, const ConvertOptions& options,
                          const Callbacks& callbacks) {
  if (!RunPass1(log, callbacks)) return Failure(RunStatus::Pass1Failed, Pass1Error(log));
  FileSink sink(stream);
  errno = 0;
  const int written = RunPass2(log, sink, options, callbacks);
  if (written < 0 || std::fflush(stream) != 0 || std::ferror(stream))
    return Failure(RunStatus::WriteFailed, "cannot write " + name + ": " + SystemError());
  return RunResult{written == 1 ? RunStatus::Done : RunStatus::Aborted, {}};
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
RunResult PutInPlace(std::FILE* stream, const std::string& tempPath, const std::string& outputPath, int written) {
  bool ok = written >= 0;
  int error = ok ? 0 : EIO;
  if (std::fflush(stream) != 0 || std::ferror(stream)) ok = false, error = errno ? errno : EIO;
  if (std::fclose(stream) != 0 && ok) ok = false, error = errno;
  std::error_code ec;
  if (ok) std::filesystem::rename(tempPath, outputPath, ec);
  if (ok && !ec) return RunResult{written == 1 ? RunStatus::Done : RunStatus::Aborted, {}};
  std::remove(tempPath.c_str());
  const std::string reason = ok ? ec.message() : std::strerror(error);
  return Failure(RunStatus::WriteFailed, "cannot write " + outputPath + ": " + reason);
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
  const int written = RunPass2(log, sink, options, callbacks);
  return PutInPlace(stream, tempPath, outputPath, written);
}

}  // namespace zerb
