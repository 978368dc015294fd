// What a workbook says of its rows: the Channels sheet's sentence on how
// times are shown and a summary's request, the data sheet's offset column
// where the clock has one; and a process that may open no more files.

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "series/Series.h"
#include "styles/Styles.h"
#include "styles/Workbook.h"
#include "support/Child.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

using namespace writertest;

// Each sheet's texts, a line per sheet, the cells' texts separated by "|".
std::string SheetTexts(const std::string& book) {
  test::TempDir dir;
  const std::string path = dir.File("book.xlsx");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(book.data(), 1, book.size(), file);
  std::fclose(file);
  const auto run = test::RunProcess(
      "/usr/bin/python3",
      {"-c",
       "import re, sys, zipfile\n"
       "book = zipfile.ZipFile(sys.argv[1])\n"
       "for n in sorted(n for n in book.namelist() if n.startswith('xl/worksheets/sheet')):\n"
       "    print('|'.join(re.findall(r'<t[^>]*>([^<]*)</t>', book.read(n).decode())))",
       path});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return run.out;
}

TimeZoneSetting Named(const char* name, bool utc = false) { return {ZoneKind::Named, 0, name, utc}; }
TimeZoneSetting Fixed(int minutes, bool utc = false) { return {ZoneKind::FixedOffset, minutes, "", utc}; }

TEST(WorkbookNotes, TimesAndRequestAreSaidAsShown) {
  const struct {
    TimeZoneSetting zone;
    const char* times;    // the Channels sheet's sentence
    const char* offset;   // the data sheet's first offset, "" for no column
    bool summary;
    SummaryRequest asked;
    const char* figures;  // the summary's Figures and Statistics lines
  } rows[] = {
      {{}, "Times|the logger's civil time|", "", false, {}, ""},
      {Fixed(330), "the logger's clock, kept at UTC+05:30 all year|", "+05:30", false, {}, ""},
      {Fixed(-180, true), "UTC (the logger's clock kept at UTC-03:00)|", "+00:00", false, {}, ""},
      {Named("Europe/Berlin"), "Europe/Berlin, with each time's offset from UTC beside it|", "+01:00", false, {}, ""},
      {Named("Europe/Berlin", true), "UTC (the logger's clock in Europe/Berlin)|", "+00:00", false, {}, ""},
      {{}, "the logger's civil time|", "", true, {Period::Day, {}, 0, {}},
       "Statistics|each channel's defaults|Figures|from any valid reading|"},
      {Fixed(60), "UTC+01:00 all year|", "+01:00", true, {Period::Hour, {Stat::Max, Stat::Count}, 0.5, {}},
       "Statistics|max,count|Figures|at least 0.5 of each period's readings valid|"},
  };
  auto loaded = Load(FixtureSource());
  for (const auto& row : rows) {
    SCOPED_TRACE(row.times);
    TableSettings settings = StyleSettings("xlsx").value();
    settings.zone = row.zone;
    LogSeries series(*loaded->log, false, -1, 0);
    StringSink sink;
    const TableResult result = row.summary ? WriteSummaryWorkbook(series, settings, row.asked, {}, sink)
                                       : WriteWorkbook(series, settings, {}, sink);
    ASSERT_EQ(result.status, 1) << result.error;
    const std::string texts = SheetTexts(sink.text);
    const std::string data = texts.substr(0, texts.find('\n'));
    const std::string notes = texts.substr(texts.find('\n') + 1);
    EXPECT_NE(notes.find(row.times), std::string::npos) << notes;
    EXPECT_NE(notes.find(row.figures), std::string::npos) << notes;
    EXPECT_EQ(data.rfind(*row.offset ? "Time|UTC offset|" : "Time|Temp [°C]", 0), 0u) << data;
    if (*row.offset) {
      EXPECT_NE(data.find(std::string("|") + row.offset), std::string::npos) << data;
    }
  }
}

// With no file left to open, for the book's own file, a sheet's or the
// finished workbook, the workbook fails with the reason and writes nothing.
TEST(WorkbookNotes, NoFileLeftToOpenFailsTheWorkbook) {
  auto loaded = Load(FixtureSource());
  const auto write = [&](StringSink& sink, bool summary) {
    LogSeries series(*loaded->log, false, -1, 0);
    const TableSettings settings = StyleSettings("xlsx").value();
    return summary ? WriteSummaryWorkbook(series, settings, {}, {}, sink) : WriteWorkbook(series, settings, {}, sink);
  };
  StringSink first;
  ASSERT_EQ(write(first, false).status, 1);  // the library loaded
  // The files run out at the book's own file, the data sheet, the
  // Channels sheet, the finished workbook.
  const struct {
    int files;  // the files it may still open
    const char* error;
  } rows[] = {
      {0, "cannot make a temporary file: Too many open files"},
      {1, "the workbook's cells could not be written"},
      {2, "the workbook's cells could not be written"},
      {3, "the workbook could not be written: a sheet could not be made"},
      {4, "the workbook could not be written: "},
  };
  for (const bool summary : {false, true})
    for (const auto& row : rows) {
      const std::string said = test::InChild([&] {
        const int lowest = open("/dev/null", O_RDONLY);
        close(lowest);
        rlimit previous{};
        getrlimit(RLIMIT_NOFILE, &previous);
        rlimit few = previous;
        few.rlim_cur = rlim_t(lowest + row.files);
        if (setrlimit(RLIMIT_NOFILE, &few) != 0) return std::string("no limit");
        StringSink sink;
        const TableResult result = write(sink, summary);
        setrlimit(RLIMIT_NOFILE, &previous);  // for the counts a coverage build writes at exit
        return std::to_string(result.status) + " " + std::to_string(sink.text.size()) + " " + result.error;
      });
      EXPECT_EQ(said.rfind(std::string("-1 0 ") + row.error, 0), 0u) << row.files << summary << ": " << said;
    }
}

}  // namespace
}  // namespace zerb
