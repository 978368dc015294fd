#include "ui/Controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/Site.h"
#include "ui_files.h"

namespace zerb {
namespace {

using testfiles::Exists;
using testfiles::ReadFile;
using testfiles::TempDir;
using testfiles::WriteLog;
using testfiles::WriteSite;
using testfiles::WriteText;

// Records what the controller does to the window; "input" queued during a
// run is played by onInput from ProcessPendingInput.
class FakeWindow : public WindowOps {
 public:
  std::string windowCaption;
  std::map<Control, std::string> captions, texts;
  std::map<Control, bool> checked;
  std::map<Control, bool> enabled;
  std::map<Control, int> items;
  uint32_t progressMax = 0, progressPosition = 0;
  std::string status;
  // Status texts, boxes and errors in the order shown.
  std::vector<std::string> shown;
  std::optional<std::string> chosenFile;
  int dialogsRun = 0;
  int inputCalls = 0;
  std::function<void(int call)> onInput;
  bool closed = false;
  std::vector<std::string> reasons;  // the boxes' informative texts
  std::size_t previewRows = 0, previewChannels = 0;
  std::string previewError;
  int64_t previewFirstTime = 0;
  bool previewSameRows = false;
  std::optional<std::string> exportFile;
  std::string suggestedExport;
  std::string outcome, outcomeFolder;
  std::vector<std::string> batch;

  void SetWindowCaption(const std::string& text) override { windowCaption = text; }
  void SetCaption(Control c, const std::string& text) override { captions[c] = text; }
  std::string Text(Control c) override { return texts[c]; }
  void SetText(Control c, const std::string& text) override { texts[c] = text; }
  bool Checked(Control c) override { return checked[c]; }
  void SetChecked(Control c, bool value) override { checked[c] = value; }
  int ItemIndex(Control c) override { return items[c]; }
  void SetItemIndex(Control c, int index) override { items[c] = index; }
  void SetEnabled(Control c, bool value) override { enabled[c] = value; }
  void SetProgressMax(uint32_t maximum) override { progressMax = maximum; }
  void SetProgressPosition(uint32_t position) override { progressPosition = position; }
  void SetStatusText(const std::string& text) override {
    status = text;
    shown.push_back("status " + text);
  }
  void ShowMessage(const std::string& text, const std::string& caption, const std::string& reason) override {
    shown.push_back("box " + text + " / " + caption);
    reasons.push_back(reason);
  }
  void ShowError(const std::string& text) override { shown.push_back("error " + text); }
  std::optional<std::string> ChooseLogFile() override {
    ++dialogsRun;
    return chosenFile;
  }
  void ProcessPendingInput() override {
    if (onInput) onInput(inputCalls);
    ++inputCalls;
  }
  void CloseWindow() override { closed = true; }
  void ShowPreview(const PreviewData& data, bool sameRows) override {
    previewRows = data.times.size();
    previewChannels = data.channels.size();
    previewError = data.error;
    previewFirstTime = data.Empty() ? 0 : data.times.front();
    previewSameRows = sameRows;
  }
  std::optional<std::string> ChooseExportFile(const std::string& suggested) override {
    suggestedExport = suggested;
    return exportFile;
  }
  void ShowRunOutcome(const std::string& text, const std::string& folder) override {
    outcome = text;
    outcomeFolder = folder;
  }
  void ShowBatchResults(const std::vector<std::string>& lines) override { batch = lines; }
};

class ControllerTest : public ::testing::Test {
 protected:
  ControllerTest() { controller.FormCreate("1.2.2.0", std::nullopt); }

  // 42.log with its site file 42.STE; opened.
  void OpenSample(int rows = 30) {
    WriteSite(dir.File("42.STE"), "North wing");
    WriteLog(dir.File("42.log"), rows);
    controller.LogOpen = controller.OpenLog(dir.File("42.log"));
    ASSERT_EQ(controller.LogOpen, 1);
    window.shown.clear();
  }

