// zerb32-mkbatch SITE FOLDER COUNT: writes COUNT logs 1.log .. COUNT.log into
// FOLDER, each with a copy of the site file SITE as its own N.STE, for
// timing batches from outside. The logs take turns at 577, 2,016 and 2,700
// rows of the sample site's eight channels (2, 7 and 9.4 days every 5
// minutes). It also writes 0long.log, with 0.STE beside it: 65,536 rows of
// three channels, the longest a log can hold.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/BatchShapes.h"
#include "tools/LogWriter.h"

namespace {

bool Write(const std::string& path, const zerb::LogSource& source) {
  if (zerb::WriteLogFile(path, zerb::MakeLogImage(source))) return true;
  std::fprintf(stderr, "zerb32-mkbatch: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: zerb32-mkbatch SITE FOLDER COUNT\n");
    return 2;
  }
  const std::string site = argv[1], folder = argv[2];
  const int count = std::stoi(argv[3]);
  const std::size_t sizes[] = {577, 2016, 2700};
  std::vector<std::vector<uint8_t>> images;
  for (unsigned i = 0; i < 3; ++i) images.push_back(zerb::MakeLogImage(zerb::SampleShapedLog(zerb::WanderingRows(8, sizes[i], 3, 11 + i))));
  std::error_code ec;
  for (int n = 1; n <= count; ++n) {
    const std::string stem = folder + "/" + std::to_string(n);
    std::filesystem::copy_file(site, stem + ".STE", std::filesystem::copy_options::overwrite_existing, ec);
    if (ec || !zerb::WriteLogFile(stem + ".log", images[static_cast<std::size_t>(n) % 3])) {
      std::fprintf(stderr, "zerb32-mkbatch: cannot write %s.log or .STE\n", stem.c_str());
      return 1;
    }
  }
  std::filesystem::copy_file(site, folder + "/0.STE", std::filesystem::copy_options::overwrite_existing, ec);
  return !ec && Write(folder + "/0long.log", zerb::LongestLog()) ? 0 : 1;
}
