// The sample log converted in each option set must match, byte for byte,
// the files in tests/golden, whose lines were checked by hand once (see
// tests/golden/README.md).

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "app/Conversion.h"
#include "app/Document.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

using namespace writertest;

// The line where two texts first differ, in both versions.
std::string FirstDifference(const std::string& want, const std::string& got) {
  std::size_t i = 0;
  while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
  const std::size_t start = i == 0 ? 0 : want.rfind('\n', i - 1) + 1;  // npos + 1 is 0
  auto lineAt = [start](const std::string& text) { return text.substr(start, text.find('\n', start) - start); };
  return "first difference at byte " + std::to_string(i) + "\nwant: " + lineAt(want) + "\n got: " + lineAt(got);
}

TEST(Golden, SampleLogInEachOptionSet) {
  const char* source = std::getenv("ZERB32_SOURCE_DIR");
  if (!source) GTEST_SKIP() << "ZERB32_SOURCE_DIR is not set (CTest sets it)";
  const std::string root = source;
  std::setlocale(LC_TIME, "C");

  struct Row {
    const char* golden;
    uint16_t flags;
    int overlap;
    uint16_t skip;
    bool xml;
  };
  const Row rows[] = {
      {"42-default.CSV", DefaultFlags, -1, 0, false},
      {"42-serial-tab.CSV", FlagDateTime | FlagSerial | FlagTab, -1, 0, false},
      {"42-lan-nodate.CSV", FlagHeaders | FlagLanTime, -1, 0, false},
      {"42-new3-skip2.CSV", DefaultFlags, 3, 2, false},
      {"42-default.xml", DefaultFlags, -1, 0, true},
      {"42-lan-nodate.xml", FlagHeaders | FlagLanTime, -1, 0, true},
  };
  const std::string logPath = root + "/samples/42.log";
  TSite site;
  auto log = std::make_unique<TLog>(site);
  const OpenedLog opened = OpenLogFiles(logPath, site, *log);
  ASSERT_TRUE(opened.siteLoaded);
  ASSERT_TRUE(opened.logLoaded) << opened.error;
  TempDir dir;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.golden);
    const std::string want = ReadFile(root + "/tests/golden/" + row.golden);
    ASSERT_FALSE(want.empty());
    const ConvertOptions options{row.flags, row.overlap, row.skip, row.xml};
    const std::string out = dir.File(row.golden);
    const RunResult result = ConvertToFile(*log, logPath, out, options, nullptr);
    ASSERT_EQ(result.status, RunStatus::Done) << result.error;
    const std::string got = ReadFile(out);
    EXPECT_TRUE(got == want) << FirstDifference(want, got);
  }
}

}  // namespace
}  // namespace zerb