  // What a direct run with these options writes, from a site and log of its
  // own (reloading the process-wide site would pull devices from under the
  // controller's log).
  std::string Expected(const ConvertOptions& options) {
    const std::string out = dir.File("expected.txt");
    TSite site;
    TLog log(site);
    OpenLogFiles(dir.File("42.log"), site, log);
    EXPECT_EQ(ConvertToFile(log, dir.File("42.log"), out, options, nullptr).status, RunStatus::Done);
    return ReadFile(out);
  }

  TempDir dir;
  FakeWindow window;
  ZerbController controller{window};
};

TEST_F(ControllerTest, OpenLogShowsWhatLoaded) {
  const struct {
    const char* name;
    bool site, log, logLoads;
    int32_t result;
    const char* siteCaption;
    const char* logCaption;
    bool buttLogShowsPath;
  } rows[] = {
      {"site and log", true, true, true, 1, "North wing", "Boiler house", true},
      {"log without site", false, true, true, 1, "Not open", "Boiler house", true},
      {"log that doesn't load", true, true, false, 1, "North wing", "Not open", false},
      {"no log file", true, false, false, 0, "Not open", "Not open", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir here;
    const std::string log = here.File("0042.log");
    if (row.site) WriteSite(here.File("42.STE"), "North wing");
    if (row.log) {
      if (row.logLoads) WriteLog(log, 12);
      else WriteText(log, "too short for a header");
    }
    EXPECT_EQ(controller.OpenLog(log), row.result);
    EXPECT_EQ(controller.LogPath, log);
    EXPECT_EQ(window.captions[Control::stSiteDescr], row.siteCaption);
    EXPECT_EQ(window.captions[Control::stLogDescr], row.logCaption);
    EXPECT_EQ(window.captions[Control::buttLog], row.buttLogShowsPath ? log : "Log ... ");
    EXPECT_EQ(LoadedEntryCount, row.logLoads ? 11u : 0u);
    // The number is set once the site file opens; a log that can't be
    // opened takes the site down with the display.
    EXPECT_EQ(controller.Doc.Site().SiteNumber, row.site && row.log ? 42 : 0);
    EXPECT_TRUE(window.shown.empty());
  }
}

TEST(PackConvertFlags, EachChoiceAddsItsBit) {
  const struct {
    bool headers;
    int dateTime, sep, time;
    uint16_t flags;
  } rows[] = {
      {false, 0, 0, 0, 0x00}, {true, 0, 0, 0, 0x10}, {false, 0, 1, 0, 0x01}, {false, 0, 0, 1, 0x02},
      {false, 2, 0, 0, 0x04}, {false, 1, 0, 0, 0x0C}, {true, 2, 0, 0, 0x14}, {true, 1, 1, 1, 0x1F},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.headers << row.dateTime << row.sep << row.time);
    EXPECT_EQ(PackConvertFlags(row.headers, row.dateTime, row.sep, row.time), row.flags);
  }
}

TEST_F(ControllerTest, RunShowsPassesAndWritesBesideTheLog) {
  OpenSample(30);
  controller.buttConvertClick();
  EXPECT_EQ(window.shown, (std::vector<std::string>{"status Conversion - Pass 1", "status Conversion - Pass 2",
                                                    "status Done"}));
  EXPECT_EQ(window.captions[Control::buttConvert], "Convert");
  EXPECT_TRUE(window.enabled[Control::buttLog]);
  EXPECT_EQ(controller.Busy, 0);
  EXPECT_EQ(window.progressMax, 29u);
  EXPECT_EQ(window.progressPosition, 29u);  // pass 2's last row index
  EXPECT_EQ(window.inputCalls, 29 + 30);
  EXPECT_EQ(ReadFile(dir.File("42.CSV")), Expected(ConvertOptions{}));
}

TEST_F(ControllerTest, OptionsReachTheRun) {
  const struct {
    const char* name;
    bool headers;
    int dateTime, sep, time;
    bool xml, newOnly;
    const char* overlap;
    const char* skip;
    const char* ext;
    ConvertOptions expected;
  } rows[] = {
      {"defaults", true, 2, 0, 0, false, false, "0", "0", "CSV", {0x14, -1, 0, false}},
      {"everything on", true, 1, 1, 1, false, true, "3", "2", "txt", {0x1F, 3, 2, false}},
      {"overlap ignored when unchecked", false, 0, 0, 0, false, false, "junk", "1", "CSV", {0x00, -1, 1, false}},
      {"typed -1 passes as off", true, 2, 0, 0, false, true, "-1", "0", "CSV", {0x14, -1, 0, false}},
      {"skip keeps its low 16 bits", true, 2, 0, 0, false, false, "0", "65539", "CSV", {0x14, -1, 3, false}},
      {"hex numbers", true, 2, 0, 0, false, true, "$2", "0x1", "CSV", {0x14, 2, 1, false}},
      {"xml", true, 2, 1, 0, true, false, "0", "0", "XML", {0x15, -1, 0, true}},
      {"xml under another extension", true, 2, 0, 0, true, false, "0", "0", "CSV", {0x14, -1, 0, true}},
  };
  OpenSample(40);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    window.checked[Control::cbHdrs] = row.headers;
    window.items[Control::rgDateTime] = row.dateTime;
    window.items[Control::rgSep] = row.sep;
    window.items[Control::rgTime] = row.time;
    window.checked[Control::cbxXML] = row.xml;
    window.checked[Control::cbNewOnly] = row.newOnly;
    window.texts[Control::editNewOverlap] = row.overlap;
    window.texts[Control::editSkip] = row.skip;
    window.texts[Control::editExt] = row.ext;
    controller.buttConvertClick();
    EXPECT_EQ(window.status, "Done");
    EXPECT_EQ(ReadFile(dir.File(std::string("42.") + row.ext)), Expected(row.expected));
  }
}

TEST_F(ControllerTest, ABadNumberStopsBeforeAnythingIsTouched) {
  const struct {
    bool newOnly;
    const char* overlap;
    const char* skip;
    const char* message;
  } rows[] = {
      {false, "0", "", "'' is not a valid integer value"},
      {false, "0", "1.5", "'1.5' is not a valid integer value"},
      {false, "x", "99999999999", "'99999999999' is not a valid integer value"},
      {true, "abc", "0", "'abc' is not a valid integer value"},
      {true, "abc", "def", "'abc' is not a valid integer value"},  // the overlap is read first
      {true, "1", "2 ", "'2 ' is not a valid integer value"},
  };
  OpenSample(10);
  WriteText(dir.File("42.CSV"), "earlier output");
  window.SetStatusText("Done");
  window.shown.clear();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    window.checked[Control::cbNewOnly] = row.newOnly;
    window.texts[Control::editNewOverlap] = row.overlap;
    window.texts[Control::editSkip] = row.skip;
    window.progressPosition = 77;
    controller.buttConvertClick();
    EXPECT_EQ(window.shown, std::vector<std::string>{std::string("error ") + row.message});
    EXPECT_EQ(window.status, "Done");
    EXPECT_EQ(window.progressPosition, 77u);
    EXPECT_FALSE(window.captions.contains(Control::buttConvert));
    EXPECT_EQ(controller.Busy, 0);
    EXPECT_EQ(ReadFile(dir.File("42.CSV")), "earlier output");
    window.shown.clear();
  }
}

