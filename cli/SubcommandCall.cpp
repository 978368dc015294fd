#include "cli/SubcommandCall.h"

#include <cstring>
#include <string_view>

#include "cli/CliOptions.h"

namespace zerb {

namespace {

bool IsOption(const char* word) { return word[0] == '-' && word[1] != '\0' && std::strcmp(word, "--") != 0; }

// "--tz=X" is named "--tz"; a value given so takes no word of its own.
std::string_view OptionName(std::string_view word) { return word.substr(0, word.find('=')); }

}  // namespace

SubcommandCall FindSubcommandCall(int argc, char** argv) {
  SubcommandCall call;
  std::vector<std::string_view> before;  // the options before the first other word
  int at = 1;
  while (at < argc && IsOption(argv[at])) {
    const std::string_view word = argv[at];
    before.push_back(OptionName(word));
    const bool joined = word.find('=') != std::string_view::npos;
    at += !joined && ConverterOptionTakesValue(word) ? 2 : 1;
  }
  if (at >= argc || !(call.command = FindSubcommand(argv[at]))) {
    call.command = nullptr;
    return call;
  }
  for (const std::string_view option : before) {
    if (call.command->takes(argv[at], option)) continue;
    const std::string verb = argv[at];
    call.problem = verb + " has no option " + std::string(option) + " (given before " + verb + "); see zerb32-cli " +
                   verb + " --help";
    return call;
  }
  call.argv.assign(argv, argv + argc + 1);  // with the closing null
  call.argv.erase(call.argv.begin() + at);
  call.argv.insert(call.argv.begin() + 1, argv[at]);
  return call;
}

}  // namespace zerb
