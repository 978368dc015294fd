// zerb32-cli: converts each log given on the command line as the window's
// Convert would, with the same site file, output path and bytes.

#include <clocale>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "app/EndingSignals.h"
#include "cli/Arguments.h"
#include "cli/Batch.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleText.h"
#include "cli/SubcommandCall.h"

int main(int argc, char** argv) {
  // Before anything else, so that ps shows a password for as short a time
  // as can be: the arguments are read from copies from here on.
  std::vector<std::string> args = zerb::TakeArguments(argc, argv);
  std::vector<char*> copies;
  for (std::string& arg : args) copies.push_back(arg.data());
  copies.push_back(nullptr);
  char** const arguments = copies.data();

  zerb::SubcommandCall call = zerb::FindSubcommandCall(argc, arguments);
  if (!call.problem.empty()) {
    std::fprintf(stderr, "zerb32-cli: %s\n", call.problem.c_str());
    return 2;
  }
  if (call.command) {
    zerb::EndOnSignals();
    return call.command->run(argc, call.argv.data());
  }
  auto parsed = zerb::ParseCommandLine(argc, arguments);
  if (auto* exit = std::get_if<zerb::CliExit>(&parsed)) {
    zerb::WriteText(stdout, exit->out);
    zerb::WriteText(stderr, zerb::WithoutPasswords(exit->err));
    return exit->code;
  }
  const auto& options = std::get<zerb::CliOptions>(parsed);
  // The XML time of day follows the user's time format, as in the window.
  std::setlocale(LC_TIME, "");
  zerb::EndOnSignals();
  return zerb::RunBatch(options);
}
