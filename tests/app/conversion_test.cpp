// A whole run on files: site and log found from the log's path, the output
// written through a temporary file that replaces it only at the end, and an
// existing output left as it was on every failure.

#include "app/Conversion.h"
#include "app/Document.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

namespace fs = std::filesystem;
using namespace writertest;

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The fixture's site (named devices) saved to `path`.
void WriteSite(const std::string& path) {
  TSite site;
  site.SetName("Test site");
  AddFixtureDevices(site);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(site.Save(f), 1);
  ASSERT_EQ(std::fclose(f), 0);
}

void WriteLog(const std::string& path, const LogSource& source) { ASSERT_TRUE(WriteLogFile(path, MakeLogImage(source))); }

// The fixture's CSV with default options (hand-written in the writer test).
const std::string FixtureCsv =
    "\"DATE\",\"TIME\",\"Temp\",\"Raw\",\"Valve/A\",\"Set pt\",\r\n"
    "\"07/03/2014\",\"12:32:56\",20.2,7,5.5,21.0,\r\n"
    "\"07/03/2014\",\"12:33:56\",-31.5,\"\",0.0,-0.5,\r\n"
    "\"07/03/2014\",\"12:34:56\",101.5,32767,100.0,\"\",\r\n";

struct Opened {
  TSite site;
  std::unique_ptr<TLog> log = std::make_unique<TLog>(site);
  OpenedLog opened;
};

std::unique_ptr<Opened> Open(const std::string& logPath) {
  auto o = std::make_unique<Opened>();
  o->opened = OpenLogFiles(logPath, o->site, *o->log);
  return o;
}

class Conversion : public ::testing::Test {
 protected:
  void SetUp() override {
    std::setlocale(LC_TIME, "C");
    WriteSite(dir.File("42.STE"));
    WriteLog(dir.File("42.log"), FixtureSource());
    Calls = 0;
    StopCall = -1;
  }
  TempDir dir;
};

TEST_F(Conversion, WritesBesideTheLogAndLeavesNoTemporaryFile) {
  auto o = Open(dir.File("42.log"));
  ASSERT_TRUE(o->opened.siteLoaded);
  ASSERT_TRUE(o->opened.logLoaded);
  const std::string out = OutputPathFor(dir.File("42.log"), "CSV");
  const RunResult result = ConvertToFile(*o->log, dir.File("42.log"), out, ConvertOptions{}, nullptr);
  EXPECT_EQ(result.status, RunStatus::Done) << result.error;
  EXPECT_EQ(ReadFile(dir.File("42.CSV")), FixtureCsv);
  EXPECT_EQ(dir.Names(), (std::set<std::string>{"42.CSV", "42.STE", "42.log"}));

  // A second run replaces the output whole.
  WriteText(out, std::string(100000, 'x'));
  EXPECT_EQ(ConvertToFile(*o->log, dir.File("42.log"), out, ConvertOptions{}, nullptr).status, RunStatus::Done);
  EXPECT_EQ(ReadFile(out), FixtureCsv);
}

// The site file comes from the number that starts the log's file name; a
// name without one (or with one past 32 bits) opens none and the site
// number stays 0. Seen through the XML Location and the channel names.
TEST_F(Conversion, SiteFileAndNumberFromTheLogName) {
  struct Row {
    const char* logName;
    const char* siteName;  // site file written for it, or null
    bool siteLoaded;
    const char* location;
    const char* firstChannel;
  };
  const Row rows[] = {
      {"0042.log", "42.STE", true, "42", "Temp"},
      {"70000.log", "70000.STE", true, "4464", "Temp"},  // low 16 bits
      {" 5x.log", "5.STE", true, "5", "Temp"},
      {"7.log", nullptr, false, "0", "SENSOR0-2"},       // site file missing
      {"abc.log", nullptr, false, "0", "SENSOR0-2"},     // no number: no site file
      {"99999999999.log", nullptr, false, "0", "SENSOR0-2"},
  };
  WriteSite(dir.File("0.STE"));  // must not be taken for a name without a number
  for (const Row& row : rows) {
    SCOPED_TRACE(row.logName);
    WriteLog(dir.File(row.logName), FixtureSource());
    if (row.siteName) WriteSite(dir.File(row.siteName));
    auto o = Open(dir.File(row.logName));
    EXPECT_EQ(o->opened.siteLoaded, row.siteLoaded);
    ASSERT_TRUE(o->opened.logLoaded);
    ConvertOptions options;
    options.xml = true;
    options.flags = 0;
    const std::string out = dir.File("out.xml");
    ASSERT_EQ(ConvertToFile(*o->log, dir.File(row.logName), out, options, nullptr).status, RunStatus::Done);
    const std::string text = ReadFile(out);
    EXPECT_NE(text.find("\t\t<Location Name=\"" + std::string(row.location) + "\">\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t\t<" + std::string(row.firstChannel) + " SensorType=\"TS4-C\">20.2</"),
              std::string::npos);
  }
}

