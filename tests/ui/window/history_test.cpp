// The History tab, headless, against real stores: an SQLite file and, run
// inside the throw-away PostgreSQL cluster, a database on it. The stores are
// made by the command line's import of logs from the project's log writer,
// and what the window shows is held against what `history` and `export`
// print for the same store.

#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>
#include <cmath>
#include <filesystem>

#include "../ui_files.h"
#include "history/Spans.h"
#include "styles/ZoneClock.h"
#include "support/Process.h"
#include "ui/HistoryPanel.h"
#include "ui/PlotView.h"
#include "ui/ReadingsTable.h"
#include "ui/zerbb.h"

namespace zerb {
namespace {

using testfiles::TempDir;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string Cli(const std::vector<std::string>& args) {
  const test::ProcessResult run = test::RunProcess(ZERB32_CLI, args);
  if (run.exitCode != 0) qFatal("zerb32-cli failed: %s", run.err.c_str());
  return run.out;
}

std::string Psql(const std::string& sql, const std::string& database = Env("ZERB32_PG_URI")) {
  return test::RunProcess(Env("ZERB32_PG_BINDIR") + "/psql", {"-X", "-q", "-At", "-d", database, "-c", sql}).out;
}

// A new database on the test cluster, as `user`.
std::string NewPgStore(const std::string& user = "zerb32") {
  static int count = 0;
  const std::string name = "zerb32_window_" + std::to_string(getpid()) + "_" + std::to_string(++count);
  Psql("CREATE DATABASE " + name);
  Psql("GRANT ALL ON DATABASE " + name + " TO " + user);
  return "postgresql:///" + name + "?host=" + Env("ZERB32_PG_SOCKET") + "&port=" + Env("ZERB32_PG_PORT") +
         "&user=" + user;
}

// Site 42's logs in folders of their own, each a day after the other with
// two hours missing between them: a log of `rows` five-minute rows.
std::string WriteSiteLog(const TempDir& dir, int day, int rows) {
  const std::string folder = dir.File("download" + std::to_string(day));
  std::filesystem::create_directories(folder);
  LogSource source;
  source.description = "Boiler house";
  source.interval = 300;
  source.pcTime = 1700000000 + uint32_t(day) * (uint32_t(rows) * 300 + 7200);
  source.sensorSlotsA = {1, 2};
  source.outputSlotsA = {9};
  for (int r = 0; r < rows; ++r)
    source.rows.push_back({int16_t(200 + (r + day) % 37), int16_t(210 + 3 * (r % 9)), int16_t((r / 5) % 2)});
  if (!WriteLogFile(folder + "/42.log", MakeLogImage(source))) qFatal("cannot write the log");
  testfiles::WriteSite(folder + "/42.STE", "Riverside");
  return folder + "/42.log";
}

// The store with `logs` imported by the command line.
std::string Filled(const std::string& store, const std::vector<std::string>& logs) {
  std::vector<std::string> args{"import", "--db", store, "-q"};
  args.insert(args.end(), logs.begin(), logs.end());
  Cli(args);
  return store;
}

template <class T>
T* Child(QWidget* window, const char* name) {
  T* child = window->findChild<T*>(name);
  if (!child) qFatal("no control %s", name);
  return child;
}

QString Message(QWidget* window) { return Child<QLabel>(window, "historyMessage")->text(); }

// Site 42's every row, an empty row opening each gap, as a log's plot holds them.
PreviewData EveryRow(const std::string& store) {
  const std::unique_ptr<Store> opened = OpenStore(store, StoreAccess::ReadOnly);
  PreviewData rows = LoadPreview(*opened->Export(42, INT64_MIN, INT64_MAX));
  InsertEmptyRows(rows, GapBreaks(FindGaps(opened->Spans(42, INT64_MIN, INT64_MAX))));
  return rows;
}

// The window with Export shown's dialog answered by the test.
class ExportDlg : public TZerbDlg {
 public:
  std::string exportTo;
  std::optional<std::string> ChooseExportFile(const std::string&) override { return exportTo; }
};

// The window with its History tab open on `store`, once the sites are listed.
struct HistoryWindow {
  ExportDlg window;
  HistoryPanel& panel = *window.History();
  explicit HistoryWindow(const std::string& store) {
    window.show();
    window.ShowHistoryTab();
    if (!store.empty()) Open(store);
  }
  bool Open(const std::string& store) {
    panel.OpenLocation(store);
    return QTest::qWaitFor([this] { return !panel.Busy(); }, 20000);
  }
  QTreeWidget* Sites() { return Child<QTreeWidget>(&window, "historySites"); }
  // Plots the first site; true once fetched.
  bool PlotFirstSite() {
    emit Sites()->itemActivated(Sites()->topLevelItem(0), 0);
    return QTest::qWaitFor([this] { return !panel.Busy(); }, 20000);
  }
  QStringList Notes() {
    QStringList lines;
    for (QListWidgetItem* item : Child<QListWidget>(&window, "historyNotes")->findItems("*", Qt::MatchWildcard))
      lines << item->text();
    return lines;
  }
};

class HistoryTest : public QObject {
  Q_OBJECT
  TempDir dir;
  std::vector<std::string> logs;

