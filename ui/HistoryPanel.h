#pragma once
// The History tab: a store opened (an SQLite file, or a PostgreSQL address
// as `--db` takes it), its sites listed as `history` lists them, a site's
// stored series fetched for the plot with its gaps and conflicts, and logs
// imported into it. Every look at the store runs on a worker thread with a
// connection of its own; a result that comes back after the operator has
// moved on (another store, another site, another range) is dropped. The
// plot's view of a site is fetched for the range it shows (HistoryView.h):
// while one fetch runs, the requests made meanwhile replace one another and
// only the newest is fetched when it ends. The store's address and password
// live only in memory, never on disk or on screen.

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/HistoryJobs.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace zerb {

class HistoryPanel : public QWidget {
  Q_OBJECT
 public:
  explicit HistoryPanel(QWidget* parent);
  ~HistoryPanel() override;

  // Opens the store at `location` (as `--db` takes it) and lists its sites;
  // with plotFirst, the first site's history is fetched once listed.
  void OpenLocation(const std::string& location, bool plotFirst = false);
  bool StoreOpen() const { return !location_.empty(); }
  // Imports the logs into the open store; the lines come by Imported, and
  // the sites are listed again.
  void Import(const std::vector<std::string>& logs);
  // Writes the shown site's rows in [from, to] and the channels as `table`
  // lays them out (a summary's figures per period, when given) into
  // `path`; the outcome is said in the tab.
  void ExportShown(const std::string& path, int64_t from, int64_t to, const std::vector<std::size_t>& channels,
                   const TableSettings& table, const std::optional<SummaryRequest>& summary);
  // The view of the shown site for the range the plot shows: fetched
  // unless the view shown already draws it.
  void WantView(const ViewRequest& request);
  // Work on the store under way.
  bool Busy() const { return running_ > 0; }
  // The view last fetched (plotted on ViewReady); nullptr before the first.
  const SiteHistory* Shown() const { return shown_.get(); }

  // The most values of a site's rows held in memory (HeldCellsMost): a
  // site with more is fetched from the store at every view.
  std::size_t heldCells = HeldCellsMost;

  // The plot's width in pixel columns, for a site's first view.
  std::function<int()> plotColumns = [] { return 1000; };

  // Asks for the password of a server that wants one; nothing when the
  // operator declines. A dialog with the typed text hidden; tests replace it.
  std::function<std::optional<std::string>(const QString& address)> askPassword;

 signals:
  // A view of a site to plot (Shown(): valid until the next ViewReady);
  // newSite: of another site than the view before.
  void ViewReady(bool newSite);
  // The figures per channel over the range of the envelope shown (whose
  // data holds no rows to work them out from).
  void FiguresReady(const std::vector<zerb::Figures>& figures);
  // One line per log of an import.
  void Imported(const QStringList& lines);

 private:
  template <class Result>
  void Run(std::function<Result()> job, std::function<void(Result)> done);
  void OpenStoreClick();
  void ImportClick();
  void ShowListing(const std::string& address, const std::string& location, StoreListing listing, bool plotFirst);
  void FetchSite(uint32_t site, int64_t from, int64_t to);
  void StartView();
  void ShowHistory(std::shared_ptr<const SiteHistory> history, bool newSite);
  void StartFigures();
  void StopFigures();
  void SetMessage(const std::string& text);

  std::string location_;  // the open store's, with any password given
  // Bumped by every request whose answer replaces an earlier one's.
  int storeGeneration_ = 0, fetchGeneration_ = 0, viewGeneration_ = 0;
  int running_ = 0;
  bool siteOpening_ = false, viewRunning_ = false;
  std::optional<ViewRequest> wanted_;  // to fetch once the running fetch ends
  std::shared_ptr<const SiteHistory> shown_;
  std::string shownFrom_;  // the location of the store shown_ came from
  std::shared_ptr<std::atomic<bool>> stopFigures_;  // of the figures being worked out
  QLineEdit* address_ = nullptr;
  QPushButton* import_ = nullptr;
  QLabel* message_ = nullptr;
  QLabel* busy_ = nullptr;
  QTreeWidget* sites_ = nullptr;
  QListWidget* notes_ = nullptr;
};

}  // namespace zerb