TEST_F(ControllerTest, ALogThatDidNotLoadFailsWithoutTouchingTheOutput) {
  WriteText(dir.File("42.log"), "not a log");
  WriteText(dir.File("42.CSV"), "earlier output");
  controller.LogOpen = controller.OpenLog(dir.File("42.log"));
  ASSERT_EQ(controller.LogOpen, 1);
  controller.buttConvertClick();
  EXPECT_EQ(window.shown, (std::vector<std::string>{"status Conversion - Pass 1", "box Log conversion failed / Error",
                                                    "status Failed"}));
  EXPECT_EQ(window.captions[Control::buttConvert], "Convert");
  EXPECT_EQ(controller.Busy, 0);
  EXPECT_EQ(ReadFile(dir.File("42.CSV")), "earlier output");
  EXPECT_EQ(window.reasons, std::vector<std::string>{controller.Doc.Opened().error});
  EXPECT_FALSE(window.reasons.front().empty());
}

TEST_F(ControllerTest, OpenShowsThePreviewAndARunItsOutput) {
  OpenSample(30);
  EXPECT_EQ(window.previewRows, 30u);
  EXPECT_EQ(window.previewChannels, 3u);
  window.texts[Control::editSkip] = "2";
  controller.buttConvertClick();
  EXPECT_EQ(window.outcome, "Wrote 10 rows to " + dir.File("42.CSV"));
  EXPECT_EQ(window.outcomeFolder + "/", dir.File(""));
  // The rows written are the lines after the header.
  const std::string csv = ReadFile(dir.File("42.CSV"));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 11);
  // Pass 1 at the open leaves the conversion as it was.
  window.texts[Control::editSkip] = "0";
  controller.buttConvertClick();
  EXPECT_EQ(ReadFile(dir.File("42.CSV")), Expected(ConvertOptions{}));
}

