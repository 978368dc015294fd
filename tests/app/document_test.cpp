// Documents are independent: two logs of different sites open side by side
// (or on two threads) convert exactly as each alone, and reopening, resetting
// or destroying one in any order leaves nothing dangling (the sanitizers and
// ThreadSanitizer, `make tsan`, watch these runs).

#include "app/Document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "classic/ConvertFlags.h"
#include "classic/CsvWriter.h"
#include "classic/OutputSink.h"
#include "classic/XmlWriter.h"
#include "support/Process.h"
#include "tests/ui/ui_files.h"

namespace zerb {
namespace {

using testfiles::TempDir;

// Pass 1 and both writers into memory.
std::string Convert(Document& document) {
  TLog& log = document.Log();
  if (!document.Opened().logLoaded || log.ComputeOldestValues(nullptr) < 0) return "not converted";
  StringSink csv, xml;
  if (WriteCsv(log, csv, -1, 0, DefaultFlags, nullptr) != 1) return "csv failed";
  if (WriteXml(log, xml, -1, 0, DefaultFlags | FlagLanTime, nullptr) != 1) return "xml failed";
  return csv.text + xml.text;
}

// The sample (site 42, named devices of several types) and a log of site 7
// with default devices.
class Documents : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    for (const char* name : {"42.log", "42.STE"}) fs::copy_file(test::SourcePath("samples/") + name, dir.File(name));
    testfiles::WriteLog(dir.File("7.log"), 300, "Plant room");
    testfiles::WriteSite(dir.File("7.STE"), "South wing");
    for (std::size_t i = 0; i < logs.size(); ++i) {
      Document alone;
      alone.Open(logs[i]);
      expected[i] = Convert(alone);
    }
    ASSERT_NE(expected[0], expected[1]);
  }

  TempDir dir;
  std::array<std::string, 2> logs{dir.File("42.log"), dir.File("7.log")};
  std::array<std::string, 2> expected;
};

TEST_F(Documents, LogLooksUpDevicesInItsOwnSite) {
  Document document;
  EXPECT_EQ(&document.Log().GetSite(), &document.Site());
  document.Open(logs[0]);
  EXPECT_EQ(document.Site().SiteNumber, 42);
  EXPECT_GT(document.Site().Sensors.Count(), 0);
}

TEST_F(Documents, NamedSiteFileIsReadInsteadOfTheLogsOwn) {
  Document document;
  const OpenedLog& opened = document.Open(logs[1], SiteFileAt(dir.File("42.STE"), logs[1]));
  EXPECT_TRUE(opened.siteLoaded);
  EXPECT_EQ(document.Site().SiteNumber, 42);
  EXPECT_EQ(document.Site().NameText(), "Riverside Offices");
  EXPECT_EQ(document.Open(logs[1], SiteFileAt(dir.File("9.STE"), logs[1])).siteErrno, ENOENT);
}

TEST_F(Documents, FolderGivenAsTheLogIsRefusedWithItsErrno) {
  std::filesystem::create_directory(dir.File("5.log"));
  Document document;
  const OpenedLog& opened = document.Open(dir.File("5.log"));
  EXPECT_FALSE(opened.logOpened);
  EXPECT_EQ(opened.logErrno, EISDIR);
  EXPECT_EQ(document.Open(dir.File("6.log")).logErrno, ENOENT);
}

TEST_F(Documents, TwoSitesSideBySideConvertAsEachAlone) {
  Document a, b;
  a.Open(logs[0]);
  b.Open(logs[1]);
  EXPECT_EQ(a.Site().SiteNumber, 42);
  EXPECT_EQ(b.Site().SiteNumber, 7);
  EXPECT_EQ(Convert(a), expected[0]);
  EXPECT_EQ(Convert(b), expected[1]);
  EXPECT_EQ(Convert(a), expected[0]);
}

TEST_F(Documents, TwoThreadsConvertTwoSitesAtOnce) {
  std::array<int, 2> mismatches{};
  auto work = [&](std::size_t which) {
    Document document;
    for (int round = 0; round < 4; ++round) {
      document.Open(logs[(which + static_cast<std::size_t>(round)) % 2]);
      if (Convert(document) != expected[(which + static_cast<std::size_t>(round)) % 2]) ++mismatches[which];
    }
  };
  std::thread first(work, 0), second(work, 1);
  first.join();
  second.join();
  EXPECT_EQ(mismatches, (std::array<int, 2>{0, 0}));
}

// Every order of these steps on two documents: after each step, every open
// document still converts its own log exactly.
TEST_F(Documents, ReopenResetAndDestroyInEveryOrder) {
  enum Step { OpenAFirst, OpenASecond, OpenBFirst, ResetA, DestroyB };
  std::array<Step, 5> steps{OpenAFirst, OpenASecond, OpenBFirst, ResetA, DestroyB};
  int orders = 0;
  do {
    auto a = std::make_unique<Document>();
    auto b = std::make_unique<Document>();
    std::array<int, 2> openLog{-1, -1};  // which log each document holds
    for (Step step : steps) {
      switch (step) {
        case OpenAFirst: a->Open(logs[0]), openLog[0] = 0; break;
        case OpenASecond: a->Open(logs[1]), openLog[0] = 1; break;
        case OpenBFirst: b->Open(logs[0]), openLog[1] = 0; break;
        case ResetA: a->Reset(), openLog[0] = -1; break;
        case DestroyB: b = std::make_unique<Document>(), openLog[1] = -1; break;
      }
      for (int d = 0; d < 2; ++d) {
        Document& document = d == 0 ? *a : *b;
        const std::string want = openLog[d] < 0 ? "not converted" : expected[openLog[d]];
        ASSERT_EQ(Convert(document), want) << "order " << orders << ", document " << d;
      }
    }
    ++orders;
  } while (std::next_permutation(steps.begin(), steps.end()));
  EXPECT_EQ(orders, 120);
}

}  // namespace
}  // namespace zerb
