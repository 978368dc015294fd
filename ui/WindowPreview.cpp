// The main window's areas beside the dialog's own controls: the plot with its
// tools, notes and readings table, the outcome of the last run, the channel
// list and the results of a batch, and the logs dropped on the window.

#include <QComboBox>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/WriteOutput.h"
#include "chart/ChartFiles.h"
#include "chart/Strips.h"
#include "ui/PeriodPreview.h"
#include "ui/PlotView.h"
#if ZERB32_HISTORY
#include "ui/HistoryPanel.h"
#endif
#include "ui/ReadingsTable.h"
#include "ui/WindowGeometry.h"
#include "ui/zerbb.h"

namespace zerb {

namespace {

using namespace geometry;

// A channel's line or lane as the plot draws it.
QIcon Swatch(const LineStyle& style, bool lane) {
  QPixmap pixmap(16, 12);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const QColor color = QColor::fromRgb(QRgb(0xff000000u | style.rgb));
  if (lane) {
    painter.fillRect(QRect(1, 3, 14, 6), color);
  } else {
    static const Qt::PenStyle dashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    painter.setPen(QPen(color, 2, dashes[style.dash % 4]));
    painter.drawLine(0, 6, 16, 6);
  }
  return QIcon(pixmap);
}

// Local .log files among the dragged URLs.
QStringList DroppedLogs(const QMimeData* mime) {
  QStringList logs;
  if (!mime) return logs;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile() && url.toLocalFile().endsWith(".log", Qt::CaseInsensitive)) logs << url.toLocalFile();
  }
  return logs;
}

QPushButton* ToolButton(const char* name, const QString& caption, const QString& tip, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(tip);
  return button;
}

}  // namespace

void TZerbDlg::BuildPreviewArea() {
  plot_ = new PlotView(this);
  plotTools_ = BuildPlotTools();
  notes_ = new QLabel(this);
  notes_->setObjectName("logNotes");
  notes_->setTextFormat(Qt::PlainText);
  notes_->setStyleSheet("QLabel { background: #fff4c2; padding: 1px 4px; }");
  notes_->hide();
  cursorHeading_ = new QLabel(this);
  cursorHeading_->setObjectName("cursorHeading");
  cursorHeading_->setTextFormat(Qt::PlainText);
  readings_ = new ReadingsTable(*plot_, this);
  readingsView_ = new QTableView(this);
  readingsView_->setObjectName("readingsTable");
  readingsView_->setModel(readings_);
  readingsView_->verticalHeader()->hide();
  readingsView_->verticalHeader()->setDefaultSectionSize(readingsView_->fontMetrics().height() + 4);
  readingsView_->setSelectionMode(QAbstractItemView::NoSelection);
  readingsView_->horizontalHeader()->setStretchLastSection(true);
  connect(plot_, &PlotView::RangeChanged, this, [this] {
    readings_->RangeChanged();
    ShowCursorHeading();
    WantHistoryView();
  });
  connect(plot_, &PlotView::Resized, this, &TZerbDlg::WantHistoryView);
  connect(plot_, &PlotView::CursorChanged, this, [this] {
    readings_->CursorChanged();
    ShowCursorHeading();
  });

  outcome_ = new PathLabel(this);
  outcome_->setObjectName("runOutcome");
  outcome_->setTextFormat(Qt::PlainText);
  outcome_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  openFolder_ = new QPushButton("Open &Folder", this);
  openFolder_->setObjectName("buttOpenFolder");
  openFolder_->hide();
  connect(openFolder_, &QPushButton::clicked, this,
          [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(folder_.c_str()))); });

  sideTabs_ = new QTabWidget(this);
  sideTabs_->setObjectName("sideTabs");
  batchList_ = new QListWidget;
  batchList_->setObjectName("batchResults");
  sideTabs_->addTab(BuildChannelPage(), "Channels");
  sideTabs_->addTab(batchList_, "Dropped logs");
  BuildHistoryPage();
  for (QWidget* w : std::initializer_list<QWidget*>{plot_, plotTools_, cursorHeading_, readingsView_, sideTabs_}) w->hide();
}