TEST_F(ControllerTest, DroppedLogs) {
  OpenSample(10);
  WriteLog(dir.File("7.log"), 5);
  WriteLog(dir.File("8.log"), 6);
  WriteLog(dir.File("8.old.log"), 6);  // the same output as 8.log
  controller.DropFiles(
      {dir.File("7.log"), dir.File("8.log"), dir.File("missing.log"), dir.File("8.old.log"), dir.File("7.log")});
  const std::string noSite = " not found; channels keep default names and types";
  EXPECT_EQ(window.batch, (std::vector<std::string>{
                              "7.log: wrote 5 rows to " + dir.File("7.CSV"),
                              "7.log: site file " + dir.File("7.STE") + noSite,
                              "8.log: wrote 6 rows to " + dir.File("8.CSV"),
                              "8.log: site file " + dir.File("8.STE") + noSite,
                              "missing.log: failed, cannot open the log: No such file or directory",
                              "8.old.log: refused, its output " + dir.File("8.CSV") + " is also the output of 8.log",
                              "7.log: the same file as 7.log, converted once",
                          }));
  EXPECT_EQ(window.outcome, "Converted 2 of 5 logs");
  EXPECT_EQ(window.status, "Done");
  EXPECT_TRUE(Exists(dir.File("8.CSV")));
  EXPECT_EQ(controller.LogPath, dir.File("42.log"));  // the open log stays
}

TEST_F(ControllerTest, AbortStopsABatchWithNoLogOpen) {
  WriteLog(dir.File("7.log"), 5);
  WriteLog(dir.File("8.log"), 6);
  window.onInput = [&](int call) {
    if (call == 1) controller.buttConvertClick();
  };
  controller.DropFiles({dir.File("7.log"), dir.File("8.log")});
  EXPECT_EQ(window.batch.at(0), "7.log: failed, stopped in pass 1");
  EXPECT_EQ(window.batch.at(2), "8.log: not converted, the batch was aborted");
  EXPECT_EQ(window.status, "Aborted");
  EXPECT_EQ(window.captions[Control::buttConvert], "Convert");
  EXPECT_EQ(controller.Busy, 0);
}

TEST_F(ControllerTest, AbortInEitherPass) {
  const struct {
    const char* name;
    int abortAtCall;  // of ProcessPendingInput: 0-18 pass 1, 19-38 pass 2
    std::vector<std::string> shown;
    bool outputReplaced;
  } rows[] = {
      {"first entry of pass 1", 0,
       {"status Conversion - Pass 1", "box Log conversion failed / Error", "status Aborted"}, false},
      {"last entry of pass 1", 18,
       {"status Conversion - Pass 1", "box Log conversion failed / Error", "status Aborted"}, false},
      {"first row of pass 2", 19, {"status Conversion - Pass 1", "status Conversion - Pass 2", "status Aborted"}, true},
      {"middle of pass 2", 30, {"status Conversion - Pass 1", "status Conversion - Pass 2", "status Aborted"}, true},
  };
  OpenSample(20);
  const std::string full = Expected(ConvertOptions{});
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    WriteText(dir.File("42.CSV"), "earlier output");
    window.shown.clear();
    window.inputCalls = 0;
    // The Abort click arrives as queued input: it runs the button's handler.
    window.onInput = [&](int call) {
      if (call == row.abortAtCall) controller.buttConvertClick();
    };
    controller.buttConvertClick();
    EXPECT_EQ(window.shown, row.shown);
    EXPECT_EQ(window.inputCalls, row.abortAtCall + 1);  // the pass stops at once
    EXPECT_EQ(window.captions[Control::buttConvert], "Convert");
    EXPECT_EQ(controller.Busy, 0);
    const std::string output = ReadFile(dir.File("42.CSV"));
    if (row.outputReplaced) {
      // What was written before the stop: the start of the full output.
      EXPECT_LT(output.size(), full.size());
      EXPECT_EQ(full.compare(0, output.size(), output), 0);
    } else {
      EXPECT_EQ(output, "earlier output");
    }
  }
}

