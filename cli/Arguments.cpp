#include "cli/Arguments.h"

#include <string_view>

#include "history/postgres/PgAddress.h"

namespace zerb {

namespace {

// The addresses among the arguments: written once by TakeArguments, before
// any thread that reads them starts.
std::vector<std::string>& NotedAddresses() {
  static std::vector<std::string> addresses;
  return addresses;
}

}  // namespace

std::vector<std::string> TakeArguments(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  HidePasswordsInArguments(argc, argv);
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (arg.starts_with("--db=")) arg.remove_prefix(5);
    if (IsPostgresAddress(arg) && !PasswordsIn(arg).empty()) NotedAddresses().emplace_back(arg);
  }
  return args;
}

std::string WithoutPasswords(std::string text) {
  for (const std::string& address : NotedAddresses()) text = ScrubbedMessage(std::move(text), address);
  return text;
}

}  // namespace zerb