  std::vector<std::string> longLogs;

  void addStoreRows() {
    QTest::addColumn<std::string>("store");
    if (logs.empty())
      for (int day = 0; day < 3; ++day) logs.push_back(WriteSiteLog(dir, day, 40));
    addStores(logs, "");
  }
  int stores = 0;
  // A row per store engine holding `imported`, with the `extra` columns.
  template <class... Extra>
  void addStores(const std::vector<std::string>& imported, const std::string& name, const Extra&... extra) {
    const std::string file = dir.File("store" + std::to_string(++stores) + ".db");
    ((QTest::newRow(("sqlite" + name).c_str()) << Filled(file, imported)) << ... << extra);
    if (!Env("ZERB32_PG_URI").empty())
      ((QTest::newRow(("postgresql" + name).c_str()) << Filled(NewPgStore(), imported)) << ... << extra);
  }
  // Logs long enough that their whole span is drawn from the store's
  // summary per pixel column.
  const std::vector<std::string>& LongLogs() {
    if (longLogs.empty())
      for (int day = 10; day < 13; ++day) longLogs.push_back(WriteSiteLog(dir, day, 2000));
    return longLogs;
  }

 private slots:
  void sitesAsHistoryListsThem_data() { addStoreRows(); }
  void sitesAsHistoryListsThem() {
    QFETCH(std::string, store);
    HistoryWindow w(store);
    QCOMPARE(w.Sites()->topLevelItemCount(), 1);
    const QTreeWidgetItem* site = w.Sites()->topLevelItem(0);
    const QString listed = QString::fromStdString(Cli({"history", "--db", store}));
    QCOMPARE(site->text(0), "42");
    QVERIFY(listed.contains("Site 42: " + site->text(1)));
    QVERIFY(listed.contains("From " + site->text(2) + " to " + site->text(3)));
    QVERIFY(listed.contains(QString("Logs: %1,").arg(site->text(4))));
    QVERIFY(listed.contains("Gaps: " + site->text(5)));
    QCOMPARE(site->text(5), "2");
  }