TEST_F(Conversion, OutputNameCutAtFirstDotOfFileName) {
  fs::create_directory(dir.File("data.old"));
  WriteSite(dir.File("data.old/5.STE"));
  WriteLog(dir.File("data.old/5.old.log"), FixtureSource());
  auto o = Open(dir.File("data.old/5.old.log"));
  const std::string out = OutputPathFor(dir.File("data.old/5.old.log"), "CSV");
  EXPECT_EQ(out, dir.File("data.old/5.CSV"));
  EXPECT_EQ(ConvertToFile(*o->log, dir.File("data.old/5.old.log"), out, ConvertOptions{}, nullptr).status,
            RunStatus::Done);
  EXPECT_EQ(ReadFile(out), FixtureCsv);
}

// Sets a file-size limit for one scope: writes past it fail (EFBIG) instead
// of raising SIGXFSZ, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int);
};

// Records at every callback whether the output still holds its old bytes.
std::string WatchedPath;
bool OutputChangedDuringRun = false;
int WatchOutput(uint16_t index) {
  if (ReadFile(WatchedPath) != "OLD") OutputChangedDuringRun = true;
  return StopAtCall(index);
}

// Every way a run can fail leaves an existing output as it was, the inputs
// untouched and no temporary file in the folder; the failure is reported.
TEST_F(Conversion, FailuresLeaveTheOutputAsItWas) {
  struct Row {
    const char* why;
    std::string output;
    RunStatus status;
    long stopCall = -1;           // callback call that stops the run (pass 1 has 2, pass 2 has 3)
    bool corruptLog = false;      // the log's load fails
    rlim_t fileSizeLimit = 0;     // 0: none
    int rows = 3;                 // rows of the log (4000: more than one 64 KiB block)
    const char* errorText = "";   // part of the reported error
    bool xmlFrom = false;         // XML output asked for from a time on
  };
  const std::string out = dir.File("42.CSV");
  const Row rows[] = {
      {"output is the log", dir.File("42.log"), RunStatus::OutputIsInput},
      {"output is the log, spelt otherwise", dir.File("./sub/../42.log"), RunStatus::OutputIsInput},
      {"output is the site file", dir.File("42.STE"), RunStatus::OutputIsInput},
      {"log not loaded", out, RunStatus::Pass1Failed, -1, true},
      {"stopped in pass 1", out, RunStatus::Pass1Failed, 1},
      {"write fails at the flush (small output)", out, RunStatus::WriteFailed, -1, false, 100, 3,
       "File too large"},
      {"write fails in a 64 KiB block", out, RunStatus::WriteFailed, -1, false, 100, 4000, "File too large"},
      {"write fails at the last byte", out, RunStatus::WriteFailed, -1, false, FixtureCsv.size() - 1, 3,
       "File too large"},
      {"output folder missing", dir.File("nowhere/42.CSV"), RunStatus::WriteFailed, -1, false, 0, 3,
       "No such file or directory"},
      {"output is a folder", dir.File("sub"), RunStatus::WriteFailed},
      {"XML output of part of the log", out, RunStatus::WriteFailed, -1, false, 0, 3, "holds whole logs", true},
  };
  fs::create_directory(dir.File("sub"));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    LogSource source = FixtureSource();
    for (int r = 3; r < row.rows; ++r) source.rows.push_back({512, static_cast<int16_t>(r), 55, 210});
    WriteLog(dir.File("42.log"), source);
    if (row.corruptLog) WriteText(dir.File("bad.log"), "not a log");
    const std::string logPath = dir.File(row.corruptLog ? "bad.log" : "42.log");
    auto o = Open(logPath);
    ASSERT_EQ(o->opened.logLoaded, !row.corruptLog);
    WriteText(out, "OLD");
    const std::string logBytes = ReadFile(dir.File("42.log"));
    const std::string siteBytes = ReadFile(dir.File("42.STE"));
    const auto before = dir.Names();

    Calls = 0;
    StopCall = row.stopCall;
    WatchedPath = out;
    OutputChangedDuringRun = false;
    RunResult result;
    {
      std::optional<FileSizeLimit> limit;
      if (row.fileSizeLimit) limit.emplace(row.fileSizeLimit);
      ConvertOptions options;
      options.xml = row.xmlFrom;
      if (row.xmlFrom) options.selection.from = 0;
      result = ConvertToFile(*o->log, logPath, row.output, options, WatchOutput);
    }
    EXPECT_EQ(result.status, row.status);
    EXPECT_NE(result.error, "");
    EXPECT_NE(result.error.find(row.errorText), std::string::npos) << result.error;
    EXPECT_EQ(ReadFile(out), "OLD");
    EXPECT_FALSE(OutputChangedDuringRun);
    EXPECT_EQ(ReadFile(dir.File("42.log")), logBytes);
    EXPECT_EQ(ReadFile(dir.File("42.STE")), siteBytes);
    EXPECT_EQ(dir.Names(), before);
    fs::remove(dir.File("bad.log"));
  }
}

