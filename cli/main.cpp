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
#include "convert/OutputFile.h"

namespace {

// Ctrl-C, kill or a closed terminal end the program at once, whatever it is
// waiting for: the temporary file goes, the old output stays, and the exit
// status is the signal's own (130 for Ctrl-C in a shell).
extern "C" void OnEndingSignal(int signal) {
  zerb::RemoveTemporaryOutputs();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void EndOnSignals() {
#ifdef _WIN32
  for (int signal : {SIGINT, SIGTERM}) std::signal(signal, OnEndingSignal);
#else
  struct sigaction action {};
  action.sa_handler = OnEndingSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
#endif
}

void Fail(const std::string& log, const std::string& reason) {
  std::fprintf(stderr, "zerb32-cli: %s: %s\n", log.c_str(), reason.c_str());
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
  if (!opened.siteError.empty()) Fail(logPath, opened.siteError);
  if (!opened.logLoaded) {
    Fail(logPath, opened.error);
    return false;
  }
  const std::string outputPath =
      options.output.empty() ? zerb::OutputPathFor(logPath, options.extension) : options.output;
  const zerb::RunResult result = zerb::ConvertToFile(log, logPath, outputPath, options.convert, nullptr);
  if (result.status != zerb::RunStatus::Done) {
    Fail(logPath, result.error);
    return false;
  }
  if (options.verbose && !result.note.empty()) Fail(logPath, "note: " + result.note);
  if (!zerb::IsStandardOutputPath(outputPath)) std::printf("%s\n", outputPath.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && zerb::IsHistoryCommand(argv[1])) {
    EndOnSignals();
    return zerb::RunHistoryCommand(argc, argv);
  }
  auto parsed = zerb::ParseCommandLine(argc, argv);
  if (auto* exit = std::get_if<zerb::CliExit>(&parsed)) {
    std::fputs(exit->out.c_str(), stdout);
    std::fputs(exit->err.c_str(), stderr);
    return exit->code;
  }
  const auto& options = std::get<zerb::CliOptions>(parsed);
  // The XML time of day follows the user's time format, as in the window.
  std::setlocale(LC_TIME, "");
  EndOnSignals();
  zerb::Document document;
  bool allConverted = true;
  for (const auto& logPath : options.logs) {
    allConverted = ConvertOne(options, logPath, document) && allConverted;
  }
  return allConverted ? 0 : 1;
}
