// Faults on the input side of a conversion: the files vanishing or changing
// between the open and the run, a damaged data area, and value texts far
// longer than a reading usually gives.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>

#include "app/Conversion.h"
#include "app/Document.h"
#include "app/InputFile.h"
#include "classic/CsvWriter.h"
#include "classic/OutputSink.h"
#include "classic/XmlWriter.h"
#include "model/Log.h"
#include "model/Site.h"
#include "support/TempDir.h"
#include "tools/LogWriter.h"

namespace zerb {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}


fs::path SampleDir() {
  const char* root = std::getenv("ZERB32_SOURCE_DIR");
  return fs::path(root ? root : ".") / "samples";
}

class InputFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    std::setlocale(LC_TIME, "C");
    RestoreInputs();
  }

  // The sample site file and log, as they are in samples/.
  void RestoreInputs() const {
    for (const char* name : {"42.STE", "42.log"}) {
      fs::remove(dir / name);
      fs::copy_file(SampleDir() / name, dir / name);
    }
  }

  std::set<std::string> Names() const { return temp.Names(); }

  test::TempDir temp;
  fs::path dir{temp.Path()};
};

struct Model {
  TSite site;
  TLog log{site};
};

// Once opened, a conversion needs neither file: it runs from what was
// loaded, and writes the same bytes whatever became of the files.
TEST_F(InputFaults, FilesThatVanishOrChangeAfterTheOpen) {
  struct Row {
    const char* why;
    void (*change)(const fs::path& dir);
  };
  const Row rows[] = {
      {"log removed", [](const fs::path& d) { fs::remove(d / "42.log"); }},
      {"site file removed", [](const fs::path& d) { fs::remove(d / "42.STE"); }},
      {"both removed", [](const fs::path& d) { fs::remove(d / "42.log"), fs::remove(d / "42.STE"); }},
      {"log cut short", [](const fs::path& d) { fs::resize_file(d / "42.log", 10); }},
      {"log replaced by another log",
       [](const fs::path& d) {
         LogSource other;
         other.sensorSlotsA = {1};
         other.rows = {{1}, {2}};
         ASSERT_TRUE(WriteLogFile((d / "42.log").string(), MakeLogImage(other)));
       }},
  };
  for (bool xml : {false, true}) {
    ConvertOptions options;
    options.xml = xml;
    const std::string ext = xml ? "xml" : "CSV";
    const std::string logPath = (dir / "42.log").string();
    RestoreInputs();
    {
      auto reference = std::make_unique<Model>();
      ASSERT_TRUE(OpenLogFiles(logPath, reference->site, reference->log).logLoaded);
      ASSERT_EQ(ConvertToFile(reference->log, logPath, (dir / ("ref." + ext)).string(), options, nullptr).status,
                RunStatus::Done);
    }
    const std::string want = Read(dir / ("ref." + ext));
    ASSERT_GT(want.size(), 10000u);
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(row.why) + (xml ? ", XML" : ", CSV"));
      RestoreInputs();
      auto model = std::make_unique<Model>();
      const OpenedLog opened = OpenLogFiles(logPath, model->site, model->log);
      ASSERT_TRUE(opened.siteLoaded && opened.logLoaded);
      row.change(dir);
      const fs::path out = dir / ("42." + ext);
      const RunResult result = ConvertToFile(model->log, logPath, out.string(), options, nullptr);
      EXPECT_EQ(result.status, RunStatus::Done) << result.error;
      EXPECT_EQ(Read(out), want);
      fs::remove(out);
    }
  }
}

