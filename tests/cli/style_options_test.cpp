// The analysis options on the command line: what each one resolves to over
// the chosen style, and every usage error (exit 2, the problem named).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "styles/Styles.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "tools/LogWriter.h"

namespace zerb {
namespace {

std::variant<CliOptions, CliExit> Parse(std::vector<std::string> args) {
  args.insert(args.begin(), "zerb32-cli");
  args.push_back("42.log");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(StyleOptions, UsageErrors) {
  struct Row {
    std::vector<std::string> args;
    const char* message;
  };
  const Row rows[] = {
      {{"--style", "fancy"}, "fancy"},
      {{"-x", "--style", "excel"}, "--style excel writes CSV"},
      {{"-x", "--bom"}, "--bom is for CSV output"},
      {{"--decimal-comma"}, "--decimal-comma needs a separator other than the comma"},
      {{"--style", "excel-eu", "--sep", "comma"}, "--decimal-comma needs"},
      {{"-t", "--sep", "semicolon"}, "-t and --sep semicolon disagree"},
      {{"--style", "pandas", "--tz", "Europe/Atlantis"}, "unknown time zone Europe/Atlantis"},
      {{"--tz", "Europe/Berlin"}, "--tz needs an ISO or excel time"},
      {{"--style", "pandas", "-d", "text", "--utc-offset", "+01:00"}, "--utc-offset needs an ISO or excel time"},
      {{"--style", "pandas", "--utc"}, "--utc needs --tz or --utc-offset"},
      {{"--style", "pandas", "--tz", "UTC", "--utc-offset", "+01:00"}, "cannot be used together"},
      {{"--style", "pandas", "--utc-offset", "0100"}, "--utc-offset wants +HH:MM"},
      {{"--meta", "-o", "-"}, "--meta needs an output file"},
      {{"--style", "excel", "--every", "2d"}, "--every takes 15min, 30min, 1h, 1d, 1w, 1mo; not '2d'"},
      {{"--every", "1d"}, "--style classic is not summarised"},
      {{"--every", "1d", "-x"}, "cannot be used with -x"},
      {{"--style", "excel", "--every", "1d", "--stats", "mean,median"}, "--stats takes a list of mean, min"},
      {{"--style", "excel", "--every", "1d", "--stats", "mean,mean"}, "each once; not 'mean'"},
      {{"--style", "excel", "--every", "1d", "--min-coverage", "1.01"}, "--min-coverage takes a share from 0 to 1"},
      {{"--style", "excel", "--every", "1d", "--min-coverage", "nan"}, "--min-coverage takes a share from 0 to 1"},
      {{"--style", "excel", "--stats", "mean"}, "--stats goes with --every"},
      {{"--style", "excel", "--every", "1h", "--degree-days", "Outside"}, "degree-days are made per day"},
      {{"--style", "excel", "--every", "1d", "--degree-days", "Outside:warm"}, "CHANNEL[:BASE] with BASE"},
      {{"--style", "excel", "--every", "1d", "--cooling-degree-days", ":20"}, "needs a channel"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args[0] + " " + row.message);
    const auto parsed = Parse(row.args);
    const auto* exit = std::get_if<CliExit>(&parsed);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->code, 2);
    EXPECT_NE(exit->err.find(row.message), std::string::npos) << exit->err;
  }
}

// Options given win over the style; the classic output without analysis
// options keeps the classic writer (no table).
TEST(StyleOptions, OptionsOverStyle) {
  auto settings = [](std::vector<std::string> args) {
    const auto parsed = Parse(std::move(args));
    EXPECT_TRUE(std::holds_alternative<CliOptions>(parsed));
    return std::get<CliOptions>(parsed).convert.table;
  };
  EXPECT_FALSE(settings({}).has_value());
  EXPECT_FALSE(settings({"-t", "-d", "serial", "--no-headers"}).has_value());
  EXPECT_FALSE(settings({"--style", "classic", "--sep", "tab"}).has_value());

  TableSettings want = StyleSettings("excel-eu").value();
  want.separator = '\t';
  want.units = UnitsMode::Row;
  want.header = false;
  EXPECT_EQ(settings({"--style", "excel-eu", "-t", "--units", "row", "--no-headers"}), want);

  want = ClassicTable(DefaultFlags);
  want.time = TimeForm::Iso;
  want.zone = {ZoneKind::FixedOffset, -210, "", true};
  want.bom = true;
  want.encoding = TextEncoding::Utf8FromWindows1252;
  EXPECT_EQ(settings({"-d", "iso", "--utc-offset", "-03:30", "--utc", "--bom"}), want);
}

// -v tells how a newest time in an hour the zone repeats was read.
TEST(StyleOptions, VerboseNotesTheAnchor) {
  test::TempDir dir;
  LogSource source;
  source.pcTime = 1792895400;  // 2026-10-25T02:30:00, repeated in Berlin
  source.sensorSlotsA = {0};
  source.rows = {{512}, {512}};
  ASSERT_TRUE(WriteLogFile(dir.File("7.log"), MakeLogImage(source)));
  const std::string cli = test::BuildPath("cli/zerb32-cli");
  const std::vector<std::string> args = {"--style", "pandas", "--tz", "Europe/Berlin", dir.File("7.log")};
  // Without -v the only line is the warning of the missing site file.
  EXPECT_EQ(test::RunProcess(cli, args).err.find("note:"), std::string::npos);
  std::vector<std::string> verbose = args;
  verbose.insert(verbose.begin(), "-v");
  const auto run = test::RunProcess(cli, verbose);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.err.find("7.log: note: the newest time 2026-10-25T02:30:00 is in an hour Europe/Berlin repeats"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace zerb
