#pragma once
// Log and site files in a private temporary folder, for the controller's
// and the window's tests.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "model/Site.h"
#include "support/Files.h"
#include "support/TempDir.h"
#include "tools/LogWriter.h"

namespace zerb::testfiles {

using test::TempDir;

// A log of `rows` rows (entry count rows - 1) with two sensors and one
// output whose values climb and fall within what their default devices
// convert, so every row differs and no value text is empty.
inline std::string WriteLog(const std::string& path, int rows, const std::string& description = "Boiler house") {
  LogSource source;
  source.description = description;
  source.interval = 60;
  source.pcTime = 1700000000;
  source.lanTime = 1700000030;
  source.localLanTime = 1700003600;
  source.newEntryCount = static_cast<uint16_t>(rows / 2);
  source.sensorSlotsA = {1, 2};
  source.outputSlotsA = {9};
  for (int r = 0; r < rows; ++r) {
    source.rows.push_back({static_cast<int16_t>(200 + r % 37), static_cast<int16_t>(210 + 3 * (r % 9)),
                           static_cast<int16_t>(r % 2)});
  }
  if (!WriteLogFile(path, MakeLogImage(source))) throw std::runtime_error("cannot write " + path);
  return path;
}

// A log of up to 65536 rows whose one sensor changes every 256 rows: the
// differences fit the data area even for the largest entry count.
inline std::string WriteQuietLog(const std::string& path, int rows) {
  LogSource source;
  source.description = "Quiet";
  source.sensorSlotsA = {1};
  for (int r = 0; r < rows; ++r) source.rows.push_back({static_cast<int16_t>(220 + (r / 256) % 3)});
  if (!WriteLogFile(path, MakeLogImage(source))) throw std::runtime_error("cannot write " + path);
  return path;
}

// A site file with only a name.
inline void WriteSite(const std::string& path, const std::string& name) {
  TSite site;
  site.SetName(name);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) throw std::runtime_error("cannot write " + path);
  const int saved = site.Save(file);
  std::fclose(file);
  if (!saved) throw std::runtime_error("cannot save " + path);
}

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

using test::ReadFile;

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

}  // namespace zerb::testfiles