// A data area whose codes cannot be read (a code of five leading one-bits)
// loads, but the run stops in pass 1: reported, and no output is made.
TEST_F(InputFaults, DamagedDataAreaWritesNothing) {
  LogSource source;
  source.sensorSlotsA = {1, 2};
  source.rows = {{1, 2}, {3, 4}, {5, 6}};
  LogParts parts = EncodeLog(source);
  std::fill(parts.data.begin(), parts.data.end(), uint8_t{0xFF});
  const std::string logPath = (dir / "42.log").string();
  ASSERT_TRUE(WriteLogFile(logPath, SerializeLog(parts)));
  const std::set<std::string> before = Names();
  for (bool xml : {false, true}) {
    SCOPED_TRACE(xml ? "XML" : "CSV");
    auto model = std::make_unique<Model>();
    ASSERT_TRUE(OpenLogFiles(logPath, model->site, model->log).logLoaded);
    ConvertOptions options;
    options.xml = xml;
    const RunResult result = ConvertToFile(model->log, logPath, (dir / "42.out").string(), options, nullptr);
    EXPECT_EQ(result.status, RunStatus::Pass1Failed);
    EXPECT_NE(result.error.find("damaged"), std::string::npos) << result.error;
    EXPECT_EQ(Names(), before);
  }
}

// An exponent byte at its ends makes value texts of 128 and more characters;
// both writers put them out whole, the CSV line keeping its fields.
TEST(LongValueTexts, ReachTheOutputWhole) {
  auto model = std::make_unique<Model>();
  TDev* output = model->site.Outputs.FindOrCreate(9);
  output->TypeCode = 1;  // VARIABLE: the raw value with the device's exponent
  output->ExpByte = 127;
  TDev* asmDevice = model->site.Asms.FindOrCreate(0x21);
  asmDevice->ExpByte = -128;
  LogSource source;
  source.outputSlotsA = {9};
  source.asmSlots = {0x21};
  source.rows = {{5, -32767}, {6, 1}};
  auto stream = std::unique_ptr<std::FILE, int (*)(std::FILE*)>(std::tmpfile(), &std::fclose);
  const std::vector<uint8_t> image = MakeLogImage(source);
  ASSERT_TRUE(WriteLogImage(stream.get(), image));
  std::rewind(stream.get());
  ASSERT_EQ(model->log.Load(stream.get()), 1) << model->log.LoadError();
  ASSERT_EQ(model->log.ComputeOldestValues(nullptr), 1);

  const std::string big5 = "5" + std::string(127, '0');
  const std::string tinyNegative = "-0." + std::string(123, '0') + "32767";
  StringSink csv;
  ASSERT_EQ(WriteCsv(model->log, csv, -1, 0, 0, nullptr), 1);
  EXPECT_EQ(csv.text.substr(0, csv.text.find("\r\n") + 2), big5 + "," + tinyNegative + ",\r\n");
  StringSink xml;
  ASSERT_EQ(WriteXml(model->log, xml, -1, 0, 0, nullptr), 1);
  EXPECT_NE(xml.text.find(">" + big5 + "</"), std::string::npos);
  EXPECT_NE(xml.text.find(">" + tinyNegative + "</"), std::string::npos);
}

// Only a regular file is opened; anything else planted under the name is
// refused with what it is, without opening (and so waiting on) it.
TEST(OpenInput, OnlyRegularFilesAreRead) {
  test::TempDir temp;
  fs::copy_file(SampleDir() / "42.STE", temp.File("42.STE"));
  fs::create_directory(temp.File("folder"));
  ASSERT_EQ(mkfifo(temp.File("fifo").c_str(), 0600), 0);
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = temp.File("socket");
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  const struct {
    std::string path;
    std::string reason;  // "" when it is read
    bool missing;
    int errorNumber;
  } rows[] = {
      {temp.File("42.STE"), "", false, 0},
      {temp.File("none.STE"), std::strerror(ENOENT), true, ENOENT},
      {temp.File("folder"), "it is a folder", false, EISDIR},
      {temp.File("fifo"), "it is a pipe, not a regular file", false, 0},
      {socketPath, "it is a socket, not a regular file", false, 0},
      {"/dev/null", "it is a device, not a regular file", false, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.path);
    const OpenedInput opened = OpenInputFile(row.path);
    EXPECT_EQ(opened.stream != nullptr, row.reason.empty());
    EXPECT_EQ(opened.reason, row.reason);
    EXPECT_EQ(opened.missing, row.missing);
    EXPECT_EQ(opened.errorNumber, row.errorNumber);
  }
  close(listener);
}

}  // namespace
}  // namespace zerb
