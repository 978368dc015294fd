// Texts of any length reach the table writer from a store (channel names,
// type names): each is written whole in every style, however it compares
// with the writer's 64 KiB buffer.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "series/Series.h"
#include "styles/Styles.h"
#include "styles/TableWriter.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

// Two channels over three rows; the second has no reading in the middle row.
class TextSeries final : public Series {
 public:
  TextSeries(std::string name, std::string typeName) {
    channels_.push_back({ChannelKind::Sensor, 1, std::move(name), std::move(typeName), 'C', -1, false});
    channels_.push_back({ChannelKind::Output, 2, "Valve", "VARIABLE", '%', 0, false});
  }
  std::span<const SeriesChannel> Channels() const override { return channels_; }
  int ForEachRow(const RowFn& row) override {
    for (uint32_t r = 0; r < 3; ++r) {
      const Reading readings[2] = {{500, 205, -1, true, true}, {7, 7, 0, true, r != 1}};
      if (!row(1700000000 + 60 * r, readings)) return 0;
    }
    return 1;
  }
  const std::string& Error() const override { return error_; }

 private:
  std::vector<SeriesChannel> channels_;
  std::string error_;
};

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

TEST(LongTexts, NamesAndTypesAreWrittenWholeInEveryStyle) {
  constexpr std::size_t Buffer = 64 * 1024;
  for (std::size_t length : {std::size_t{0}, std::size_t{17}, Buffer - 90, Buffer, Buffer + 1, 3 * Buffer + 5}) {
    SCOPED_TRACE(length);
    // Marked ends, so that a cut or a doubled piece shows.
    const std::string name = "<" + std::string(length, 'n') + ">";
    const std::string type = "[" + std::string(length, 't') + "]";
    for (std::string_view style : StyleNames()) {
      SCOPED_TRACE(style);
      const TableSettings settings = StyleSettings(style).value();
      TextSeries series(name, type);
      StringSink sink;
      const TableResult result = WriteTable(series, settings, sink);
      ASSERT_EQ(result.status, 1) << result.error;
      EXPECT_EQ(result.rows, 3u);
      const bool longLayout = style == "long";
      // Long: the name and the type on each of the first channel's lines;
      // wide: the name in the header.
      EXPECT_EQ(Count(sink.text, name), longLayout ? 3u : 1u);
      EXPECT_EQ(Count(sink.text, type), longLayout ? 3u : 0u);
      const std::size_t headers = settings.header ? (settings.units == UnitsMode::Row ? 2u : 1u) : 0u;
      EXPECT_EQ(Count(sink.text, "\r\n"), headers + (longLayout ? 5u : 3u));
    }
  }
}

}  // namespace
}  // namespace zerb
