#include "cli/Subcommands.h"

#include <cstdio>
#include <cstring>
#include <variant>

#include "cli/CliOptions.h"
#include "cli/HistoryCommands.h"
#include "cli/WatchCommand.h"

namespace zerb {

namespace {

int RunHelp(int argc, char** argv);

bool TakesNothing(std::string_view, std::string_view) { return false; }

constexpr Subcommand Table[] = {
    {"merge", "merge logs of one site into one series", RunHistoryCommand, HistoryCommandTakes},
    {"import", "add logs to a history store (made if missing)", RunHistoryCommand, HistoryCommandTakes},
    {"export", "write a site's stored series", RunHistoryCommand, HistoryCommandTakes},
    {"history", "describe the sites of a history store", RunHistoryCommand, HistoryCommandTakes},
    {"watch", "import the logs of folders into a store as they arrive", RunWatchCommand, WatchCommandTakes},
    {"help", "this help; help COMMAND or COMMAND --help: its options", RunHelp, TakesNothing},
};

std::string CommandNames() {
  std::string names;
  for (const Subcommand& command : Table) names += (names.empty() ? "" : ", ") + std::string(command.name);
  return names;
}

// `help`: the converter's help; `help COMMAND`: that command's.
int RunHelp(int argc, char** argv) {
  const bool helpAsked = argc == 3 && (std::strcmp(argv[2], "-h") == 0 || std::strcmp(argv[2], "--help") == 0);
  const Subcommand* command = argc == 3 ? FindSubcommand(argv[2]) : nullptr;
  if (argc > 3 || (argc == 3 && !command && !helpAsked)) {
    std::fprintf(stderr, "zerb32-cli: help: no command '%s'; the commands are %s\n", argv[argc - 1],
                 CommandNames().c_str());
    return 2;
  }
  std::string help = "--help";
  if (command) {
    char* asked[] = {argv[0], argv[2], help.data(), nullptr};
    return command->run(3, asked);
  }
  const char* asked[] = {argv[0], help.c_str(), nullptr};
  const auto parsed = ParseCommandLine(2, asked);
  std::fputs(std::get<CliExit>(parsed).out.c_str(), stdout);
  return 0;
}

}  // namespace

std::span<const Subcommand> Subcommands() { return Table; }

const Subcommand* FindSubcommand(std::string_view name) {
  for (const Subcommand& command : Table)
    if (name == command.name) return &command;
  return nullptr;
}

std::string SubcommandHelp() {
  std::string help = "Subcommands:\n";
  for (const Subcommand& command : Table) {
    std::string name = command.name;
    help += "  " + name + std::string(name.size() < 24 ? 24 - name.size() : 1, ' ') + command.summary + "\n";
  }
  return help;
}

}  // namespace zerb