  // The plot holds export's rows, with an empty row opening each gap that
  // `history` lists, and the gaps listed as it lists them.
  void plotIsTheExportWithItsGaps_data() { addStoreRows(); }
  void plotIsTheExportWithItsGaps() {
    QFETCH(std::string, store);
    HistoryWindow w(store);
    QVERIFY(w.PlotFirstSite());
    const PreviewData* data = w.window.findChild<PlotView*>()->Data();
    QVERIFY(data && data == &w.panel.Shown()->data);
    QStringList rows = QString::fromStdString(Cli({"export", "--db", store, "--site", "42", "--style", "pandas",
                                                   "--units", "off", "-o", "-"}))
                           .remove('\r')
                           .split('\n', Qt::SkipEmptyParts);
    rows.removeFirst();
    QStringList shown;
    std::size_t empty = 0;
    for (std::size_t r = 0; r < data->times.size(); ++r) {
      QStringList fields{QString::fromStdString(TimeText(data->times[r])).replace(' ', 'T')};
      bool any = false;
      for (std::size_t c = 0; c < data->channels.size(); ++c) {
        const float v = data->values[c][r];
        any = any || !std::isnan(v);
        fields << (std::isnan(v) ? "" : QString::fromStdString(ValueText(v, data->channels[c].exponent)));
      }
      if (any) shown << fields.join(',');
      else ++empty;
    }
    QCOMPARE(shown, rows);
    QCOMPARE(empty, std::size_t(2));
    // Export shown: the command line's export of the same range.
    PlotView* plot = w.window.findChild<PlotView*>();
    plot->ShowRange(double(data->times[5]), double(data->times[60]));
    w.window.exportTo = dir.File("shown.csv");
    QTest::mouseClick(Child<QPushButton>(&w.window, "buttExportShown"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !w.panel.Busy(); }, 20000));
    QCOMPARE(test::ReadFile(dir.File("shown.csv")),
             Cli({"export", "--db", store, "--site", "42", "--from", TimeText(data->times[5]), "--to",
                  TimeText(data->times[60]), "-q", "-o", "-"}));
    const QString history = QString::fromStdString(Cli({"history", "--db", store}));
    const QStringList notes = w.Notes();
    QCOMPARE(notes.first(), "Gaps: 2");
    for (int g = 1; g <= 2; ++g) QVERIFY2(history.contains(notes[g].trimmed()), qPrintable(notes[g]));
    QCOMPARE(plot->Chart().Gaps().size(), std::size_t(2));
    for (const auto& [after, before] : plot->Chart().Gaps())
      QVERIFY(history.contains(QString::fromStdString("after " + IsoText(after) + " until " + IsoText(before))));
  }

  // A period chosen: each period's mean with its lowest and highest
  // reading as a band, and Export shown writes what --every writes.
  void periodsAsSummaries() {
    if (logs.empty()) logs = {WriteSiteLog(dir, 0, 40)};
    const std::string store = Filled(dir.File("periods.db"), logs);
    HistoryWindow w(store);
    QVERIFY(w.PlotFirstSite());
    const PreviewData rows = w.panel.Shown()->data;
    Child<QComboBox>(&w.window, "comboPeriod")->setCurrentIndex(1);  // hourly
    const PreviewData* hours = w.window.findChild<PlotView*>()->Data();
    QVERIFY(hours != &w.panel.Shown()->data);
    QCOMPARE(hours->times.front() % 3600, 0);
    for (std::size_t c = 0; c < rows.channels.size(); ++c) {
      if (rows.channels[c].digital) continue;
      double sum = 0, low = 1e300, high = -1e300;
      int count = 0;
      for (std::size_t r = 0; r < rows.times.size() && rows.times[r] < hours->times[0] + 3600; ++r)
        if (!std::isnan(rows.values[c][r])) sum += rows.values[c][r], ++count,
            low = std::min(low, double(rows.values[c][r])), high = std::max(high, double(rows.values[c][r]));
      QCOMPARE(hours->values[c][0], float(sum / count));
      QCOMPARE(hours->lows[c][0], float(low));
      QCOMPARE(hours->highs[c][0], float(high));
    }
    Child<QComboBox>(&w.window, "cbxStyle")->setCurrentText("pandas");
    w.window.exportTo = dir.File("hours.csv");
    QTest::mouseClick(Child<QPushButton>(&w.window, "buttExportShown"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !w.panel.Busy(); }, 20000));
    QCOMPARE(test::ReadFile(dir.File("hours.csv")),
             Cli({"export", "--db", store, "--site", "42", "--every", "1h", "--style", "pandas", "--from", TimeText(rows.times.front()),
                  "--to", TimeText(rows.times.back()), "-q", "-o", "-"}));
  }