QWidget* TZerbDlg::BuildPlotTools() {
  auto* tools = new QWidget(this);
  tools->setObjectName("plotTools");
  auto* row = new QHBoxLayout(tools);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(4);
  QPushButton* whole = ToolButton("buttWholeLog", "Whole log", "The whole log (Home)", tools);
  QPushButton* day = ToolButton("buttDay", "Day", "One day around the cursor (D)", tools);
  QPushButton* week = ToolButton("buttWeek", "Week", "One week around the cursor (W)", tools);
  QPushButton* picture = ToolButton("buttSavePicture", "Save &picture...", "The plot as PNG or SVG", tools);
  pictureWidth_ = new QSpinBox(tools);
  pictureWidth_->setObjectName("spinPictureWidth");
  pictureWidth_->setToolTip("The picture's width in pixels");
  pictureWidth_->setRange(0, 20000);
  pictureWidth_->setSingleStep(100);
  pictureWidth_->setSpecialValueText("as shown");
  pictureWidth_->setSuffix(" px");
  QPushButton* exported = ToolButton("buttExportShown", "Export s&hown...",
                                     "The rows of the time shown and the channels ticked, as Convert writes them "
                                     "(CSV in the chosen style)",
                                     tools);
  periodChoice_ = new QComboBox(tools);
  periodChoice_->setObjectName("comboPeriod");
  periodChoice_->setToolTip("Each period's mean, with its lowest and highest reading as a band "
                            "(Export shown writes the period's figures, as --every)");
  for (const char* period : {"No summary", "Hourly", "Daily", "Weekly", "Monthly"}) periodChoice_->addItem(period);
  for (QWidget* w : std::initializer_list<QWidget*>{whole, day, week, periodChoice_}) row->addWidget(w);
  row->addStretch(1);
  for (QWidget* w : std::initializer_list<QWidget*>{picture, pictureWidth_, exported}) row->addWidget(w);
  connect(whole, &QPushButton::clicked, plot_, &PlotView::ShowAll);
  connect(day, &QPushButton::clicked, plot_, [this] { plot_->ShowSpanAroundCursor(86400); });
  connect(week, &QPushButton::clicked, plot_, [this] { plot_->ShowSpanAroundCursor(7 * 86400); });
  connect(picture, &QPushButton::clicked, this, &TZerbDlg::SavePictureClick);
  connect(periodChoice_, &QComboBox::currentIndexChanged, this, [this] {
    PlotWithPeriod(false, true);
    readings_->Rebuild();
    ShowCursorHeading();
  });
  connect(exported, &QPushButton::clicked, this, &TZerbDlg::ExportShownClick);
  return tools;
}

QWidget* TZerbDlg::BuildChannelPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(2);
  auto* row = new QHBoxLayout;
  channelFilter_ = new QLineEdit(page);
  channelFilter_->setObjectName("channelFilter");
  channelFilter_->setPlaceholderText("Filter channels");
  channelFilter_->setClearButtonEnabled(true);
  QPushButton* all = ToolButton("buttAllChannels", "All", "Show every channel the filter lets through", page);
  QPushButton* none = ToolButton("buttNoChannels", "None", "Hide every channel the filter lets through", page);
  row->addWidget(channelFilter_, 1);
  row->addWidget(all);
  row->addWidget(none);
  column->addLayout(row);
  channelList_ = new QTreeWidget(page);
  channelList_->setObjectName("channelList");
  channelList_->setHeaderLabels({"Channel", "Unit", "Type"});
  channelList_->setRootIsDecorated(false);
  channelList_->setUniformRowHeights(true);
  channelList_->header()->setSectionResizeMode(QHeaderView::Interactive);
  column->addWidget(channelList_, 1);
  connect(channelList_, &QTreeWidget::itemChanged, this, &TZerbDlg::ChannelItemChanged);
  connect(channelFilter_, &QLineEdit::textChanged, this, &TZerbDlg::FilterChannels);
  connect(all, &QPushButton::clicked, this, [this] { ShowFilteredChannels(true); });
  connect(none, &QPushButton::clicked, this, [this] { ShowFilteredChannels(false); });
  return page;
}