TEST_F(ControllerTest, OutputThatCannotBeWritten) {
  const struct {
    const char* ext;
    const char* target;  // the output path's file name
  } rows[] = {
      {"log", "42.log"},        // the log itself
      {"STE", "42.STE"},        // its site file
      {"no/such", "42.no/such"},  // a folder that doesn't exist
  };
  OpenSample(8);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.ext);
    const std::string log = ReadFile(dir.File("42.log"));
    const std::string site = ReadFile(dir.File("42.STE"));
    window.texts[Control::editExt] = row.ext;
    window.shown.clear();
    controller.buttConvertClick();
    ASSERT_FALSE(window.shown.empty());
    // The box comes over the window as it was before the run.
    EXPECT_EQ(window.shown.size(), 2u);
    EXPECT_NE(window.reasons.back().find(dir.File(row.target)), std::string::npos) << window.reasons.back();
    EXPECT_EQ(window.shown[window.shown.size() - 2], "box Couldn't write / " + dir.File(row.target));
    EXPECT_EQ(window.shown.back(), "status Failed");
    EXPECT_EQ(window.captions[Control::buttConvert], "Convert");
    EXPECT_EQ(controller.Busy, 0);
    EXPECT_EQ(ReadFile(dir.File("42.log")), log);
    EXPECT_EQ(ReadFile(dir.File("42.STE")), site);
  }
}

TEST_F(ControllerTest, ClosingDuringARunAbortsAndClosesAfterIt) {
  OpenSample(20);
  window.onInput = [&](int call) {
    if (call == 3) {
      EXPECT_FALSE(controller.FormCloseQuery());
    }
  };
  controller.buttConvertClick();
  EXPECT_TRUE(window.closed);
  EXPECT_EQ(window.shown, (std::vector<std::string>{"status Conversion - Pass 1", "status Aborted"}));
  EXPECT_FALSE(Exists(dir.File("42.CSV")));
  EXPECT_TRUE(controller.FormCloseQuery());  // nothing running: close at once
}

TEST_F(ControllerTest, LogFileButton) {
  WriteLog(dir.File("5.log"), 4, "Chosen");
  window.chosenFile = std::nullopt;  // cancelled: nothing changes
  controller.buttLogClick();
  EXPECT_EQ(window.dialogsRun, 1);
  EXPECT_EQ(controller.LogOpen, 0);
  EXPECT_EQ(window.captions[Control::buttLog], "Log ... ");

  window.chosenFile = dir.File("5.log");
  controller.buttLogClick();
  EXPECT_EQ(controller.LogOpen, 1);
  EXPECT_EQ(window.captions[Control::stLogDescr], "Chosen");

  // During a run the button does nothing.
  window.onInput = [&](int) { controller.buttLogClick(); };
  controller.buttConvertClick();
  EXPECT_EQ(window.dialogsRun, 2);
  EXPECT_EQ(window.status, "Done");

  // A file that can't be opened closes what was open.
  window.onInput = nullptr;
  window.chosenFile = dir.File("missing.log");
  controller.buttLogClick();
  EXPECT_EQ(controller.LogOpen, 0);
  EXPECT_EQ(window.captions[Control::stLogDescr], "Not open");
  window.shown.clear();
  controller.buttConvertClick();
  EXPECT_TRUE(window.shown.empty());
}

TEST_F(ControllerTest, ASingleRowLogStillReportsPassTwo) {
  OpenSample(1);
  EXPECT_EQ(LoadedEntryCount, 0u);
  controller.buttConvertClick();
  EXPECT_EQ(window.shown, (std::vector<std::string>{"status Conversion - Pass 1", "status Conversion - Pass 2",
                                                    "status Done"}));
  EXPECT_EQ(window.inputCalls, 1);
}

