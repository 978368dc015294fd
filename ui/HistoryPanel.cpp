#include "ui/HistoryPanel.h"

#include <QFile>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "chart/ChartTexts.h"
#include "history/Spans.h"
#include "history/postgres/PgAddress.h"
#include "styles/ZoneClock.h"

namespace zerb {

namespace {

QString Text(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QPushButton* Button(const char* name, const QString& caption, const QString& tip, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(tip);
  return button;
}

std::optional<std::string> PasswordDialog(QWidget* parent, const QString& address) {
  bool given = false;
  const QString password = QInputDialog::getText(parent, "Password", "The server wants a password for\n" + address,
                                                 QLineEdit::Password, {}, &given);
  if (!given) return std::nullopt;
  return password.toStdString();
}

enum SiteColumn { ColSite, ColName, ColFirst, ColLast, ColLogs, ColGaps };

}  // namespace

HistoryPanel::HistoryPanel(QWidget* parent) : QWidget(parent) {
  askPassword = [this](const QString& address) { return PasswordDialog(this, address); };
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(2);
  auto* row = new QHBoxLayout;
  QPushButton* open = Button("buttOpenStore", "Open store...", "An SQLite store file", this);
  address_ = new QLineEdit(this);
  address_->setObjectName("storeAddress");
  address_->setPlaceholderText("postgresql://host/db or host=... dbname=...");
  address_->setToolTip("A PostgreSQL store's address, as --db takes it; Enter connects");
  row->addWidget(open);
  row->addWidget(address_, 1);
  column->addLayout(row);
  auto* state = new QHBoxLayout;
  message_ = new QLabel(this);
  message_->setObjectName("historyMessage");
  message_->setTextFormat(Qt::PlainText);
  message_->setWordWrap(true);
  busy_ = new QLabel("Working...", this);
  busy_->setObjectName("historyBusy");
  busy_->hide();
  import_ = Button("buttImportLogs", "Import logs...", "Logs into the open store, as import stores them", this);
  import_->setEnabled(false);
  state->addWidget(message_, 1);
  state->addWidget(busy_);
  state->addWidget(import_);
  column->addLayout(state);
  sites_ = new QTreeWidget(this);
  sites_->setObjectName("historySites");
  sites_->setHeaderLabels({"Site", "Name", "First reading", "Last reading", "Logs", "Gaps"});
  sites_->setRootIsDecorated(false);
  sites_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  column->addWidget(sites_, 2);
  notes_ = new QListWidget(this);
  notes_->setObjectName("historyNotes");
  column->addWidget(notes_, 1);

  connect(open, &QPushButton::clicked, this, &HistoryPanel::OpenStoreClick);
  connect(address_, &QLineEdit::returnPressed, this, [this] {
    if (!address_->text().trimmed().isEmpty()) OpenLocation(address_->text().trimmed().toStdString());
  });
  connect(import_, &QPushButton::clicked, this, &HistoryPanel::ImportClick);
  connect(sites_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    FetchSite(item->data(ColSite, Qt::UserRole).toUInt(), item->data(ColFirst, Qt::UserRole).toLongLong(),
              item->data(ColLast, Qt::UserRole).toLongLong());
  });
}

HistoryPanel::~HistoryPanel() = default;

template <class Result>
void HistoryPanel::Run(std::function<Result()> job, std::function<void(Result)> done) {
  auto* watcher = new QFutureWatcher<Result>(this);
  connect(watcher, &QFutureWatcher<Result>::finished, this, [this, watcher, done] {
    --running_;
    busy_->setVisible(running_ > 0);
    if (running_ == 0) unsetCursor();
    done(watcher->result());
    watcher->deleteLater();
  });
  ++running_;
  busy_->show();
  setCursor(Qt::BusyCursor);
  watcher->setFuture(QtConcurrent::run(std::move(job)));
}

void HistoryPanel::OpenStoreClick() {
  const QString path = QFileDialog::getOpenFileName(this, "Open store", {}, "SQLite stores (*.db *.sqlite *.sqlite3);;All files (*)");
  // sqlite: keeps a file whose name reads like an address a file.
  if (!path.isEmpty()) OpenLocation("sqlite:" + QFile::encodeName(path).toStdString());
}

void HistoryPanel::OpenLocation(const std::string& location, bool plotFirst) {
  const int generation = ++storeGeneration_;
  ++fetchGeneration_;
  siteOpening_ = false;
  wanted_.reset();
  StopFigures();
  location_.clear();
  import_->setEnabled(false);
  sites_->clear();
  notes_->clear();
  SetMessage("Opening " + RedactedAddress(location) + "...");
  const std::string address = LocateStore(location).postgres ? LocateStore(location).text : location;
  Run<StoreListing>([location] { return ListStore(location); },
                    [this, generation, address, location, plotFirst](StoreListing listing) {
                      if (generation == storeGeneration_) ShowListing(address, location, std::move(listing), plotFirst);
                    });
}

void HistoryPanel::ShowListing(const std::string& address, const std::string& location, StoreListing listing,
                               bool plotFirst) {
  if (listing.passwordWanted) {
    if (const auto password = askPassword(Text(RedactedAddress(address)))) {
      OpenLocation(WithPassword(address, *password), plotFirst);
      return;
    }
  }
  if (!listing.error.empty()) {
    SetMessage(listing.error);
    return;
  }
  location_ = location;
  import_->setEnabled(true);
  SetMessage(listing.sites.empty() ? "The store holds no logs yet." : "Double-click a site to plot its history.");
  for (const SiteSummary& s : listing.sites) {
    auto* item = new QTreeWidgetItem({QString::number(s.site), SiteText(s.name), Text(IsoText(s.first)),
                                      Text(IsoText(s.last)), QString::number(s.imports), QString::number(s.gaps.size())});
    item->setData(ColSite, Qt::UserRole, s.site);
    item->setData(ColFirst, Qt::UserRole, qlonglong(s.first));
    item->setData(ColLast, Qt::UserRole, qlonglong(s.last));
    sites_->addTopLevelItem(item);
  }
  if (plotFirst && !listing.sites.empty()) {
    const SiteSummary& first = listing.sites.front();
    FetchSite(first.site, first.first, first.last);
  }
}

void HistoryPanel::FetchSite(uint32_t site, int64_t first, int64_t last) {
  if (!StoreOpen()) return;
  const int generation = ++fetchGeneration_;
  ++viewGeneration_;
  wanted_.reset();
  StopFigures();
  siteOpening_ = true;
  SetMessage("Reading site " + std::to_string(site) + "...");
  const std::string location = location_;
  const int columns = plotColumns();
  const std::size_t cells = heldCells;
  Run<std::shared_ptr<const SiteHistory>>(
      [location, site, first, last, columns, cells] {
        return std::make_shared<const SiteHistory>(OpenSiteHistory(location, site, first, last, columns, cells));
      },
      [this, generation, location](std::shared_ptr<const SiteHistory> history) {
        if (generation != fetchGeneration_) return;
        siteOpening_ = false;
        if (history->error.empty()) shownFrom_ = location;
        ShowHistory(std::move(history), true);
      });
}

void HistoryPanel::WantView(const ViewRequest& request) {
  if (!shown_ || siteOpening_ || shownFrom_ != location_ || !StoreOpen()) return;
  if (ViewHolds(*shown_, request)) {
    // Back where the view is: what was asked for since is not wanted.
    if (wanted_ || viewRunning_) ++viewGeneration_;
    wanted_.reset();
    if (shown_->envelope && stopFigures_ && *stopFigures_) StartFigures();
    return;
  }
  ++viewGeneration_;
  wanted_ = request;
  StopFigures();
  if (!viewRunning_) StartView();
}

void HistoryPanel::StartView() {
  const ViewRequest request = *wanted_;
  wanted_.reset();
  viewRunning_ = true;
  const int generation = viewGeneration_, site = fetchGeneration_;
  const std::string location = location_;
  const std::shared_ptr<const SiteHistory> frame = shown_;
  Run<std::shared_ptr<const SiteHistory>>(
      [location, frame, request] { return std::make_shared<const SiteHistory>(FetchSiteView(location, *frame, request)); },
      [this, generation, site](std::shared_ptr<const SiteHistory> view) {
        viewRunning_ = false;
        if (site == fetchGeneration_ && generation == viewGeneration_) ShowHistory(std::move(view), false);
        if (wanted_ && site == fetchGeneration_) StartView();
      });
}

void HistoryPanel::ShowHistory(std::shared_ptr<const SiteHistory> history, bool newSite) {
  if (!history->error.empty()) {
    SetMessage(history->error);
    return;
  }
  SetMessage({});
  if (newSite) {
    notes_->clear();
    notes_->addItem(QString("Gaps: %1").arg(history->gaps.size()));
    for (const Gap& gap : history->gaps) notes_->addItem("  " + Text(GapText(gap)));
    int64_t conflicts = 0;
    for (const StoredLog& log : history->logs) conflicts += log.conflicts;
    notes_->addItem(QString("Conflicts: %1").arg(conflicts));
    for (const StoredLog& log : history->logs)
      if (log.conflicts > 0)
        notes_->addItem(QString("  %1: %2").arg(QFile::decodeName(log.path.c_str())).arg(log.conflicts));
  }
  // The plot lets go of the old view before it goes.
  const std::shared_ptr<const SiteHistory> old = std::move(shown_);
  shown_ = std::move(history);
  emit ViewReady(newSite);
  if (shown_->envelope) StartFigures();
}

namespace {

struct RangeFigures {
  std::optional<std::vector<Figures>> figures;
  std::string error;
};

}  // namespace

void HistoryPanel::StartFigures() {
  StopFigures();
  const auto stop = std::make_shared<std::atomic<bool>>(false);
  stopFigures_ = stop;
  const std::string location = location_;
  const std::shared_ptr<const SiteHistory> view = shown_;
  Run<std::shared_ptr<RangeFigures>>(
      [location, view, stop] {
        auto result = std::make_shared<RangeFigures>();
        result->figures = FiguresOfRange(location, *view, *stop, result->error);
        return result;
      },
      [this, view, stop](std::shared_ptr<RangeFigures> result) {
        if (*stop || view != shown_) return;
        if (!result->error.empty()) SetMessage(result->error);
        if (result->figures) emit FiguresReady(*result->figures);
      });
}

void HistoryPanel::StopFigures() {
  if (stopFigures_) *stopFigures_ = true;
}

void HistoryPanel::ExportShown(const std::string& path, int64_t from, int64_t to,
                               const std::vector<std::size_t>& channels, const TableSettings& table,
                               const std::optional<SummaryRequest>& summary) {
  if (!StoreOpen() || !shown_) return;
  SetMessage("Writing " + path + "...");
  const std::string location = location_;
  const uint32_t site = shown_->site;
  Run<std::string>([=] { return ExportHistory(location, site, from, to, channels, table, summary, path); },
                   [this, path](std::string error) { SetMessage(error.empty() ? "Wrote " + path : error); });
}

void HistoryPanel::ImportClick() {
  const QStringList chosen = QFileDialog::getOpenFileNames(this, "Import logs", {}, "Logs (*.log *.LOG);;All files (*)");
  std::vector<std::string> logs;
  for (const QString& log : chosen) logs.push_back(QFile::encodeName(log).toStdString());
  if (!logs.empty()) Import(logs);
}

void HistoryPanel::Import(const std::vector<std::string>& logs) {
  if (!StoreOpen()) return;
  const std::string location = location_;
  SetMessage("Importing " + std::to_string(logs.size()) + " log(s)...");
  Run<std::vector<std::string>>([location, logs] { return ImportLogs(location, logs); },
                                [this, location](std::vector<std::string> lines) {
                                  QStringList shown;
                                  for (const std::string& line : lines) shown << QFile::decodeName(line.c_str());
                                  emit Imported(shown);
                                  if (location == location_) OpenLocation(location);
                                });
}

void HistoryPanel::SetMessage(const std::string& text) { message_->setText(Text(text)); }

}  // namespace zerb