void TZerbDlg::PlaceAreas() {
  const int w = width(), h = height();
  status_->setGeometry(0, h - StatusHeight, w, StatusHeight);
  if (!expanded_) return;
  const int bottom = h - StatusHeight - 4;
  outcome_->setGeometry(7, ControlsHeight, ControlsWidth - 7 - 90 - 7 - 7, OutcomeHeight - 2);
  openFolder_->setGeometry(ControlsWidth - 7 - 90, ControlsHeight, 90, OutcomeHeight - 2);
  const int listTop = ControlsHeight + OutcomeHeight + 2;
  sideTabs_->setGeometry(7, listTop, ControlsWidth - 14, std::max(0, bottom - listTop));
  // Right of the controls: the tools, the notes, the plot, the readings.
  const int left = ControlsWidth, width = std::max(0, w - ControlsWidth - 7);
  int y = 8;
  plotTools_->setGeometry(left, y, width, ToolsHeight);
  y += ToolsHeight + 4;
  if (!notes_->isHidden()) {
    notes_->setGeometry(left, y, width, NotesHeight);
    y += NotesHeight + 4;
  }
  const int tableHeight = std::clamp((bottom - y) * 3 / 10, ReadingsLeast, ReadingsMost);
  const int plotHeight = std::max(0, bottom - y - tableHeight - HeadingHeight - 4);
  plot_->setGeometry(left, y, width, plotHeight);
  cursorHeading_->setGeometry(left, y + plotHeight + 2, width, HeadingHeight);
  readingsView_->setGeometry(left, y + plotHeight + HeadingHeight + 4, width, std::max(0, bottom - y - plotHeight - HeadingHeight - 4));
}

void TZerbDlg::Expand() {
  if (expanded_) return;
  expanded_ = true;
  // Never beyond the screen's free area, at any scale factor, nor below
  // the bare controls.
  QSize room(GrownSize);
  if (const QScreen* shown = screen()) {
    const QRect free = shown->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    room = free.size() - frame;
  }
  const QSize bare(ClientWidth, ClientHeight);
  setMinimumSize(GrownMinimum.boundedTo(room).expandedTo(bare));
  resize(size().expandedTo(GrownSize).boundedTo(room).expandedTo(bare));
  // Grown from the bare controls' place, the window may reach past the screen.
  if (const QScreen* shown = screen(); shown && isVisible()) {
    const QRect free = shown->availableGeometry();
    const QRect frame = frameGeometry();
    move(std::clamp(frame.x(), free.left(), std::max(free.left(), free.right() - frame.width())),
         std::clamp(frame.y(), free.top(), std::max(free.top(), free.bottom() - frame.height())));
  }
  for (QWidget* w : std::initializer_list<QWidget*>{plot_, plotTools_, cursorHeading_, readingsView_, sideTabs_, outcome_})
    w->show();
  PlaceAreas();
}

void TZerbDlg::ShowPreview(const PreviewData& preview, bool sameRows) {
  if (!preview.Empty() || !preview.error.empty()) Expand();
  // The log's rows on another clock are other rows when a store's were shown.
  if (historyShown_) {
    historyShown_ = false;
    sameRows = false;
    plot_->SetExtent(std::nullopt);
  }
  if (controller_.StoreRowsShown) {
    controller_.StoreRowsShown = false;
    if (!controller_.Busy) controller_.OptionsChanged();
  }
  notes_->setText(QString::fromStdString(preview.note));
  notes_->setHidden(preview.note.empty() || !expanded_);
  base_ = &preview;
  PlotWithPeriod(sameRows, sameRows);
  if (!sameRows) ListChannels(preview.Empty() ? std::vector<SeriesChannel>{} : preview.channels);
  ShowCursorHeading();
  PlaceAreas();
}

