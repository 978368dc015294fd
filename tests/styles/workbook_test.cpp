// The xlsx workbook's own rules, on series made here: rows past a sheet's
// last row go on to the next sheet, a walk or sink that fails is reported,
// a stopped walk still gives a whole workbook, for rows and for summaries.
// (Its cells are read back by LibreOffice and openpyxl in
// tests/cli/read_xlsx.py, a summary's in tests/summary/summary_xlsx.py.)

#include <gtest/gtest.h>

#include "classic/writer_support.h"
#include "styles/Styles.h"
#include "styles/Workbook.h"
#include "support/Child.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb {
namespace {

// `rows` rows of one channel, a minute apart; the walk fails at row
// `failAt`, or is stopped there when `stop`.
class CountingSeries final : public Series {
 public:
  CountingSeries(uint64_t rows, uint64_t failAt = UINT64_MAX, bool stop = false)
      : rows_(rows), failAt_(failAt), stop_(stop) {
    SeriesChannel c;
    c.name = "Temp";
    c.typeName = "TS4-C";
    c.unitsLetter = 'C';
    c.exponent = -1;
    channels_.push_back(c);
  }
  std::span<const SeriesChannel> Channels() const override { return channels_; }
  int ForEachRow(const RowFn& row) override {
    for (uint64_t i = 0; i < rows_; ++i) {
      if (i == failAt_) {
        if (stop_) return 0;
        error_ = "the rows broke off";
        return -1;
      }
      const Reading r{static_cast<int16_t>(i), static_cast<int32_t>(i % 1000), -1, i % 7 != 0, true};
      if (!row(1'700'000'000u + static_cast<uint32_t>(i) * 60, std::span(&r, 1))) return 0;
    }
    return 1;
  }
  const std::string& Error() const override { return error_; }

 private:
  std::vector<SeriesChannel> channels_;
  uint64_t rows_, failAt_;
  bool stop_;
  std::string error_;
};

TableSettings Xlsx() { return StyleSettings("xlsx").value(); }

SummaryRequest QuarterHours() {
  SummaryRequest asked;
  asked.every = Period::Minutes15;
  return asked;
}

// The count of rows of each sheet, read from the workbook's XML.
std::string SheetRowCounts(const std::string& path) {
  const auto run = test::RunProcess(
      "/usr/bin/python3",
      {"-c",
       "import sys, zipfile\n"
       "book = zipfile.ZipFile(sys.argv[1])\n"
       "names = sorted(n for n in book.namelist() if n.startswith('xl/worksheets/sheet'))\n"
       "print(' '.join(str(book.read(n).count(b'<row ')) for n in names))",
       path});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return run.out;
}

TEST(Workbook, RowsPastTheLastOfASheetGoOnTheNext) {
  test::TempDir dir;
  const std::string path = dir.File("long.xlsx");
  CountingSeries series(SheetRows + 4);  // a header row, SheetRows - 1 rows, and 5 more
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  FileSink sink(file);
  const TableResult result = WriteWorkbook(series, Xlsx(), {}, sink);
  std::fclose(file);
  ASSERT_EQ(result.status, 1) << result.error;
  EXPECT_EQ(result.rows, SheetRows + 4);
  // Data, Data 2 (its header and the 5 rows), Channels.
  const std::string counts = SheetRowCounts(path);
  EXPECT_EQ(counts.substr(0, counts.rfind(' ')), std::to_string(SheetRows) + " 6") << counts;
}

TEST(Workbook, FailuresAreReportedAndAStoppedWalkStillGivesAWorkbook) {
  const struct {
    const char* name;
    uint64_t failAt;
    bool stop;
    std::size_t sinkLimit;
    int status;
    const char* error;
  } cases[] = {
      {"whole", UINT64_MAX, false, SIZE_MAX, 1, ""},
      {"the walk fails", 50, false, SIZE_MAX, -1, "the rows broke off"},
      {"the walk is stopped", 50, true, SIZE_MAX, 0, ""},
      {"the sink fails", UINT64_MAX, false, 1000, -1, ""},
  };
  // The rows, and a summary of them per quarter hour.
  for (const bool summary : {false, true})
    for (const auto& c : cases) {
      CountingSeries series(100, c.failAt, c.stop);
      writertest::FailingSink sink(c.sinkLimit);
      const TableResult result = summary ? WriteSummaryWorkbook(series, Xlsx(), QuarterHours(), {}, sink)
                                         : WriteWorkbook(series, Xlsx(), {}, sink);
      EXPECT_EQ(result.status, c.status) << c.name << summary;
      EXPECT_EQ(result.error, c.error) << c.name << summary;
      // A workbook starts as a zip file does; a failed walk writes nothing.
      if (c.status == -1 && !sink.failed) {
        EXPECT_EQ(sink.text, "") << c.name << summary;
      } else {
        EXPECT_EQ(sink.text.substr(0, 2), "PK") << c.name << summary;
      }
      EXPECT_EQ(sink.writesAfterFailure, 0) << c.name << summary;
    }
}

// A workbook that can't be finished (a full disk) fails with the reason
// and hands the sink nothing; a series without rows gives a whole workbook.
TEST(Workbook, NoRowsGiveAWorkbookAndAFullDiskFailsIt) {
  for (const bool summary : {false, true}) {
    const auto write = [summary](OutputSink& sink, uint64_t rows) {
      CountingSeries series(rows);
      return summary ? WriteSummaryWorkbook(series, Xlsx(), QuarterHours(), {}, sink)
                     : WriteWorkbook(series, Xlsx(), {}, sink);
    };
    StringSink empty;
    const TableResult none = write(empty, 0);
    EXPECT_EQ(none.status, 1) << none.error;
    EXPECT_EQ(none.rows, 0u);
    EXPECT_EQ(empty.text.substr(0, 2), "PK");
    // Each file the library writes may hold 4 KiB: too little for the workbook.
    const std::string said = test::WithFileSizeLimit(4096, [&] {
      StringSink sink;
      const TableResult result = write(sink, 5000);
      return std::to_string(result.status) + " " + std::to_string(sink.text.size()) + " " + result.error;
    });
    EXPECT_EQ(said.rfind("-1 0 the workbook could not be written: ", 0), 0u) << summary << ": " << said;
  }
}

}  // namespace
}  // namespace zerb
