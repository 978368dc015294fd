// The table writer walks one log's rows on a path of its own, remaking a
// field only when its reading changes; any other series goes through the
// Series interface. Both must give the same bytes in every style.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "classic/ConvertFlags.h"
#include "classic/CsvWriter.h"
#include "series/Series.h"
#include "styles/Styles.h"
#include "styles/TableWriter.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

using namespace writertest;

// A log's series seen only through the Series interface.
class Forwarded final : public Series {
 public:
  explicit Forwarded(Series& inner) : inner_(inner) {}
  std::span<const SeriesChannel> Channels() const override { return inner_.Channels(); }
  int ForEachRow(const RowFn& row) override { return inner_.ForEachRow(row); }
  const std::string& Error() const override { return inner_.Error(); }
  std::optional<uint32_t> NewestTime() const override { return inner_.NewestTime(); }

 private:
  Series& inner_;
};

std::string Written(Series& series, const TableSettings& settings) {
  StringSink sink;
  const TableResult result = WriteTable(series, settings, sink);
  EXPECT_EQ(result.status, 1) << result.error;
  return sink.text + "\n" + std::to_string(result.rows) + " rows, last " + std::to_string(result.last.value_or(0));
}

TEST(LogSeriesPath, SameBytesAsTheInterfaceInEveryStyle) {
  std::mt19937 rng(5);
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    LogSource s = FixtureSource(static_cast<uint16_t>(rng() % 8));
    // Counts that mostly repeat or step by one, with invalid ones among them.
    std::vector<int16_t> row(4, 300);
    for (std::size_t r = 0; r < 50 + rng() % 50; ++r) {
      for (auto& v : row) v = static_cast<int16_t>(rng() % 9 == 0 ? rng() : v + int(rng() % 3) - 1);
      s.rows.push_back(row);
    }
    auto loaded = Load(s);
    ASSERT_NE(loaded, nullptr);
    for (std::string_view style : StyleNames()) {
      SCOPED_TRACE(style);
      for (int skip : {0, 3}) {
        TableSettings settings = StyleSettings(style).value();
        if (round % 2) settings.zone = {ZoneKind::Named, 0, "Europe/Berlin", round == 3};
        LogSeries direct(*loaded->log, false, round == 2 ? 5 : -1, static_cast<uint16_t>(skip));
        LogSeries inner(*loaded->log, false, round == 2 ? 5 : -1, static_cast<uint16_t>(skip));
        Forwarded forwarded(inner);
        EXPECT_EQ(Written(direct, settings), Written(forwarded, settings));
      }
    }
  }
}

// 500 sensors and 250 ASMs with 101-digit texts, over rows that change
// and turn invalid: a line needs more room than the 64 KiB the writer
// formats into at once. Both paths give the same bytes, the classic style
// the classic writer's.
TEST(LogSeriesPath, LinesWiderThanTheBuffer) {
  LoadedLog loaded;
  AddDevice<TAsm>(loaded.site.Asms, "Big", AsmKey, 0, 100);
  LogSource source;
  for (int k = 1; k <= 250; ++k) {
    source.sensorSlotsA.push_back(static_cast<uint8_t>(k));
    source.sensorSlotsB.push_back(static_cast<uint8_t>(k));
    source.asmSlots.push_back(AsmKey);
  }
  for (int base : {512, 960, 512, -1}) source.rows.emplace_back(750, static_cast<int16_t>(base));
  for (std::size_t i = 0; i < 750; i += 7) source.rows[1][i] = 5;
  std::vector<uint8_t> image = MakeLogImage(source);
  std::FILE* f = fmemopen(image.data(), image.size(), "rb");
  ASSERT_EQ(loaded.log->Load(f), 1) << loaded.log->LoadError();
  std::fclose(f);
  ASSERT_EQ(loaded.log->ComputeOldestValues(nullptr), 3);
  StringSink csv;
  ASSERT_EQ(WriteCsv(*loaded.log, csv, -1, 0, FlagHeaders | FlagDateTime, nullptr), 1);
  for (std::string_view style : StyleNames()) {
    SCOPED_TRACE(style);
    LogSeries direct(*loaded.log, false, -1, 0);
    LogSeries inner(*loaded.log, false, -1, 0);
    Forwarded forwarded(inner);
    const std::string text = Written(direct, StyleSettings(style).value());
    EXPECT_EQ(text, Written(forwarded, StyleSettings(style).value()));
    if (style == "classic") {
      EXPECT_EQ(text.substr(0, csv.text.size() + 1), csv.text + "\n");
    }
  }
}

}  // namespace
}  // namespace zerb