void TZerbDlg::ListChannels(const std::vector<SeriesChannel>& channels) {
  {
    const QSignalBlocker quiet(channelList_);
    channelList_->clear();
    const std::vector<LineStyle> styles = LineStyles(channels);
    QList<QTreeWidgetItem*> items;
    for (std::size_t c = 0; c < channels.size(); ++c) {
      const SeriesChannel& channel = channels[c];
      auto* item = new QTreeWidgetItem({SiteText(channel.name), QString::fromStdString(StripUnit(channel)),
                                        QString::fromLatin1(channel.typeName)});
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(0, Qt::Checked);
      item->setIcon(0, Swatch(styles[c], channel.digital));
      items << item;
    }
    channelList_->addTopLevelItems(items);
    for (int column = 0; column < 3; ++column) channelList_->resizeColumnToContents(column);
    FilterChannels(channelFilter_->text());
  }
  readings_->Rebuild();
  readingsView_->resizeColumnsToContents();
  if (expanded_) sideTabs_->setCurrentIndex(0);
}

std::optional<Period> TZerbDlg::ChosenPeriod() const {
  static constexpr Period periods[] = {Period::Hour, Period::Day, Period::Week, Period::Month};
  const int chosen = periodChoice_->currentIndex();
  if (chosen <= 0) return std::nullopt;
  return periods[chosen - 1];
}

void TZerbDlg::PlotWithPeriod(bool sameRows, bool keepShown) {
  if (historyShown_) {
    PlotHistory(false);
    return;
  }
  const std::optional<Period> period = ChosenPeriod();
  if (!period || !base_ || base_->Empty()) {
    plot_->SetData(base_, sameRows);
  } else {
    PlotPeriods(*base_, *period, keepShown);
  }
}

void TZerbDlg::PlotPeriods(const PreviewData& rows, Period period, bool keepShown) {
  periodData_ = PeriodPreview(rows, period);
  std::vector<bool> shown(std::size_t(channelList_->topLevelItemCount()), true);
  for (std::size_t c = 0; c < shown.size(); ++c)
    shown[c] = channelList_->topLevelItem(int(c))->checkState(0) == Qt::Checked;
  plot_->SetData(&periodData_, false);
  if (keepShown && shown.size() == periodData_.channels.size()) plot_->SetChannelsShown(shown);
}

void TZerbDlg::ShowCursorHeading() { cursorHeading_->setText(readings_->Heading()); }

void TZerbDlg::ChannelItemChanged(QTreeWidgetItem* item) {
  const int channel = channelList_->indexOfTopLevelItem(item);
  if (channel < 0) return;
  plot_->SetChannelShown(std::size_t(channel), item->checkState(0) == Qt::Checked);
  readings_->Rebuild();
}

void TZerbDlg::FilterChannels(const QString& text) {
  for (int i = 0; i < channelList_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = channelList_->topLevelItem(i);
    item->setHidden(!text.isEmpty() && !item->text(0).contains(text, Qt::CaseInsensitive));
  }
}

void TZerbDlg::ShowFilteredChannels(bool shown) {
  std::vector<bool> flags(std::size_t(channelList_->topLevelItemCount()));
  {
    const QSignalBlocker quiet(channelList_);
    for (int i = 0; i < channelList_->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = channelList_->topLevelItem(i);
      if (!item->isHidden()) item->setCheckState(0, shown ? Qt::Checked : Qt::Unchecked);
      flags[std::size_t(i)] = item->checkState(0) == Qt::Checked;
    }
  }
  plot_->SetChannelsShown(flags);
  readings_->Rebuild();
}

std::optional<std::string> TZerbDlg::ChooseExportFile(const std::string& suggested) {
  const QString path = QFileDialog::getSaveFileName(this, "Export shown", QFile::decodeName(suggested.c_str()),
                                                    "CSV files (*.csv *.CSV);;All files (*)");
  if (path.isEmpty()) return std::nullopt;
  return QFile::encodeName(path).toStdString();
}