TEST_F(ControllerTest, OpeningAnotherLogKeepsTheLastRunsStatus) {
  OpenSample(6);
  controller.buttConvertClick();
  WriteLog(dir.File("9.log"), 3);
  controller.LogOpen = controller.OpenLog(dir.File("9.log"));
  EXPECT_EQ(window.status, "Done");
  EXPECT_EQ(window.progressPosition, 5u);
  EXPECT_EQ(LoadedEntryCount, 2u);
}

TEST_F(ControllerTest, XmlAndStyleDecideWhatIsEnabled) {
  const struct {
    bool xml;
    int style;
    bool styleChoice, separatorAndDateTime, exportShown;
  } rows[] = {
      {false, 0, true, true, true},
      {false, 3, true, false, true},
      {true, 3, false, true, false},  // the XML writer uses Date/Time whatever the style says
      {true, 0, false, true, false},
  };
  OpenSample(10);
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.xml << " " << row.style);
    window.checked[Control::cbxXML] = row.xml;
    window.items[Control::cbxStyle] = row.style;
    controller.OptionsChanged();
    EXPECT_EQ(window.enabled[Control::cbxStyle], row.styleChoice);
    EXPECT_EQ(window.enabled[Control::rgSep], row.separatorAndDateTime);
    EXPECT_EQ(window.enabled[Control::rgDateTime], row.separatorAndDateTime);
    EXPECT_EQ(window.enabled[Control::buttExportShown], row.exportShown);
  }
}

// The LAN clock reads 30 s after the PC clock in the test logs.
TEST_F(ControllerTest, ThePreviewFollowsTheTimeBaseAtOnceOrAfterARun) {
  OpenSample(20);
  const int64_t pc = window.previewFirstTime;
  window.items[Control::rgTime] = 1;
  controller.TimeBaseChanged();
  EXPECT_EQ(window.previewFirstTime, pc + 30);
  EXPECT_TRUE(window.previewSameRows);
  // Changed during a run: the run keeps its clock, the preview follows after.
  window.onInput = [&](int call) {
    if (call != 2) return;
    window.items[Control::rgTime] = 0;
    controller.TimeBaseChanged();
    EXPECT_EQ(window.previewFirstTime, pc + 30);
  };
  controller.buttConvertClick();
  EXPECT_EQ(window.previewFirstTime, pc);
}

TEST_F(ControllerTest, ExportShownRunsAsConvertIntoTheChosenFile) {
  OpenSample(30);
  RowSelection shown{1700000000 - 20 * 60, 1700000000 - 10 * 60, std::vector<std::size_t>{2, 0}};
  window.exportFile = std::nullopt;  // cancelled
  controller.ExportShown(shown);
  EXPECT_EQ(window.suggestedExport, dir.File("42-shown.CSV"));
  EXPECT_FALSE(Exists(dir.File("42-shown.CSV")));

  window.exportFile = dir.File("part.csv");
  controller.ExportShown(shown);
  EXPECT_EQ(window.outcome, "Wrote 11 rows to " + dir.File("part.csv"));
  ConvertOptions options;
  options.selection = shown;
  EXPECT_EQ(ReadFile(dir.File("part.csv")), Expected(options));
  // Nothing over a log, whatever name the dialog gave.
  window.exportFile = dir.File("42.log");
  const std::string log = ReadFile(dir.File("42.log"));
  controller.ExportShown(shown);
  EXPECT_EQ(window.status, "Failed");
  EXPECT_EQ(ReadFile(dir.File("42.log")), log);
}

TEST_F(ControllerTest, OpeningAnotherLogForgetsTheLastOutput) {
  OpenSample(6);
  controller.buttConvertClick();
  EXPECT_FALSE(window.outcome.empty());
  WriteLog(dir.File("9.log"), 3);
  controller.LogOpen = controller.OpenLog(dir.File("9.log"));
  EXPECT_EQ(window.outcome, "");
  EXPECT_EQ(window.outcomeFolder, "");
}

}  // namespace
}  // namespace zerb
