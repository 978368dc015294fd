#pragma once
// The main window: the controls, their arrangement and the two-panel status
// bar. Every event goes to the conversion controller; the window keeps no
// decisions of its own, only how things are shown.

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "summary/SummaryRequest.h"
#include "ui/Controller.h"
#include "ui/WindowOps.h"

class QButtonGroup;
class QComboBox;
class QFileDialog;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace zerb {

class HistoryPanel;
class PlotView;
class ReadingsTable;

// A label whose text, a path, is drawn elided in the middle when it is
// wider than the label, so the file name stays in sight; text() and the
// tooltip keep the whole text.
class PathLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A push button whose caption, a path, is drawn elided in the middle when
// it is wider than the button, so the file name stays in sight; text() and
// the tooltip keep the whole path.
class PathButton : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A titled group of radio buttons with one selected item.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& title, const QStringList& items, QWidget* parent);
  // The selected item, 0 for the first; -1 when none is.
  int ItemIndex() const;
  void SetItemIndex(int index);

 signals:
  // The operator or the program selected another item.
  void ItemChanged(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QButtonGroup* buttons_;
};

// A status bar of two panels: panel 0 holds the status line and half the
// width; panel 1, the rest, is covered by a hosted widget (the progress bar).
class StatusBar : public QWidget {
  Q_OBJECT
 public:
  explicit StatusBar(QWidget* parent);
  void SetPanelText(const QString& text);
  QString PanelText() const { return text_; }
  // The rectangle of panel 0 or 1 in the bar's coordinates.
  QRect PanelRect(int panel) const;
  // From now on the widget belongs to the bar and covers panel 1.
  void HostInLastPanel(QWidget* widget);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Panel 0 takes half the bar, rounded toward zero.
  void statusResize();
  // Places the hosted widget over panel 1's rectangle.
  void statusDrawPanel();

  QString text_;
  int panel0Width_ = 0;
  QWidget* hosted_ = nullptr;
};

class TZerbDlg : public QDialog, public WindowOps {
  Q_OBJECT
 public:
  // The first command-line argument, if any, opens when the window shows.
  explicit TZerbDlg(std::optional<std::string> firstArgument = std::nullopt, QWidget* parent = nullptr);
  ~TZerbDlg() override;

  ZerbController& Controller() { return controller_; }
  // The History tab; nullptr in a build without history stores.
  HistoryPanel* History() const { return history_; }
  // Grows the window and brings the History tab up (Ctrl+H).
  void ShowHistoryTab();
  // The History tab open on the store at `location`, its first site plotted.
  void OpenHistory(const std::string& location);

  void SetWindowCaption(const std::string& text) override;
  void SetCaption(Control control, const std::string& text) override;
  std::string Text(Control control) override;
  void SetText(Control control, const std::string& text) override;
  bool Checked(Control control) override;
  void SetChecked(Control control, bool checked) override;
  int ItemIndex(Control control) override;
  void SetItemIndex(Control control, int index) override;
  void SetEnabled(Control control, bool enabled) override;
  void SetProgressMax(uint32_t maximum) override;
  // Recorded at once, drawn at the next look at the input or status change.
  void SetProgressPosition(uint32_t position) override;
  // Brings the progress bar up to date first.
  void SetStatusText(const std::string& text) override;
  // The reason, when there is one, is the box's informative text.
  void ShowMessage(const std::string& text, const std::string& caption, const std::string& reason) override;
  void ShowError(const std::string& text) override;
  std::optional<std::string> ChooseLogFile() override;
  // Called after every entry: looks at the input queue only once a time
  // slice has passed since the last look (see ProcessPendingInputNow).
  void ProcessPendingInput() override;
  void CloseWindow() override;
  // The first preview or result widens the window from the bare controls to
  // room for the preview.
  void ShowPreview(const PreviewData& data, bool sameRows) override;
  std::optional<std::string> ChooseExportFile(const std::string& suggested) override;
  void ShowRunOutcome(const std::string& text, const std::string& folder) override;
  void ShowBatchResults(const std::vector<std::string>& lines) override;

