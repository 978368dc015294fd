// zerb32-mkbatch SITE FOLDER COUNT: writes COUNT logs 1.log .. COUNT.log into
// FOLDER, each with a copy of the site file SITE as its own N.STE, for
// timing batches from outside. The logs take turns at 577, 2,016 and 2,700
// rows of the sample site's eight channels (2, 7 and 9.4 days every 5
// minutes). It also writes 0long.log, with 0.STE beside it: 65,536 rows of
// three channels, the longest a log can hold.

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "tools/LogWriter.h"

namespace {

using Rows = std::vector<std::vector<int16_t>>;

// Raw counts that wander slowly, as logged readings do: most rows repeat
// the row before, so the ring holds mostly one-bit codes.
Rows WanderingRows(std::size_t channels, std::size_t count, unsigned stillOneIn, unsigned seed) {
  std::mt19937 random(seed);
  Rows rows(1, std::vector<int16_t>(channels, 500));
  while (rows.size() < count) {
    std::vector<int16_t> next = rows.back();
    for (auto& value : next) {
      if (random() % stillOneIn != 0) continue;
      const int step = static_cast<int>(random() % 5) - 2;
      value = static_cast<int16_t>(value + step < 100 || value + step > 900 ? value - step : value + step);
    }
    rows.push_back(std::move(next));
  }
  return rows;
}

// The sample site's slots: five sensors, two outputs, one ASM.
zerb::LogSource SampleShapedLog(std::size_t rowCount, unsigned seed) {
  zerb::LogSource log;
  log.description = "Batch log";
  log.interval = 300;
  log.pcTime = 1796040000;
  log.lanTime = log.pcTime - 42;
  log.localLanTime = log.lanTime;
  log.sensorSlotsA = {1 * 8 + 0, 1 * 8 + 3, 0xFF, 2 * 8 + 1};
  log.sensorSlotsB = {2 * 8 + 2, 3 * 8 + 2};
  log.outputSlotsA = {1 * 8 + 0, 1 * 8 + 1};
  log.asmSlots = {2 | (1 << 5) | (3 << 9), 0};
  log.rows = WanderingRows(8, rowCount, 3, seed);
  return log;
}

zerb::LogSource LongestLog() {
  zerb::LogSource log;
  log.description = "Longest log";
  log.interval = 60;
  log.pcTime = 1796040000;
  log.sensorSlotsA = {1 * 8 + 0, 1 * 8 + 3};
  log.outputSlotsA = {1 * 8 + 0};
  log.rows = WanderingRows(3, 65536, 24, 7);
  return log;
}

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
  for (unsigned i = 0; i < 3; ++i) images.push_back(zerb::MakeLogImage(SampleShapedLog(sizes[i], 11 + i)));
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
  return !ec && Write(folder + "/0long.log", LongestLog()) ? 0 : 1;
}
