#pragma once
// The commands zerb32-cli runs besides conversion: one table that the
// dispatch, the --help list and `help COMMAND` read, so a new command is
// one entry there.

#include <span>
#include <string>
#include <string_view>

namespace zerb {

struct Subcommand {
  const char* name;
  const char* summary;  // one line of the --help list
  // Runs the command; argv[1] is its name.
  int (*run)(int argc, char** argv);
  // Whether the command has an option of this name ("-v", "--db"): the
  // options given before the command's name are taken only then.
  bool (*takes)(std::string_view verb, std::string_view option);
};

std::span<const Subcommand> Subcommands();

const Subcommand* FindSubcommand(std::string_view name);

// The list that ends the converter's --help: "Subcommands:" then one line
// a command.
std::string SubcommandHelp();

}  // namespace zerb
