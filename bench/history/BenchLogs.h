#pragma once
// The history benchmarks' batch: 1,000 logs of 577 rows x 10 channels of one
// site, no two overlapping, and the same readings as one CSV of the store's
// readings table (site, kind, key, time, raw, value, exponent, import) for
// the engines' own bulk loaders.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "history/HistoryLog.h"
#include "model/Site.h"
#include "tools/LogWriter.h"

namespace zerb::bench {

constexpr int Logs = 1000;
constexpr int Rows = 577;
constexpr int Channels = 10;
constexpr uint16_t Interval = 300;
constexpr uint32_t FirstTime = 1700000000;

inline void WriteSite(const std::string& path) {
  TSite site;
  site.SetName("Benchmark site");
  for (uint16_t key = 1; key <= 6; ++key) {
    auto s = std::make_unique<TSensor>();
    s->Key = key;
    s->TypeCode = 2;
    s->SetDefaultName();
    site.Sensors.Append(std::move(s));
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || site.Save(f) != 1) std::exit(1);
  std::fclose(f);
}

// Log k holds rows 577k .. 577k + 576 of one series: no two logs overlap.
inline std::vector<std::string> WriteLogs(const std::string& folder) {
  std::mt19937 random(1);
  std::vector<int> value(Channels, 500);
  std::vector<std::string> paths;
  for (int k = 0; k < Logs; ++k) {
    LogSource s;
    s.interval = Interval;
    s.pcTime = FirstTime + static_cast<uint32_t>((k + 1) * Rows - 1) * Interval;
    s.lanTime = s.pcTime;
    s.sensorSlotsA = {1, 2, 3, 4, 5, 6};
    s.outputSlotsA = {8, 9};
    s.asmSlots = {0x0622, 0x0623};
    for (int r = 0; r < Rows; ++r) {
      for (int& v : value) v = std::clamp(v + static_cast<int>(random() % 9) - 4, 0, 1000);
      s.rows.emplace_back(value.begin(), value.end());
    }
    paths.push_back(folder + "/42_" + std::to_string(k) + ".log");
    if (!WriteLogFile(paths.back(), MakeLogImage(s))) std::exit(1);
  }
  return paths;
}

// The same readings as CSV rows of the store's readings table.
inline void WriteFloorCsv(const std::vector<std::string>& paths, const std::string& csv) {
  std::ofstream out(csv, std::ios::binary);
  HistoryLog log;
  int64_t import = 0;
  for (const std::string& path : paths) {
    if (!log.Open(path, {})) std::exit(1);
    ++import;
    const auto channels = log.Channels();
    log.Rows().ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
      for (std::size_t i = 0; i < readings.size(); ++i) {
        out << 42 << ',' << static_cast<int>(channels[i].kind) << ',' << channels[i].key << ',' << time << ','
            << readings[i].raw << ',';
        if (readings[i].valid) out << readings[i].value;
        out << ',' << int{readings[i].exponent} << ',' << import << '\n';
      }
      return true;
    });
  }
}

}  // namespace zerb::bench
