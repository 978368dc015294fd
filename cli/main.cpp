// zerb32-cli: converts each log given on the command line as the window's
// Convert would, with the same site file, output path and bytes.

#include <clocale>
#include <csignal>
#include <cstdio>
#include <string>
#include <variant>

#include "cli/CliOptions.h"
#include "cli/HistoryCommands.h"
#include "cli/LogInfo.h"
#include "convert/Conversion.h"
#include "convert/Document.h"

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) { interrupted = 1; }

// Stops the running pass at the next row once Ctrl-C arrives.
int Progress(uint16_t) { return interrupted; }

void Fail(const std::string& log, const std::string& reason) {
  std::fprintf(stderr, "zerb32-cli: %s: %s\n", log.c_str(), reason.c_str());
}

std::string ReasonOf(const zerb::RunResult& result) {
  if (result.status == zerb::RunStatus::Aborted)
    return "interrupted; the output holds the rows written before the stop";
  return result.error;
}

// One document is reopened for every path, as the window reopens its own.
bool ConvertOne(const zerb::CliOptions& options, const std::string& logPath, zerb::Document& document) {
  const zerb::OpenedLog& opened = document.Open(logPath);
  zerb::TLog& log = document.Log();
  if (options.info) {
    zerb::PrintLogInfo(stdout, opened, document.Site(), log);
    if (!opened.logLoaded) Fail(logPath, opened.error);
    return opened.logLoaded;
  }
  if (!opened.logLoaded) {
    Fail(logPath, opened.error);
    return false;
  }
  const std::string outputPath =
      options.output.empty() ? zerb::OutputPathFor(logPath, options.extension) : options.output;
  const zerb::RunResult result = zerb::ConvertToFile(log, logPath, outputPath, options.convert, Progress);
  if (result.status != zerb::RunStatus::Done) {
    Fail(logPath, ReasonOf(result));
    return false;
  }
  if (outputPath != "-") std::printf("%s\n", outputPath.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && zerb::IsHistoryCommand(argv[1])) return zerb::RunHistoryCommand(argc, argv);
  auto parsed = zerb::ParseCommandLine(argc, argv);
  if (auto* exit = std::get_if<zerb::CliExit>(&parsed)) {
    std::fputs(exit->out.c_str(), stdout);
    std::fputs(exit->err.c_str(), stderr);
    return exit->code;
  }
  const auto& options = std::get<zerb::CliOptions>(parsed);
  // The XML time of day follows the user's time format, as in the window.
  std::setlocale(LC_TIME, "");
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  zerb::Document document;
  bool allConverted = true;
  for (const auto& logPath : options.logs) {
    allConverted = ConvertOne(options, logPath, document) && allConverted;
    if (interrupted) return 1;
  }
  return allConverted ? 0 : 1;
}
