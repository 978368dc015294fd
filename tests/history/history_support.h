#pragma once
// Logs of one site cut from one long series, for the history tests: a site
// file in versions (the second renames a channel and the site; the third
// also rescales the ASM, a change of its meaning), and a series of four to
// five channels, the third added partway.

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/Site.h"
#include "tools/LogWriter.h"

namespace zerb::historytest {

inline constexpr uint16_t AsmKey = 2 | (1 << 5) | (3 << 9);
inline constexpr uint16_t Interval = 300;
inline constexpr uint32_t FirstTime = 1796000000;  // row 0 of the long series

template <class Device>
void AddDevice(TDevList& list, const char* name, uint16_t key, uint8_t type, int8_t exp) {
  auto device = std::make_unique<Device>();
  device->SetName(name);
  device->Key = key;
  device->TypeCode = type;
  device->ExpByte = exp;
  list.Append(std::move(device));
}

// Version 1, 2, 3 or 4 of site 42's file (3: the ASM's exponent and the
// output's type, ON/OFF instead of VARIABLE, changed; 4: also Count's, a
// temperature in °F).
inline void WriteSiteFile(const std::string& path, int version) {
  TSite site;
  site.SetName(version == 1 ? "Riverside" : "Riverside Offices");
  AddDevice<TSensor>(site.Sensors, version == 1 ? "Temp" : "Temp room", 1, 2, 0);
  AddDevice<TSensor>(site.Sensors, "Count", 2, version == 4 ? 3 : 0, 0);
  AddDevice<TSensor>(site.Sensors, "Added", 3, 2, 0);
  AddDevice<TOutput>(site.Outputs, "Valve", 8, version >= 3 ? 0 : 1, -1);
  AddDevice<TAsm>(site.Asms, "Set pt", AsmKey, 0, static_cast<int8_t>(version >= 3 ? -2 : -1));
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || site.Save(f) != 1) throw std::runtime_error("cannot write " + path);
  std::fclose(f);
}

// The long series: rows of (Temp, Count, Added, Valve, Set pt), with now and
// then a value the device gives no value for.
inline std::vector<std::vector<int16_t>> LongSeries(std::size_t rows, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::vector<int16_t>> series;
  std::vector<int> value = {500, 7, 300, 55, 210};
  for (std::size_t r = 0; r < rows; ++r) {
    for (int& v : value) v = std::clamp(v + static_cast<int>(random() % 21) - 10, 0, 1000);
    std::vector<int16_t> row(value.begin(), value.end());
    if (random() % 17 == 0) row[3] = -1;     // an output below zero: no value
    if (random() % 19 == 0) row[4] = 32767;  // an ASM's empty reading
    series.push_back(row);
  }
  return series;
}

// A log of rows [first, last] of the series, channel 3 left out unless
// `withAdded`; its newest row at FirstTime + last * Interval on the PC
// clock, the LAN clock `lanBehind` seconds behind.
inline std::vector<uint8_t> CutLog(const std::vector<std::vector<int16_t>>& series, std::size_t first,
                                   std::size_t last, bool withAdded, uint32_t lanBehind = 100) {
  LogSource s;
  s.description = "History test";
  s.interval = Interval;
  s.pcTime = FirstTime + static_cast<uint32_t>(last) * Interval;
  s.lanTime = s.pcTime - lanBehind;
  s.localLanTime = s.lanTime;
  s.sensorSlotsA = withAdded ? std::vector<uint8_t>{1, 2, 3} : std::vector<uint8_t>{1, 2};
  s.outputSlotsA = {8};
  s.asmSlots = {AsmKey};
  for (std::size_t r = first; r <= last; ++r) {
    std::vector<int16_t> row = series[r];
    if (!withAdded) row.erase(row.begin() + 2);
    s.rows.push_back(row);
  }
  return MakeLogImage(s);
}

// A log of `rows` rows of the series' first channels (Temp, Count, Valve,
// Set pt) whose newest row is at `pcTime` (a small one puts rows before
// 1970), `interval` seconds apart.
inline std::vector<uint8_t> ClockLog(const std::vector<std::vector<int16_t>>& series, uint32_t pcTime,
                                     uint16_t interval, std::size_t rows) {
  LogSource s;
  s.description = "History test";
  s.interval = interval;
  s.pcTime = s.lanTime = s.localLanTime = pcTime;
  s.sensorSlotsA = {1, 2};
  s.outputSlotsA = {8};
  s.asmSlots = {AsmKey};
  for (std::size_t r = 0; r < rows; ++r) {
    std::vector<int16_t> row = series[r];
    row.erase(row.begin() + 2);
    s.rows.push_back(row);
  }
  return MakeLogImage(s);
}

}  // namespace zerb::historytest