std::optional<SummaryRequest> TZerbDlg::ShownSummary() const {
  const std::optional<Period> period = ChosenPeriod();
  if (!period) return std::nullopt;
  SummaryRequest summary;
  summary.every = *period;
  return summary;
}

void TZerbDlg::ExportShownClick() {
  if (!plot_->Data()) return;
  // Whole seconds inside the range shown, and the channels ticked.
  std::vector<std::size_t> channels;
  for (std::size_t c = 0; c < plot_->Chart().Shown().size(); ++c)
    if (plot_->Chart().Shown()[c]) channels.push_back(c);
  double from = std::ceil(plot_->From()), to = std::floor(plot_->To());
  // Summed up, the periods shown whole: a row stands for its period.
  if (const std::optional<Period> period = ChosenPeriod()) {
    from = double(PeriodStart(*period, int64_t(from)));
    to = double(NextPeriodStart(*period, PeriodStart(*period, int64_t(to))) - 1);
  }
#if ZERB32_HISTORY
  if (historyShown_) {
    const std::optional<TableSettings> table = controller_.ShownTable(ChosenPeriod().has_value());
    if (!table) return;
    const std::string suggested = "site-" + std::to_string(history_->Shown()->site) + "-shown.csv";
    if (const std::optional<std::string> path = ChooseExportFile(suggested))
      history_->ExportShown(*path, int64_t(from), int64_t(to), channels, *table, ShownSummary());
    return;
  }
#endif
  RowSelection shown;
  shown.from = uint32_t(std::clamp(from, 0.0, double(UINT32_MAX)));
  shown.to = uint32_t(std::clamp(to, 0.0, double(UINT32_MAX)));
  shown.channels = channels;
  controller_.ExportShown(shown, ShownSummary());
}

void TZerbDlg::SavePictureClick() {
  if (!plot_->Data()) return;
  const QString suggested = QFile::decodeName(controller_.LogPath.c_str()).section('.', 0, -2) + "-plot.png";
  const QString path = QFileDialog::getSaveFileName(this, "Save picture", suggested,
                                                    "PNG image (*.png);;SVG drawing (*.svg)");
  if (path.isEmpty()) return;
  const std::string file = QFile::encodeName(path).toStdString();
  const PictureFormat format = PictureFormatOf(file).value_or(PictureFormat::Png);
  std::string error;
  if (!WriteWholeText(file, plot_->Picture(format, pictureWidth_->value()).toStdString(), error))
    ShowMessage("Couldn't write", file, error);
}

void TZerbDlg::ShowRunOutcome(const std::string& text, const std::string& folder) {
  if (!text.empty()) Expand();
  const QString shown = QFile::decodeName(text.c_str());
  outcome_->setText(shown);
  outcome_->setToolTip(shown);
  folder_ = folder;
  openFolder_->setVisible(!folder.empty());
}

void TZerbDlg::ShowBatchResults(const std::vector<std::string>& lines) {
  Expand();
  batchList_->clear();
  for (const std::string& line : lines) batchList_->addItem(QFile::decodeName(line.c_str()));
  sideTabs_->setCurrentWidget(batchList_);
}

bool TZerbDlg::ImportsDrops() const {
  return history_ && history_->StoreOpen() && sideTabs_->isVisible() &&
         (sideTabs_->currentWidget() == history_ || sideTabs_->currentWidget() == batchList_);
}

void TZerbDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (!controller_.Busy && !DroppedLogs(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TZerbDlg::dropEvent(QDropEvent* event) {
  const QStringList logs = DroppedLogs(event->mimeData());
  if (controller_.Busy || logs.isEmpty()) return;
  event->acceptProposedAction();
  std::vector<std::string> paths;
  for (const QString& log : logs) paths.push_back(QFile::encodeName(log).toStdString());
  if (ImportsDrops()) {
    history_->Import(paths);
    return;
  }
  controller_.DropFiles(paths);
}

}  // namespace zerb
