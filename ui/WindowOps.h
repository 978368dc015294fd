#pragma once
// What the conversion controller may do to the main window, and nothing
// more: the controller decides, the window only shows and reports. A fake
// of this interface runs the controller without any window toolkit.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zerb {

struct PreviewData;

// The controls the controller reads or writes, named as in the window.
enum class Control {
  buttLog,
  stSiteDescr,
  stLogDescr,
  editExt,
  editSkip,
  editNewOverlap,
  cbHdrs,
  cbNewOnly,
  cbxXML,
  rgDateTime,
  rgSep,
  rgTime,
  buttConvert,
  buttExit,
  cbxStyle,  // the output style: its item index is the style's in StyleNames()
  buttExportShown,  // writes the rows and channels the plot shows
};

// The control's object name in the window ("buttConvert").
std::string_view ControlName(Control control);

class WindowOps {
 public:
  virtual ~WindowOps() = default;

  // The window's title bar.
  virtual void SetWindowCaption(const std::string& text) = 0;
  // Caption of a button or label, shown exactly as given (no accelerator).
  virtual void SetCaption(Control control, const std::string& text) = 0;
  // Text of an edit field.
  virtual std::string Text(Control control) = 0;
  virtual void SetText(Control control, const std::string& text) = 0;
  // Checked state of a check box.
  virtual bool Checked(Control control) = 0;
  virtual void SetChecked(Control control, bool checked) = 0;
  // Selected item of a radio group, 0 for the first.
  virtual int ItemIndex(Control control) = 0;
  virtual void SetItemIndex(Control control, int index) = 0;
  virtual void SetEnabled(Control control, bool enabled) = 0;

  virtual void SetProgressMax(uint32_t maximum) = 0;
  virtual void SetProgressPosition(uint32_t position) = 0;
  // Panel 0 of the status bar.
  virtual void SetStatusText(const std::string& text) = 0;

  // An OK-only message box without icon; returns when it is dismissed. The
  // reason, when not empty, is the box's informative text under its text.
  virtual void ShowMessage(const std::string& text, const std::string& caption, const std::string& reason) = 0;
  // The toolkit's display for an error that escapes an event handler.
  virtual void ShowError(const std::string& text) = 0;
  // The open-log dialog; nothing when the operator cancels it.
  virtual std::optional<std::string> ChooseLogFile() = 0;

  // The preview of the open log; empty data clears it. The data stays
  // valid until the next call. sameRows: the open log's rows again, on the
  // other clock (the view keeps its rows, channels and cursor).
  virtual void ShowPreview(const PreviewData& data, bool sameRows) = 0;
  // The save dialog of Export shown, starting at `suggested`; nothing when
  // the operator cancels it.
  virtual std::optional<std::string> ChooseExportFile(const std::string& suggested) = 0;
  // Where the last run's output went, and the folder that holds it (empty:
  // no folder to open).
  virtual void ShowRunOutcome(const std::string& text, const std::string& folder) = 0;
  // One line per log of a batch of dropped logs.
  virtual void ShowBatchResults(const std::vector<std::string>& lines) = 0;

  // Runs the handlers of the window input queued meanwhile, then returns.
  virtual void ProcessPendingInput() = 0;
  // Closes the window, which ends the program.
  virtual void CloseWindow() = 0;
};

}  // namespace zerb