 protected:
  // The first show runs the start-up (FormCreate).
  void showEvent(QShowEvent* event) override;
  // Asks the controller: during a run the close waits for its end.
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Log files dropped on the window go to the controller; nothing is taken
  // during a run.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // Dropped logs go into the open store while the History tab (or the list
  // of what went in) is in front; otherwise they are converted.
  bool ImportsDrops() const;
  // Esc presses Exit.
  void reject() override;
  // Draws the progress bar's position and handles all queued input.
  void ProcessPendingInputNow();

 private:
  void BuildControls();
  void BuildPreviewArea();
  QWidget* BuildPlotTools();
  QWidget* BuildChannelPage();
  void BuildHistoryPage();
  // The History tab's view of a site plotted (newSite: the channels
  // listed anew), the History tab kept in front.
  void ShowHistory(bool newSite);
  // The view shown of the store's site: its rows, its summary per pixel
  // column or, with a period chosen, its rows summed up per period once
  // every row is there. fresh: every channel shown, the whole range.
  void PlotHistory(bool fresh);
  // The store's view wanted for the plot's range and width, while a store's
  // site is shown.
  void WantHistoryView();
  void ListChannels(const std::vector<SeriesChannel>& channels);
  void BuildStyleChoice();
  void SetTabOrder();
  // The controls keep their places at the top left; below them the run's
  // outcome and the channel and result lists, right of them the plot.
  void PlaceAreas();
  void Expand();
  void ChannelItemChanged(QTreeWidgetItem* item);
  // All or none of the channels the filter lets through.
  void ShowFilteredChannels(bool shown);
  void FilterChannels(const QString& text);
  void ExportShownClick();
  void SavePictureClick();
  void ShowCursorHeading();
  // The data last given to ShowPreview, plotted as it is or, with a period
  // chosen, summed up per period; keepShown keeps the channels ticked in
  // the list shown (the list is of this data).
  void PlotWithPeriod(bool sameRows, bool keepShown = false);
  void PlotPeriods(const PreviewData& rows, Period period, bool keepShown);
  std::optional<Period> ChosenPeriod() const;
  // The summary Export shown writes with a period chosen.
  std::optional<SummaryRequest> ShownSummary() const;
  QWidget* Find(Control control) const;

  void buttLogClick();
  void buttConvertClick();
  void buttExitClick();

  std::optional<std::string> firstArgument_;
  bool created_ = false;
  uint32_t progressPosition_ = 0;
  unsigned callsSinceClock_ = 0;
  std::chrono::steady_clock::time_point lastInput_{};
  StatusBar* status_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QFileDialog* dlgOpenLog_ = nullptr;
  PlotView* plot_ = nullptr;
  QWidget* plotTools_ = nullptr;
  QSpinBox* pictureWidth_ = nullptr;
  QLabel* notes_ = nullptr;
  QLabel* cursorHeading_ = nullptr;
  QTableView* readingsView_ = nullptr;
  ReadingsTable* readings_ = nullptr;
  QTabWidget* sideTabs_ = nullptr;
  QLineEdit* channelFilter_ = nullptr;
  QTreeWidget* channelList_ = nullptr;
  QListWidget* batchList_ = nullptr;
  HistoryPanel* history_ = nullptr;
  QComboBox* periodChoice_ = nullptr;
  const PreviewData* base_ = nullptr;
  bool historyShown_ = false;  // the plot shows a view of the History tab's site
  PreviewData periodData_;
  PathLabel* outcome_ = nullptr;
  QPushButton* openFolder_ = nullptr;
  std::string folder_;
  bool expanded_ = false;
  // Last: destroyed first, while the controls it may still name exist.
  ZerbController controller_{*this};
};

// The main window, once the program has made it.
extern TZerbDlg* ZerbDlg;

}  // namespace zerb
