// zerb32-mklog: writes a log file from a small text description.
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <iterator>
#include <fstream>
#include <string>

#include "tools/LogText.h"
#include "tools/LogWriter.h"

namespace {

const char* const Usage =
    "Usage: zerb32-mklog INPUT OUTPUT.log\n"
    "Writes the log file that INPUT describes ('-' reads standard input).\n\n";

bool ReadAll(const std::string& path, std::string& text) {
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), {});
    return !std::cin.bad();
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), {});
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << Usage << zerb::LogTextHelp;
    return 0;
  }
  if (argc != 3) {
    std::cerr << Usage << "Try --help for the input format.\n";
    return 2;
  }
  std::string text;
  if (!ReadAll(argv[1], text)) {
    std::cerr << "zerb32-mklog: cannot read " << argv[1] << "\n";
    return 1;
  }
  try {
    const auto image = zerb::SerializeLog(zerb::ParseLogText(text));
    if (!zerb::WriteLogFile(argv[2], image)) {
      std::cerr << "zerb32-mklog: cannot write " << argv[2] << "\n";
      return 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "zerb32-mklog: " << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
