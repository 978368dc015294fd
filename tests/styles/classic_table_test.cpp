// The table writer with the classic settings must give the classic CSV
// writer's bytes for every option set: on the sample log and on random logs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "app/Document.h"
#include "classic/ConvertFlags.h"
#include "classic/CsvWriter.h"
#include "series/Series.h"
#include "styles/Styles.h"
#include "styles/TableWriter.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

using namespace writertest;

std::string Classic(const TLog& log, uint16_t flags, int overlap, uint16_t skip) {
  StringSink sink;
  EXPECT_EQ(WriteCsv(log, sink, overlap, skip, flags, nullptr), 1);
  return sink.text;
}

std::string Table(const TLog& log, uint16_t flags, int overlap, uint16_t skip) {
  LogSeries series(log, (flags & FlagLanTime) != 0, overlap, skip);
  StringSink sink;
  const TableResult result = WriteTable(series, ClassicTable(flags), sink);
  EXPECT_EQ(result.status, 1) << result.error;
  return sink.text;
}

// Every combination of the five flags, with and without a selection.
void ExpectClassicBytes(const TLog& log) {
  const std::pair<int, uint16_t> selections[] = {{-1, 0}, {3, 2}, {0, 0}, {-1, 5}};
  for (uint16_t flags = 0; flags < 32; ++flags) {
    for (auto [overlap, skip] : selections) {
      SCOPED_TRACE("flags " + std::to_string(flags) + " overlap " + std::to_string(overlap) + " skip " +
                   std::to_string(skip));
      const std::string want = Classic(log, flags, overlap, skip);
      ASSERT_EQ(Table(log, flags, overlap, skip), want);
    }
  }
}

TEST(ClassicTable, SampleLogInEveryOptionSet) {
  const char* source = std::getenv("ZERB32_SOURCE_DIR");
  if (!source) GTEST_SKIP() << "ZERB32_SOURCE_DIR is not set (CTest sets it)";
  TSite site;
  TLog log(site);
  ASSERT_TRUE(OpenLogFiles(std::string(source) + "/samples/42.log", site, log).logLoaded);
  ASSERT_GE(log.ComputeOldestValues(nullptr), 0);
  ExpectClassicBytes(log);
}

// Random logs over the fixture's devices (a sensor of every type in turn,
// outputs, ASMs with exponents) with names that need quoting.
TEST(ClassicTable, RandomLogsInEveryOptionSet) {
  std::mt19937 rng(12);
  for (int round = 0; round < 6; ++round) {
    SCOPED_TRACE(round);
    LogSource s = FixtureSource(static_cast<uint16_t>(rng() % 8));
    s.rows.assign(1 + rng() % 40, std::vector<int16_t>(4));
    for (auto& row : s.rows)
      for (auto& v : row) v = static_cast<int16_t>(rng() % 3 == 0 ? rng() : rng() % 1100);
    s.pcTime = static_cast<uint32_t>(rng());
    s.lanTime = static_cast<uint32_t>(rng());
    auto loaded = Load(s);
    ASSERT_NE(loaded, nullptr);
    for (TDev* device : loaded->log->Channels()) {
      const bool output = device->Kind() == ChannelKind::Output;
      device->TypeCode = static_cast<uint8_t>(rng() % (output ? 2 : 26));
      device->ExpByte = static_cast<int8_t>(rng() % 7 - 3);
      device->SetName(round % 2 ? "a \"q\", b" : "T\xB0");
    }
    ExpectClassicBytes(*loaded->log);
  }
}

}  // namespace
}  // namespace zerb
