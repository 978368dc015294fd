#pragma once
// The conversion controller: the logic half of the main window. It opens a
// log with its site file, runs a conversion with the options read from the
// window, and keeps the status line, the progress bar and the Convert/Abort
// button in step. It reaches the window only through WindowOps.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/Conversion.h"
#include "app/Document.h"
#include "model/Log.h"
#include "chart/PreviewData.h"
#include "ui/WindowOps.h"

namespace zerb {

class ZerbController;

// Process-wide, because the progress callback carries no context.
extern uint32_t LoadedEntryCount;  // entry count of the last open; 0 after a reset
extern uint32_t CurrentEntry;      // index last reported to the callback
extern int32_t AbortRequested;     // set by Abort, cleared at the start of a run
// The controller whose run the callback reports to.
extern ZerbController* ActiveController;

// ConvertFlags from the window's choices: headers 0x10, rgSep 1 (Tab) 0x01,
// rgTime 1 (LAN) 0x02, rgDateTime 1 (Serial) 0x0C, 2 (Text) 0x04.
uint16_t PackConvertFlags(bool headers, int dateTimeIndex, int separatorIndex, int timeIndex);

class ZerbController {
 public:
  explicit ZerbController(WindowOps& window);
  ~ZerbController();
  ZerbController(const ZerbController&) = delete;
  ZerbController& operator=(const ZerbController&) = delete;

  std::string LogPath;   // the path last given to OpenLog
  std::string SitePath;  // the site file OpenLog looked for; empty when none
  Document Doc;          // the window's one site and log
  TLog& Log = Doc.Log();
  int32_t LogOpen = 0;   // 1 once a log file could be opened
  int32_t Busy = 0;      // 1 while a run's passes are going
  bool StoreRowsShown = false;  // the plot shows a store's rows, not the log's (Export shown writes them)
  PreviewData Preview;   // the open log's rows, as the preview shows them

  // Start-up when the window is first shown: caption "ZERB32 " + the file
  // version, empty display, option defaults, then the log named by the
  // first command-line argument, if any.
  void FormCreate(const std::string& fileVersion, const std::optional<std::string>& firstArgument);
  // The option fields' start values.
  void SetDefaults();

  // Empties the display and the document (the log with the site, whose
  // devices it names); LoadedEntryCount 0. LogOpen stays as it is.
  void ResetDisplay();
  // Loads the log's site file (silently skipped when missing) and the log,
  // and shows what loaded, with its preview (pass 1 in memory, the rows on
  // the time base chosen). Returns 1 when the log file could be opened, even
  // if its load failed; 0 (display and site reset) when it couldn't.
  int32_t OpenLog(const std::string& path);
  // One conversion run with the window's options into the file beside the
  // log. A bad number shows the error and starts nothing; failures show
  // their box, with the reason as its informative text, and end with the
  // status "Failed". The output file changes only when the run is done or
  // aborted in pass 2. The window shows a run (Abort, Log File disabled,
  // "Conversion - Pass 1") once its output is created: an output that can't
  // be created shows its box over the window as it was.
  void RunConversion();

  // Logs dropped on the window, ignored during a run. One opens as Log File
  // does; several convert one after another with the window's options,
  // each beside its log, and every log's result is listed. The command
  // line's batch plan applies: a log dropped twice converts once, a later log
  // whose output is an earlier one's or another dropped log is refused; Abort
  // stops the current log and leaves the rest.
  void DropFiles(const std::vector<std::string>& paths);

  // Export shown: the rows of the time range and the channels the plot
  // shows, written with the window's options (CSV in the chosen style)
  // into a file the operator chooses, as Convert writes (the same safety).
  // Ignored during a run, without a loaded log, and with XML chosen.
  // With a summary, the periods' figures as --every writes them.
  void ExportShown(const RowSelection& shown, const std::optional<SummaryRequest>& summary = std::nullopt);
  // The table Export shown writes for rows that are not the open log's (a
  // store's): the chosen style, or the classic table of the options;
  // nothing during a run, under XML (Export shown is disabled then), or
  // when a field is not a number (said as Convert says it).
  // With a summary, only an analysis style's text will do.
  std::optional<TableSettings> ShownTable(bool summary);
  // The time base changed: the preview follows at once (after a run, when
  // changed during one).
  void TimeBaseChanged();
  // XML or the style changed: the controls they make meaningless are
  // disabled (the style and Export shown under XML; separator and
  // date/time under a style of its own, unless XML is chosen, whose writer
  // uses them).
  void OptionsChanged();

  // Log File: the open dialog, then OpenLog; ignored during a run.
  void buttLogClick();
  // Convert/Abort: during a run (or a batch) only asks the run to stop;
  // otherwise nothing without an open log, else runs a conversion.
  void buttConvertClick();
  // Asked before the window closes. True: close now. During a run: false,
  // the run is asked to stop and the window is closed when it has ended.
  bool FormCloseQuery();

  void SetStatus(const std::string& text);
  // The progress callback of both passes: records the index, lets the
  // window handle queued input (an Abort click among it), moves the progress
  // bar. Returns AbortRequested: non-zero stops the pass.
  static int ConversionProgress(uint16_t index);
  // Puts pass 2 on the status line as it begins.
  static void ConversionPass(int pass);

 private:
  // The run's options from the window; nothing (error shown) on a bad number.
  std::optional<ConvertOptions> ReadOptions();
  // False, said to the operator, when the options' table can't hold a summary.
  bool Summarised(const ConvertOptions& options);
  void ApplyStyle(ConvertOptions& options);
  void ShowResult(const RunResult& result, const std::string& outputPath, const ConvertOptions& options);
  void ReportProgress(uint16_t index);
  void ShowPreviewOfLog(bool sameRows);
  // One run with the options into the output path.
  void RunInto(const std::string& outputPath, const ConvertOptions& options);
  // A run's state: BeginRun before ConvertToFile, EnterRunDisplay as pass 1
  // begins (or before a box of a run that failed before it), EndRun after.
  void BeginRun(uint32_t entries);
  void EnterRunDisplay();
  void EndRun();
  // Rows of the run that just ended on `log`.
  uint32_t RowsWritten(const TLog& log, const RunResult& result, const ConvertOptions& options) const;
  // One dropped log of a batch: its result lines.
  std::vector<std::string> ConvertDropped(const std::string& path, const std::string& outputPath,
                                          const ConvertOptions& options);

  WindowOps& window_;
  bool closeWhenDone_ = false;
  bool runShown_ = false;    // the window shows the run in hand
  uint32_t runEntries_ = 0;  // the progress maximum of the run in hand
  bool previewLanTime_ = false;  // the clock of the preview shown
};

}  // namespace zerb