// A stop in pass 2 puts what was written in place: complete lines, and the
// old output stays until then.
TEST_F(Conversion, StopInPass2ReplacesTheOutputWithTheRowsWritten) {
  struct Row {
    long stopCall;
    RunStatus status;
    std::string want;
  };
  const std::string header = "\"DATE\",\"TIME\",\"Temp\",\"Raw\",\"Valve/A\",\"Set pt\",\r\n";
  const std::string row0 = "\"07/03/2014\",\"12:32:56\",20.2,7,5.5,21.0,\r\n";
  const std::string row1 = "\"07/03/2014\",\"12:33:56\",-31.5,\"\",0.0,-0.5,\r\n";
  const Row rows[] = {
      {2, RunStatus::Aborted, header},  // calls 0 and 1 are pass 1's
      {4, RunStatus::Aborted, header + row0 + row1},
      {-1, RunStatus::Done, FixtureCsv},
  };
  const std::string out = dir.File("42.CSV");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.stopCall);
    auto o = Open(dir.File("42.log"));
    WriteText(out, "OLD");
    Calls = 0;
    StopCall = row.stopCall;
    WatchedPath = out;
    OutputChangedDuringRun = false;
    const RunResult result = ConvertToFile(*o->log, dir.File("42.log"), out, ConvertOptions{}, WatchOutput);
    EXPECT_EQ(result.status, row.status);
    EXPECT_FALSE(OutputChangedDuringRun);
    EXPECT_EQ(ReadFile(out), row.want);
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"42.CSV", "42.STE", "42.log"}));
  }
}

// /dev/full takes the bytes into the stream's buffer and fails at the
// flush (small output) or at the first block (large output): reported as a
// write failure, and the device stays a device.
TEST_F(Conversion, DevFullIsAWriteFailure) {
  if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full";
  for (int rowCount : {3, 4000}) {
    SCOPED_TRACE(rowCount);
    LogSource source = FixtureSource();
    for (int r = 3; r < rowCount; ++r) source.rows.push_back({512, static_cast<int16_t>(r), 55, 210});
    WriteLog(dir.File("42.log"), source);
    auto o = Open(dir.File("42.log"));
    for (bool xml : {false, true}) {
      ConvertOptions options;
      options.xml = xml;
      const RunResult result = ConvertToFile(*o->log, dir.File("42.log"), "/dev/full", options, nullptr);
      EXPECT_EQ(result.status, RunStatus::WriteFailed);
      EXPECT_NE(result.error.find(std::strerror(ENOSPC)), std::string::npos) << result.error;
      EXPECT_TRUE(fs::is_character_file("/dev/full"));
    }
  }
}

}  // namespace
}  // namespace zerb
