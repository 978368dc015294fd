#include "tools/BatchShapes.h"

#include <random>

namespace zerb {

LogRows WanderingRows(std::size_t channels, std::size_t count, unsigned stillOneIn, unsigned seed) {
  std::mt19937 random(seed);
  LogRows rows(1, std::vector<int16_t>(channels, 500));
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

LogSource SampleShapedLog(LogRows rows, uint32_t pcTime) {
  LogSource log;
  log.description = "Batch log";
  log.interval = 300;
  log.pcTime = pcTime;
  log.lanTime = log.pcTime - 42;
  log.localLanTime = log.lanTime;
  log.sensorSlotsA = {1 * 8 + 0, 1 * 8 + 3, 0xFF, 2 * 8 + 1};
  log.sensorSlotsB = {2 * 8 + 2, 3 * 8 + 2};
  log.outputSlotsA = {1 * 8 + 0, 1 * 8 + 1};
  log.asmSlots = {2 | (1 << 5) | (3 << 9), 0};
  log.rows = std::move(rows);
  return log;
}

LogSource LongestLog() {
  LogSource log;
  log.description = "Longest log";
  log.interval = 60;
  log.pcTime = 1796040000;
  log.sensorSlotsA = {1 * 8 + 0, 1 * 8 + 3};
  log.outputSlotsA = {1 * 8 + 0};
  log.rows = WanderingRows(3, 65536, 24, 7);
  return log;
}

}  // namespace zerb
