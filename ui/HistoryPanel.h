#pragma once
// The History tab: a store opened (an SQLite file, or a PostgreSQL address
// as `--db` takes it), its sites listed as `history` lists them, a site's
// stored series fetched for the plot with its gaps and conflicts, and logs
// imported into it. Every look at the store runs on a worker thread with a
// connection of its own; a result that comes back after the operator has
// moved on (another store, another site) is dropped. The store's address
// and password live only in memory, never on disk or on screen.

#include <QWidget>
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
  // Whether the plot's data is the history fetched last.
  bool Plots(const PreviewData* plotted) const { return shown_ && plotted == &shown_->data; }
  // Work on the store under way.
  bool Busy() const { return running_ > 0; }
  // The history last fetched (its data plotted by HistoryReady); nullptr
  // before the first.
  const SiteHistory* Shown() const { return shown_.get(); }

  // Asks for the password of a server that wants one; nothing when the
  // operator declines. A dialog with the typed text hidden; tests replace it.
  std::function<std::optional<std::string>(const QString& address)> askPassword;

 signals:
  // A site's history to plot: valid until the next HistoryReady.
  void HistoryReady(const zerb::PreviewData& data);
  // One line per log of an import.
  void Imported(const QStringList& lines);

 private:
  template <class Result>
  void Run(std::function<Result()> job, std::function<void(Result)> done);
  void OpenStoreClick();
  void ImportClick();
  void ShowListing(const std::string& address, const std::string& location, StoreListing listing, bool plotFirst);
  void FetchSite(uint32_t site, int64_t from, int64_t to);
  void ShowHistory(std::unique_ptr<SiteHistory> history);
  void SetMessage(const std::string& text);

  std::string location_;  // the open store's, with any password given
  // Bumped by every request whose answer replaces an earlier one's.
  int storeGeneration_ = 0, fetchGeneration_ = 0;
  int running_ = 0;
  std::unique_ptr<SiteHistory> shown_;
  QLineEdit* address_ = nullptr;
  QPushButton* import_ = nullptr;
  QLabel* message_ = nullptr;
  QLabel* busy_ = nullptr;
  QTreeWidget* sites_ = nullptr;
  QListWidget* notes_ = nullptr;
};

}  // namespace zerb
