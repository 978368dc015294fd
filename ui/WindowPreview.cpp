// The main window's areas beside the specified controls: the preview (plot
// and channel list), the outcome of the last run, the results of a batch,
// and the logs dropped on the window.

#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>

#include "styles/UnitText.h"
#include "ui/PlotView.h"
#include "ui/WindowGeometry.h"
#include "ui/zerbb.h"

namespace zerb {

namespace {

using namespace geometry;

QString Latin1(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

QIcon Swatch(const QColor& color) {
  QPixmap pixmap(12, 12);
  pixmap.fill(color);
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

}  // namespace

void TZerbDlg::BuildPreviewArea() {
  plot_ = new PlotView(this);
  outcome_ = new QLabel(this);
  outcome_->setObjectName("runOutcome");
  outcome_->setTextFormat(Qt::PlainText);
  openFolder_ = new QPushButton("Open &Folder", this);
  openFolder_->setObjectName("buttOpenFolder");
  openFolder_->hide();
  connect(openFolder_, &QPushButton::clicked, this,
          [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(folder_.c_str()))); });

  sideTabs_ = new QTabWidget(this);
  sideTabs_->setObjectName("sideTabs");
  channelList_ = new QTreeWidget;
  channelList_->setObjectName("channelList");
  channelList_->setHeaderLabels({"Channel", "Unit", "Type"});
  channelList_->setRootIsDecorated(false);
  channelList_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(channelList_, &QTreeWidget::itemChanged, this, &TZerbDlg::ChannelItemChanged);
  batchList_ = new QListWidget;
  batchList_->setObjectName("batchResults");
  sideTabs_->addTab(channelList_, "Channels");
  sideTabs_->addTab(batchList_, "Dropped logs");
  for (QWidget* w : {static_cast<QWidget*>(plot_), static_cast<QWidget*>(sideTabs_)}) w->hide();
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
  plot_->setGeometry(ControlsWidth, 8, std::max(0, w - ControlsWidth - 7), std::max(0, bottom - 8));
}

void TZerbDlg::Expand() {
  if (expanded_) return;
  expanded_ = true;
  setMinimumSize(GrownMinimum);
  resize(size().expandedTo(GrownSize));
  // Grown from the bare controls' place, the window may reach past the screen.
  if (const QScreen* shown = screen(); shown && isVisible()) {
    const QRect room = shown->availableGeometry();
    const QRect frame = frameGeometry();
    move(std::clamp(frame.x(), room.left(), std::max(room.left(), room.right() - frame.width())),
         std::clamp(frame.y(), room.top(), std::max(room.top(), room.bottom() - frame.height())));
  }
  for (QWidget* w : {static_cast<QWidget*>(plot_), static_cast<QWidget*>(sideTabs_), static_cast<QWidget*>(outcome_)})
    w->show();
  PlaceAreas();
}

void TZerbDlg::ShowPreview(const PreviewData& preview) {
  if (!preview.Empty() || !preview.error.empty()) Expand();
  plot_->SetData(&preview);
  const QSignalBlocker quiet(channelList_);
  channelList_->clear();
  for (std::size_t c = 0; c < preview.channels.size() && !preview.Empty(); ++c) {
    const SeriesChannel& channel = preview.channels[c];
    const std::string_view unit = UnitText(channel.unitsLetter, channel.typeName);
    auto* item = new QTreeWidgetItem(channelList_, {Latin1(channel.name),
                                                    QString::fromUtf8(unit.data(), qsizetype(unit.size())),
                                                    QString::fromLatin1(channel.typeName)});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Checked);
    item->setIcon(0, Swatch(PlotView::ChannelColor(c)));
  }
  if (expanded_) sideTabs_->setCurrentWidget(channelList_);
}

void TZerbDlg::ChannelItemChanged(QTreeWidgetItem* item) {
  const int channel = channelList_->indexOfTopLevelItem(item);
  if (channel >= 0) plot_->SetChannelShown(std::size_t(channel), item->checkState(0) == Qt::Checked);
}

void TZerbDlg::ShowRunOutcome(const std::string& text, const std::string& folder) {
  Expand();
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

void TZerbDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (!controller_.Busy && !DroppedLogs(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TZerbDlg::dropEvent(QDropEvent* event) {
  const QStringList logs = DroppedLogs(event->mimeData());
  if (controller_.Busy || logs.isEmpty()) return;
  event->acceptProposedAction();
  std::vector<std::string> paths;
  for (const QString& log : logs) paths.push_back(QFile::encodeName(log).toStdString());
  controller_.DropFiles(paths);
}

}  // namespace zerb
