#pragma once
// Helpers of the writer tests: a small site with one device of each kind, a
// three-row log over it, sinks that fail, callbacks that stop a pass, and a
// private temporary folder.

#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "classic/OutputSink.h"
#include "model/Log.h"
#include "model/Site.h"
#include "tools/LogWriter.h"

namespace zerb::writertest {

template <class Device>
Device& AddDevice(TDevList& list, std::string_view name, uint16_t key, uint8_t type, int8_t exp = 0) {
  auto device = std::make_unique<Device>();
  device->SetName(name);
  device->Key = key;
  device->TypeCode = type;
  device->ExpByte = exp;
  return static_cast<Device&>(*list.Append(std::move(device)));
}

// ASM key: unit 2, airspace 1, message 3.
inline constexpr uint16_t AsmKey = 2 | (1 << 5) | (3 << 9);

// Temp (sensor key 1, TS4-C), Raw (sensor key 2, NONE), Valve/A (output
// key 8, VARIABLE, exponent -1), Set pt (ASM, type 0, exponent -1).
inline void AddFixtureDevices(TSite& site) {
  AddDevice<TSensor>(site.Sensors, "Temp", 1, 2);
  AddDevice<TSensor>(site.Sensors, "Raw", 2, 0);
  AddDevice<TOutput>(site.Outputs, "Valve/A", 8, 1, -1);
  AddDevice<TAsm>(site.Asms, "Set pt", AsmKey, 0, -1);
}

// Newest row at PC 07/03/2014 12:34:56, LAN 100 s behind (12:33:16), local
// LAN 07/03/2014 00:00:30; three rows a minute apart. Per channel
// (Temp, Raw, Valve/A, Set pt), raw counts and their texts:
//   row 0:  512 "20.2"     7 "7"        55 "5.5"      210 "21.0"
//   row 1:  960 "-31.5"   -1 invalid     0 "0.0"       -5 "-0.5"
//   row 2:   51 "101.5" 32767 "32767" 1000 "100.0"  32767 empty (ASM)
inline constexpr uint32_t PcTime = 1394195696;
inline constexpr uint32_t LanTime = PcTime - 100;
inline constexpr uint32_t LocalLanTime = 1394150430;

inline LogSource FixtureSource(uint16_t newEntryCount = 0) {
  LogSource s;
  s.description = "Writer test";
  s.newEntryCount = newEntryCount;
  s.interval = 60;
  s.pcTime = PcTime;
  s.lanTime = LanTime;
  s.localLanTime = LocalLanTime;
  s.sensorSlotsA = {1, 0xFF};
  s.sensorSlotsB = {2};
  s.outputSlotsA = {8};
  s.asmSlots = {0, AsmKey};
  s.rows = {{512, 7, 55, 210}, {960, -1, 0, -5}, {51, 32767, 1000, 32767}};
  return s;
}

// A site and a log loaded from a source, pass 1 done.
struct LoadedLog {
  TSite site;
  std::unique_ptr<TLog> log = std::make_unique<TLog>(site);
};

inline std::unique_ptr<LoadedLog> Load(const LogSource& source, bool fixtureDevices = true, bool pass1 = true) {
  auto loaded = std::make_unique<LoadedLog>();
  if (fixtureDevices) AddFixtureDevices(loaded->site);
  std::vector<uint8_t> image = MakeLogImage(source);
  std::FILE* f = fmemopen(image.data(), image.size(), "rb");
  EXPECT_NE(f, nullptr);
  if (!f) return nullptr;
  const int ok = loaded->log->Load(f);
  std::fclose(f);
  EXPECT_EQ(ok, 1) << loaded->log->LoadError();
  if (pass1) {
    EXPECT_EQ(loaded->log->ComputeOldestValues(nullptr), static_cast<int>(source.rows.size()) - 1);
  }
  return loaded;
}

// Accepts `limit` bytes in all: a write that would pass it takes the part
// that fits and fails. Counts the writes asked of it after that failure.
class FailingSink final : public OutputSink {
 public:
  explicit FailingSink(std::size_t limit) : limit_(limit) {}
  bool Write(std::string_view bytes) override {
    if (failed) {
      ++writesAfterFailure;
      return false;
    }
    const std::size_t room = limit_ - text.size();
    text.append(bytes.substr(0, room));
    if (bytes.size() > room) failed = true;
    return !failed;
  }
  std::string text;
  bool failed = false;
  int writesAfterFailure = 0;

 private:
  std::size_t limit_;
};

// Runs write(sink) with a sink that takes only `limit` bytes, for each
// limit: the result is 1 only when the whole of `full` fit, else -1; the sink
// holds the bytes that fit, and nothing is asked of it after the failure.
template <class Write>
void ExpectWriteFailureAt(const std::string& full, std::initializer_list<std::size_t> limits, Write&& write) {
  for (std::size_t limit : limits) {
    SCOPED_TRACE(limit);
    FailingSink sink(limit);
    EXPECT_EQ(write(sink), limit >= full.size() ? 1 : -1);
    EXPECT_EQ(sink.text, full.substr(0, limit));
    EXPECT_EQ(sink.writesAfterFailure, 0);
  }
}
template <class Write>
void ExpectWriteFailureAtEveryByte(const std::string& full, Write&& write) {
  for (std::size_t limit = 0; limit <= full.size(); ++limit) ExpectWriteFailureAt(full, {limit}, write);
}

// Callbacks: the process-wide row at which StopAtRow stops; every call is
// counted, so a test can stop at the n-th call of a whole run (pass 1 and
// pass 2 together) with StopAtCall.
inline long StopRow = -1;
inline long StopCall = -1;
inline long Calls = 0;
inline int StopAtRow(uint16_t index) { return index == StopRow ? 1 : 0; }
inline int StopAtCall(uint16_t) { return Calls++ == StopCall ? 1 : 0; }

using test::TempDir;

using test::ReadFile;

}  // namespace zerb::writertest
