#include "ui/Controller.h"

#include <filesystem>

#include "app/CountedWords.h"
#include "app/IntegerText.h"
#include "app/Paths.h"
#include "app/SiteWarning.h"
#include "styles/Styles.h"

namespace zerb {

uint32_t LoadedEntryCount = 0;
uint32_t CurrentEntry = 0;
int32_t AbortRequested = 0;
ZerbController* ActiveController = nullptr;

uint16_t PackConvertFlags(bool headers, int dateTimeIndex, int separatorIndex, int timeIndex) {
  uint16_t flags = 0;
  if (headers) flags |= FlagHeaders;
  if (separatorIndex == 1) flags |= FlagTab;
  if (timeIndex == 1) flags |= FlagLanTime;
  if (dateTimeIndex != 0) {
    flags |= FlagDateTime;
    if (dateTimeIndex == 1) flags |= FlagSerial;
  }
  return flags;
}

ZerbController::ZerbController(WindowOps& window) : window_(window) { ActiveController = this; }

ZerbController::~ZerbController() {
  if (ActiveController == this) ActiveController = nullptr;
}

void ZerbController::FormCreate(const std::string& fileVersion,
                                 const std::optional<std::string>& firstArgument) {
  window_.SetWindowCaption("ZERB32 " + fileVersion);
  ResetDisplay();
  SetDefaults();
  if (firstArgument) LogOpen = OpenLog(*firstArgument);
}

void ZerbController::SetDefaults() {
  window_.SetText(Control::editExt, "CSV");
  window_.SetText(Control::editSkip, "0");
  window_.SetText(Control::editNewOverlap, "0");
  window_.SetChecked(Control::cbHdrs, true);
  window_.SetChecked(Control::cbNewOnly, false);
  window_.SetItemIndex(Control::rgDateTime, 2);
  window_.SetItemIndex(Control::rgSep, 0);
  window_.SetItemIndex(Control::rgTime, 0);
}

void ZerbController::ResetDisplay() {
  window_.SetCaption(Control::buttLog, "Log ... ");
  window_.SetCaption(Control::stLogDescr, "Not open");
  window_.SetCaption(Control::stSiteDescr, "Not open");
  Doc.Reset();
  LoadedEntryCount = 0;
  Preview = PreviewData{};
  window_.ShowPreview(Preview, false);
  window_.ShowRunOutcome({}, {});
  OptionsChanged();
}

int32_t ZerbController::OpenLog(const std::string& path) {
  ResetDisplay();
  LogPath = path;
  const OpenedLog& opened = Doc.Open(path);
  SitePath = opened.site ? opened.site->path : std::string();
  if (opened.siteLoaded) window_.SetCaption(Control::stSiteDescr, std::string(Doc.Site().NameText()));
  if (!opened.logOpened) {
    ResetDisplay();
    return 0;
  }
  if (opened.logLoaded) {
    window_.SetCaption(Control::stLogDescr, std::string(Log.Description()));
    window_.SetCaption(Control::buttLog, LogPath);
  }
  LoadedEntryCount = Log.GetEntryCount();
  if (opened.logLoaded) {
    ShowPreviewOfLog(false);
  } else {
    // The plot says at once why the log shows nothing.
    Preview.error = opened.error;
    Preview.note = SiteWarning(opened);
    window_.ShowPreview(Preview, false);
  }
  OptionsChanged();
  return 1;
}

void ZerbController::ShowPreviewOfLog(bool sameRows) {
  previewLanTime_ = window_.ItemIndex(Control::rgTime) == 1;
  Preview = OpenPreview(Log, previewLanTime_);
  Preview.note = SiteWarning(Doc.Opened());
  window_.ShowPreview(Preview, sameRows);
}

void ZerbController::TimeBaseChanged() {
  if (Busy || !Doc.Opened().logLoaded) return;
  if ((window_.ItemIndex(Control::rgTime) == 1) != previewLanTime_) ShowPreviewOfLog(true);
}

void ZerbController::OptionsChanged() {
  const bool xml = window_.Checked(Control::cbxXML);
  const bool ownStyle = window_.ItemIndex(Control::cbxStyle) > 0;
  window_.SetEnabled(Control::cbxStyle, !xml);
  for (Control control : {Control::rgSep, Control::rgDateTime}) window_.SetEnabled(control, xml || !ownStyle);
  window_.SetEnabled(Control::buttExportShown, !xml && (Doc.Opened().logLoaded || StoreRowsShown));
}

std::optional<ConvertOptions> ZerbController::ReadOptions() {
  ConvertOptions options;
  options.flags = PackConvertFlags(window_.Checked(Control::cbHdrs), window_.ItemIndex(Control::rgDateTime),
                                   window_.ItemIndex(Control::rgSep), window_.ItemIndex(Control::rgTime));
  // The overlap is read first, so with both fields bad its text is quoted.
  if (window_.Checked(Control::cbNewOnly)) {
    const std::string text = window_.Text(Control::editNewOverlap);
    const std::optional<int32_t> overlap = ParseInteger(text);
    if (!overlap) {
      window_.ShowError(NotAnIntegerMessage(text));
      return std::nullopt;
    }
    options.overlap = *overlap;
  }
  const std::string text = window_.Text(Control::editSkip);
  const std::optional<int32_t> skip = ParseInteger(text);
  if (!skip) {
    window_.ShowError(NotAnIntegerMessage(text));
    return std::nullopt;
  }
  // Only the low 16 bits count: 70000 skips 4464, -1 skips 65535.
  options.skip = static_cast<uint16_t>(*skip);
  options.xml = window_.Checked(Control::cbxXML);
  if (!options.xml) ApplyStyle(options);
  return options;
}

// A style other than the classic one writes its own table: its separator and
// time columns, the header line as Headers says, the clock as Time base says.
void ZerbController::ApplyStyle(ConvertOptions& options) {
  const std::span<const std::string_view> names = StyleNames();
  const int index = window_.ItemIndex(Control::cbxStyle);
  if (index <= 0 || std::size_t(index) >= names.size()) return;
  TableSettings table = StyleSettings(names[std::size_t(index)]).value();
  if (!window_.Checked(Control::cbHdrs)) table.header = false;
  options.table = table;
  options.styleName = std::string(names[std::size_t(index)]);
}

void ZerbController::RunConversion() {
  if (Busy) return;
  const std::string outputPath = OutputPathFor(LogPath, window_.Text(Control::editExt));
  const std::optional<ConvertOptions> options = ReadOptions();
  if (!options) return;
  RunInto(outputPath, *options);
}

void ZerbController::RunInto(const std::string& outputPath, const ConvertOptions& options) {
  BeginRun(LoadedEntryCount);
  const RunResult result = ConvertToFile(Log, LogPath, outputPath, options, &ConversionProgress, &ConversionPass);
  // A log that did not load fails before pass 1 begins; its box still comes
  // over the run's display.
  if (result.status == RunStatus::Pass1Failed) EnterRunDisplay();
  ShowResult(result, outputPath, options);
  EndRun();
}

namespace {

// "42-shown.CSV" beside "42.CSV".
std::string ShownPathFor(const std::string& outputPath) {
  const std::size_t name = outputPath.find_last_of('/') + 1;
  const std::size_t dot = outputPath.find('.', name);
  return dot == std::string::npos ? outputPath + "-shown" : outputPath.substr(0, dot) + "-shown" + outputPath.substr(dot);
}

}  // namespace

void ZerbController::ExportShown(const RowSelection& shown, const std::optional<SummaryRequest>& summary) {
  if (Busy || !LogOpen || !Doc.Opened().logLoaded || window_.Checked(Control::cbxXML)) return;
  std::optional<ConvertOptions> options = ReadOptions();
  if (!options || (summary && !Summarised(*options))) return;
  const std::optional<std::string> path =
      window_.ChooseExportFile(ShownPathFor(OutputPathFor(LogPath, window_.Text(Control::editExt))));
  if (!path) return;
  options->selection = shown;
  options->summary = summary;
  RunInto(*path, *options);
}

std::optional<TableSettings> ZerbController::ShownTable(bool summary) {
  if (Busy || window_.Checked(Control::cbxXML)) return std::nullopt;
  const std::optional<ConvertOptions> options = ReadOptions();
  if (!options || (summary && !Summarised(*options))) return std::nullopt;
  return options->table.value_or(ClassicTable(options->flags));
}

// Summaries are tables of an analysis style's text (as --every asks).
bool ZerbController::Summarised(const ConvertOptions& options) {
  if (options.table && options.table->file == TableFile::Text) return true;
  window_.ShowError("A summary is written in an analysis style: choose Excel, Excel (EU), pandas or Long.");
  return false;
}

void ZerbController::BeginRun(uint32_t entries) {
  Busy = 1;
  AbortRequested = 0;
  ActiveController = this;
  runShown_ = false;
  runEntries_ = entries;
}

void ZerbController::EnterRunDisplay() {
  if (runShown_) return;
  runShown_ = true;
  window_.SetCaption(Control::buttConvert, "Abort");
  // Reopening a log under a running pass would pull the log and site away
  // from it.
  window_.SetEnabled(Control::buttLog, false);
  window_.SetProgressMax(runEntries_);
  window_.SetProgressPosition(0);
  SetStatus("Conversion - Pass 1");
}

void ZerbController::EndRun() {
  window_.SetCaption(Control::buttConvert, "Convert");
  window_.SetEnabled(Control::buttLog, true);
  runShown_ = false;
  Busy = 0;
  if (closeWhenDone_) {
    closeWhenDone_ = false;
    window_.CloseWindow();
    return;
  }
  TimeBaseChanged();
}

uint32_t ZerbController::RowsWritten(const TLog& log, const RunResult& result, const ConvertOptions& options) const {
  // A stopped walk handled the rows before the one whose callback stopped it.
  const uint32_t walked = result.status == RunStatus::Done ? uint32_t{log.GetEntryCount()} + 1 : CurrentEntry;
  return WrittenRowsIn(log.StartRow(options.overlap), walked, options.skip).count;
}

void ZerbController::ShowResult(const RunResult& result, const std::string& outputPath,
                                const ConvertOptions& options) {
  switch (result.status) {
    case RunStatus::Done:
    case RunStatus::Aborted: {
      SetStatus(AbortRequested ? "Aborted" : "Done");
      const uint64_t rows = result.rows ? *result.rows : RowsWritten(Log, result, options);
      std::error_code ec;
      const std::string folder = std::filesystem::absolute(outputPath, ec).parent_path().string();
      window_.ShowRunOutcome(std::string(AbortRequested ? "Stopped after " : "Wrote ") + Counted(rows, "row") + " to " +
                                 outputPath,
                             folder);
      return;
    }
    case RunStatus::Pass1Failed:
      // An operator who closed the window wants it gone, not a box.
      if (!closeWhenDone_) window_.ShowMessage("Log conversion failed", "Error", result.error);
      SetStatus(AbortRequested ? "Aborted" : "Failed");
      return;
    case RunStatus::OutputIsInput:
    case RunStatus::WriteFailed:
      if (!closeWhenDone_) window_.ShowMessage("Couldn't write", outputPath, result.error);
      SetStatus("Failed");
      return;
  }
}

void ZerbController::buttLogClick() {
  if (Busy) return;
  const std::optional<std::string> path = window_.ChooseLogFile();
  if (path) LogOpen = OpenLog(*path);
}

void ZerbController::buttConvertClick() {
  // A batch of dropped logs runs with no log open in the window; Abort
  // stops it all the same.
  if (Busy) {
    AbortRequested = 1;
    return;
  }
  if (!LogOpen) return;
  RunConversion();
}

bool ZerbController::FormCloseQuery() {
  if (!Busy) return true;
  AbortRequested = 1;
  closeWhenDone_ = true;
  return false;
}

void ZerbController::SetStatus(const std::string& text) { window_.SetStatusText(text); }

void ZerbController::ReportProgress(uint16_t index) {
  CurrentEntry = index;
  window_.ProcessPendingInput();
  window_.SetProgressPosition(CurrentEntry);
}

void ZerbController::ConversionPass(int pass) {
  if (!ActiveController) return;
  if (pass == 1) ActiveController->EnterRunDisplay();
  if (pass == 2) ActiveController->SetStatus("Conversion - Pass 2");
}

int ZerbController::ConversionProgress(uint16_t index) {
  if (ActiveController) ActiveController->ReportProgress(index);
  return AbortRequested;
}

}  // namespace zerb