  // Dropped on the History tab, logs go into the store, each with its
  // outcome in the Dropped logs list, and the sites are listed again.
  void dropImports() {
    if (logs.empty()) logs = {WriteSiteLog(dir, 0, 40), WriteSiteLog(dir, 1, 40)};
    const std::string store = Filled(dir.File("dropped.db"), {logs[0]});
    testfiles::WriteText(dir.File("broken.log"), "not a log");
    HistoryWindow w(store);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(logs[0])), QUrl::fromLocalFile(QString::fromStdString(logs[1])),
                  QUrl::fromLocalFile(QString::fromStdString(dir.File("broken.log")))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&w.window, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&w.window, &drop);
    QVERIFY(w.panel.Busy());
    QVERIFY(QTest::qWaitFor([&] { return !w.panel.Busy() && w.Sites()->topLevelItemCount() == 1; }, 20000));
    const QListWidget* list = Child<QListWidget>(&w.window, "batchResults");
    QCOMPARE(list->count(), 3);
    QVERIFY(list->item(0)->text().startsWith("skipped " + QString::fromStdString(logs[0]) + ": already"));
    QVERIFY(list->item(1)->text().startsWith("stored " + QString::fromStdString(logs[1]) + " (site 42"));
    QVERIFY(list->item(2)->text().startsWith("refused "));
    QVERIFY(list->item(2)->text().endsWith("nothing of it was stored"));
    QCOMPARE(w.Sites()->topLevelItem(0)->text(4), "2");
  }

  // What can't be opened or read: one sentence in the tab, the window
  // still works (a good store opens after it), and no store file changes.
  void badInputIsOneMessage_data() {
    QTest::addColumn<std::string>("store");
    QTest::addColumn<QString>("said");
    testfiles::WriteText(dir.File("notes.txt"), "not a store\n");
    QTest::newRow("not a store") << dir.File("notes.txt") << "not";
    std::filesystem::copy_file(Filled(dir.File("newer.db"), {WriteSiteLog(dir, 5, 10)}), dir.File("newer.db.bak"));
    const QString sqlite3 = QStandardPaths::findExecutable("sqlite3");
    if (!sqlite3.isEmpty()) test::RunProcess(sqlite3.toStdString(), {dir.File("newer.db"), "PRAGMA user_version = 999"});
    if (test::ReadFile(dir.File("newer.db")) != test::ReadFile(dir.File("newer.db.bak")))
      QTest::newRow("newer schema") << dir.File("newer.db") << "newer";
    QTest::newRow("no server") << std::string("postgresql:///none?host=" + dir.File("nosocket") + "&password=s3cret")
                               << "cannot connect";
  }
  void badInputIsOneMessage() {
    QFETCH(std::string, store);
    QFETCH(QString, said);
    const bool file = std::filesystem::exists(store);
    const std::string before = file ? test::ReadFile(store) : "";
    HistoryWindow w(store);
    QVERIFY2(Message(&w.window).contains(said), qPrintable(Message(&w.window)));
    QVERIFY(!Message(&w.window).contains('\n') && !Message(&w.window).contains("s3cret"));
    QCOMPARE(w.Sites()->topLevelItemCount(), 0);
    QVERIFY(!Child<QPushButton>(&w.window, "buttImportLogs")->isEnabled());
    if (file) QVERIFY(test::ReadFile(store) == before);
    if (logs.empty()) logs = {WriteSiteLog(dir, 0, 40)};
    QVERIFY(w.Open(Filled(dir.File("good.db"), logs)));
    QCOMPARE(w.Sites()->topLevelItemCount(), 1);
  }

  // A server that wants a password gets the one typed in the dialog; it is
  // never shown, and declining leaves the store closed with the reason.
  void passwordAskedFor() {
    if (Env("ZERB32_PG_SECRET_USER").empty()) QSKIP("no test cluster");
    const std::string store = Filled(NewPgStore(), {WriteSiteLog(dir, 0, 10)});
    Psql("GRANT SELECT ON ALL TABLES IN SCHEMA public TO " + Env("ZERB32_PG_SECRET_USER"), store);
    const std::string address = store.substr(0, store.rfind("&user=")) + "&user=" + Env("ZERB32_PG_SECRET_USER");
    for (const bool given : {false, true}) {
      HistoryWindow w("");
      QStringList asked;
      w.panel.askPassword = [&](const QString& shown) -> std::optional<std::string> {
        asked << shown;
        if (!given || asked.size() > 1) return std::nullopt;
        return Env("ZERB32_PG_SECRET_PASSWORD");
      };
      QVERIFY(w.Open(address));
      QVERIFY2(asked.size() == 1, qPrintable(Message(&w.window)));
      QVERIFY2(w.Sites()->topLevelItemCount() == (given ? 1 : 0), qPrintable(Message(&w.window)));
      QVERIFY(!Message(&w.window).contains(QString::fromStdString(Env("ZERB32_PG_SECRET_PASSWORD"))));
      QVERIFY(!asked.first().contains(QString::fromStdString(Env("ZERB32_PG_SECRET_PASSWORD"))));
    }
  }

  // The server ends the fetch's connection while it waits on a lock: the
  // tab says so once, and the next fetch works.
  void droppedConnectionWhileFetching() {
    if (Env("ZERB32_PG_URI").empty()) QSKIP("no test cluster");
    const std::string store = Filled(NewPgStore(), {WriteSiteLog(dir, 0, 40)});
    HistoryWindow w(store);
    const std::string database = store.substr(14, store.find('?') - 14);
    QProcess locker;
    locker.start(QString::fromStdString(Env("ZERB32_PG_BINDIR") + "/psql"),
                 {"-X", "-q", "-d", QString::fromStdString(store), "-c",
                  "BEGIN; LOCK TABLE readings IN ACCESS EXCLUSIVE MODE; SELECT pg_sleep(60);"});
    QVERIFY(QTest::qWaitFor([&] { return Psql("SELECT count(*) FROM pg_locks WHERE mode = 'AccessExclusiveLock' AND granted AND relation IS NOT NULL") != "0\n"; }, 20000));
    emit w.Sites()->itemActivated(w.Sites()->topLevelItem(0), 0);
    QVERIFY(QTest::qWaitFor([&] {
      return Psql("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + database +
                  "' AND wait_event_type = 'Lock'") == "t\n";
    }, 20000));
    QVERIFY(QTest::qWaitFor([&] { return !w.panel.Busy(); }, 20000));
    QVERIFY(!Message(&w.window).isEmpty());
    QVERIFY(!Message(&w.window).contains('\n'));
    QVERIFY(w.panel.Shown() == nullptr);
    Psql("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE query LIKE '%pg_sleep(60)%' AND pid <> pg_backend_pid()");
    locker.waitForFinished();
    QVERIFY(w.PlotFirstSite());
    QVERIFY(w.panel.Shown() && !w.panel.Shown()->data.Empty());
  }

  // Drawn from the store's summary per pixel column, the plot is the
  // picture of the rows over the same range, with the same figures.
  void summaryDrawsWhatTheRowsDraw_data() {
    QTest::addColumn<std::string>("store");
    QTest::addColumn<double>("shown");  // of the whole span, about its middle
    addStores(LongLogs(), " whole", 1.0);
    addStores(LongLogs(), " zoomed", 0.7);
  }
  void summaryDrawsWhatTheRowsDraw() {
    QFETCH(std::string, store);
    QFETCH(double, shown);
    HistoryWindow w(store);
    QVERIFY(w.PlotFirstSite());
    PlotView* plot = w.window.findChild<PlotView*>();
    const double first = plot->From(), span = plot->To() - first;
    plot->ShowRange(first + span * (1 - shown) / 2, first + span * (1 + shown) / 2);
    QVERIFY(QTest::qWaitFor([&] { return !w.panel.Busy(); }, 20000));
    QVERIFY(w.panel.Shown()->envelope);
    const PreviewData rows = EveryRow(store);
    PlotView rowsPlot(nullptr);
    rowsPlot.resize(plot->size());
    rowsPlot.setFont(plot->font());
    rowsPlot.SetData(&rows);
    rowsPlot.SetGaps(GapStretches(w.panel.Shown()->gaps));
    rowsPlot.ShowRange(plot->From(), plot->To());
    QVERIFY(plot->Picture(PictureFormat::Png) == rowsPlot.Picture(PictureFormat::Png));
    ReadingsTable rowsTable(rowsPlot, nullptr);
    rowsTable.Rebuild();
    const auto* table = static_cast<ReadingsTable*>(Child<QTableView>(&w.window, "readingsTable")->model());
    QCOMPARE(table->rowCount(), rowsTable.rowCount());
    for (int row = 0; row < table->rowCount(); ++row)
      for (int column = ReadingsTable::Lowest; column < ReadingsTable::Columns; ++column)
        QCOMPARE(table->Text(row, column), rowsTable.Text(row, column));
  }

  // Zooming in fetches the narrower range; of requests made quickly one
  // after another only the last is fetched once the running one ends.
  void zoomFetchesTheLastRangeAskedFor_data() {
    QTest::addColumn<std::string>("store");
    addStores(LongLogs(), "");
  }
  void zoomFetchesTheLastRangeAskedFor() {
    QFETCH(std::string, store);
    HistoryWindow w(store);
    QVERIFY(w.PlotFirstSite());
    PlotView* plot = w.window.findChild<PlotView*>();
    const ViewRequest whole = w.panel.Shown()->request;
    QSignalSpy shown(&w.panel, &HistoryPanel::ViewReady);
    for (const double factor : {0.8, 0.6, 0.5}) plot->ZoomAround((plot->From() + plot->To()) / 2, factor);
    QVERIFY(w.panel.Busy());
    QVERIFY(QTest::qWaitFor([&] { return !w.panel.Busy(); }, 20000));
    QCOMPARE(shown.count(), 1);
    const ViewRequest now = w.panel.Shown()->request;
    QCOMPARE(now.from, int64_t(std::floor(plot->From())));
    QCOMPARE(now.to, int64_t(std::ceil(plot->To())));
    QVERIFY(4 * (now.to - now.from) < whole.to - whole.from);
  }

  // The server ends a zoom's fetch while it waits on a lock: the tab says
  // so once, the plot keeps what it showed, and the next zoom is fetched.
  void droppedConnectionWhileZooming() {
    if (Env("ZERB32_PG_URI").empty()) QSKIP("no test cluster");
    const std::string store = Filled(NewPgStore(), LongLogs());
    HistoryWindow w(store);
    w.panel.heldCells = 0;  // a site too long to hold: every zoom is fetched
    QVERIFY(w.PlotFirstSite());
    const ViewRequest whole = w.panel.Shown()->request;
    const std::string database = store.substr(14, store.find('?') - 14);
    QProcess locker;
    locker.start(QString::fromStdString(Env("ZERB32_PG_BINDIR") + "/psql"),
                 {"-X", "-q", "-d", QString::fromStdString(store), "-c",
                  "BEGIN; LOCK TABLE readings IN ACCESS EXCLUSIVE MODE; SELECT pg_sleep(60);"});
    QVERIFY(QTest::qWaitFor([&] { return Psql("SELECT count(*) FROM pg_locks WHERE mode = 'AccessExclusiveLock' AND granted AND relation IS NOT NULL") != "0\n"; }, 20000));
    PlotView* plot = w.window.findChild<PlotView*>();
    plot->ZoomAround((plot->From() + plot->To()) / 2, 0.5);
    QVERIFY(QTest::qWaitFor([&] {
      return Psql("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + database +
                  "' AND wait_event_type = 'Lock'").starts_with("t");
    }, 20000));
    QVERIFY(QTest::qWaitFor([&] { return !w.panel.Busy(); }, 20000));
    QVERIFY(!Message(&w.window).isEmpty());
    QVERIFY(!Message(&w.window).contains('\n'));
    QVERIFY(w.panel.Shown()->request == whole);
    Psql("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE query LIKE '%pg_sleep(60)%' AND pid <> pg_backend_pid()");
    locker.waitForFinished();
    plot->ZoomAround((plot->From() + plot->To()) / 2, 0.5);
    QVERIFY(QTest::qWaitFor([&] { return !w.panel.Busy(); }, 20000));
    QVERIFY2(Message(&w.window).isEmpty(), qPrintable(Message(&w.window)));
    QCOMPARE(w.panel.Shown()->request.from, int64_t(std::floor(plot->From())));
  }
};

}  // namespace
}  // namespace zerb

QTEST_MAIN(zerb::HistoryTest)
#include "history_test.moc"
