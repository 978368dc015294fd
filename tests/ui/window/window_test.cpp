// The window, headless: controls found by their object names, input sent
// as the operator would send it.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QTreeWidget>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <functional>

#include "../ui_files.h"
#include "ui/PlotView.h"
#include "ui/zerbb.h"

namespace zerb {
namespace {

using testfiles::ReadFile;
using testfiles::TempDir;
using testfiles::WriteLog;
using testfiles::WriteSite;
using testfiles::WriteText;

// The real window with its modal boxes recorded instead of shown.
class BoxDlg : public TZerbDlg {
 public:
  using TZerbDlg::TZerbDlg;
  QStringList boxes;       // "text / caption", errors as "error: text"
  QStringList reasons;     // the boxes' informative texts
  QStringList stateAtBox;  // Convert's caption, Log File's state, the status line

  void ShowMessage(const std::string& text, const std::string& caption, const std::string& reason) override {
    boxes << QString::fromStdString(text + " / " + caption);
    reasons << QString::fromStdString(reason);
    stateAtBox << findChild<QPushButton*>("buttConvert")->text()
               << (findChild<QPushButton*>("buttLog")->isEnabled() ? "log on" : "log off")
               << findChild<StatusBar*>("status")->PanelText();
  }
  void ShowError(const std::string& text) override { boxes << QString::fromStdString("error: " + text); }
};

// ... with a hook that queues input before each look at the queue; it looks
// after every entry, so a test knows where its input lands.
class TestDlg : public BoxDlg {
 public:
  using BoxDlg::BoxDlg;
  std::function<void(int call)> beforeInput;
  int inputCalls = 0;

  void ProcessPendingInput() override {
    if (beforeInput) beforeInput(inputCalls);
    ++inputCalls;
    ProcessPendingInputNow();
  }
};

template <class T>
T* Child(QWidget* window, const char* name) {
  T* child = window->findChild<T*>(name);
  if (!child) qFatal("no control %s", name);
  return child;
}

// A left click queued as window input, handled by the next event processing.
void QueueClick(QWidget* widget) {
  const QPointF centre = QRectF(widget->rect()).center();
  const QPointF global = widget->mapToGlobal(centre);
  QCoreApplication::postEvent(
      widget, new QMouseEvent(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, {}));
  QCoreApplication::postEvent(
      widget, new QMouseEvent(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, {}));
}

QString StatusText(QWidget* window) { return Child<StatusBar>(window, "status")->PanelText(); }

// Local files dropped on the window.
void Drop(QWidget* window, const QStringList& files) {
  QList<QUrl> urls;
  for (const QString& file : files) urls << QUrl::fromLocalFile(file);
  QMimeData mime;
  mime.setUrls(urls);
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(window, &enter);
  if (!enter.isAccepted()) return;
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(window, &drop);
}

// True when no two shown controls of the window overlap and all lie inside it.
bool NothingOverlaps(QWidget* window) {
  QList<QWidget*> shown;
  for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (w->isVisible() && !w->isWindow()) shown << w;
  for (qsizetype i = 0; i < shown.size(); ++i) {
    if (!window->rect().contains(shown[i]->geometry())) return false;
    for (qsizetype j = i + 1; j < shown.size(); ++j)
      if (shown[i]->geometry().intersects(shown[j]->geometry())) {
        qWarning() << shown[i]->objectName() << "overlaps" << shown[j]->objectName();
        return false;
      }
  }
  return true;
}

// A log of one sensor and one on/off output; the sensor has no value
// (a negative count) in rows 10 to 14.
void WriteLogWithGaps(const std::string& path) {
  LogSource source;
  source.description = "Gaps";
  source.pcTime = 1700000000;
  source.sensorSlotsA = {1};
  source.outputSlotsA = {9};
  for (int r = 0; r < 40; ++r)
    source.rows.push_back({static_cast<int16_t>(r >= 10 && r < 15 ? -1 : 200 + r), static_cast<int16_t>(r / 5 % 2)});
  if (!WriteLogFile(path, MakeLogImage(source))) qFatal("cannot write the log");
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::string log;
  QTemporaryDir configDir;  // the user's configuration folder

  // The window on 42.log (with its site file), shown.
  std::unique_ptr<TestDlg> Open(int rows = 50) {
    WriteSite(dir->File("42.STE"), "North wing");
    WriteLog(log, rows);
    auto window = std::make_unique<TestDlg>(log);
    window->show();
    return window;
  }

 private slots:
  void initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir.path()));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
  }

  void init() {
    dir = std::make_unique<TempDir>();
    log = dir->File("42.log");
  }
  void cleanup() { dir.reset(); }

  void startUpWithoutArgument() {
    TestDlg window;
    window.show();
    QCOMPARE(window.windowTitle(), QString("ZERB32 1.2.2.0"));
    QCOMPARE(Child<QPushButton>(&window, "buttLog")->text(), QString("Log ... "));
    QCOMPARE(Child<QLabel>(&window, "stSiteDescr")->text(), QString("Not open"));
    QCOMPARE(Child<QLabel>(&window, "stLogDescr")->text(), QString("Not open"));
    QCOMPARE(Child<QLineEdit>(&window, "editExt")->text(), QString("CSV"));
    QCOMPARE(Child<QLineEdit>(&window, "editSkip")->text(), QString("0"));
    QCOMPARE(Child<QLineEdit>(&window, "editNewOverlap")->text(), QString("0"));
    QVERIFY(Child<QCheckBox>(&window, "cbHdrs")->isChecked());
    QVERIFY(!Child<QCheckBox>(&window, "cbNewOnly")->isChecked());
    QVERIFY(!Child<QCheckBox>(&window, "cbxXML")->isChecked());
    QCOMPARE(Child<RadioGroup>(&window, "rgDateTime")->ItemIndex(), 2);
    QCOMPARE(Child<RadioGroup>(&window, "rgSep")->ItemIndex(), 0);
    QCOMPARE(Child<RadioGroup>(&window, "rgTime")->ItemIndex(), 0);
    QCOMPARE(Child<QPushButton>(&window, "buttConvert")->text(), QString("&Convert"));
    QCOMPARE(Child<QPushButton>(&window, "buttExit")->text(), QString("E&xit"));
    QCOMPARE(StatusText(&window), QString());
    QCOMPARE(Child<QProgressBar>(&window, "progress")->value(), 0);
    QCOMPARE(window.Controller().LogOpen, 0);

    // Arrangement: the client area and the three columns.
    QCOMPARE(window.size(), QSize(408, 309));
    const char* columns[3][2] = {{"editExt", "Label3"}, {"editSkip", "Label4"}, {"editNewOverlap", "Label5"}};
    const int left[3] = {7, 117, 228};
    for (int c = 0; c < 3; ++c) {
      for (const char* name : columns[c]) {
        QCOMPARE(Child<QWidget>(&window, name)->x(), left[c]);
        QCOMPARE(Child<QWidget>(&window, name)->width(), 98);
      }
    }
    QVERIFY(Child<QPushButton>(&window, "buttConvert")->isDefault());

    auto* dialog = Child<QFileDialog>(&window, "dlgOpenLog");
    QCOMPARE(dialog->nameFilters(), QStringList{"Log Files (*.log)"});
    QCOMPARE(dialog->defaultSuffix(), QString("log"));
    QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
  }

  void tabOrder() {
    TestDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Child<QWidget>(&window, "buttLog")->setFocus();
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus);
      // A radio group takes the focus on its selected item.
      visited << (qobject_cast<QRadioButton*>(focus) ? focus->parentWidget()->objectName() : focus->objectName());
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, (QStringList{"buttLog", "editExt", "editSkip", "editNewOverlap", "cbHdrs", "cbNewOnly",
                                   "rgDateTime", "rgSep", "rgTime", "buttConvert"}));
  }

  void startUpWithArgumentOpensTheLog() {
    auto window = Open(12);
    // Shown, and not a single event processed yet.
    QCOMPARE(Child<QPushButton>(window.get(), "buttLog")->text(), QString::fromStdString(log));
    QCOMPARE(Child<QLabel>(window.get(), "stSiteDescr")->text(), QString("North wing"));
    QCOMPARE(Child<QLabel>(window.get(), "stLogDescr")->text(), QString("Boiler house"));
    QCOMPARE(window->Controller().LogOpen, 1);
    QCOMPARE(LoadedEntryCount, 11u);
  }

  void enterInAnEditFieldConverts() {
    auto window = Open(10);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* ext = Child<QLineEdit>(window.get(), "editExt");
    ext->setFocus();
    QTest::keyClick(ext, Qt::Key_Return);
    QCOMPARE(StatusText(window.get()), QString("Done"));
    QVERIFY(QFile::exists(QString::fromStdString(dir->File("42.CSV"))));
  }

  void escapeExits() {
    auto window = Open(10);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(Child<QLineEdit>(window.get(), "editSkip"), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
  }

  void statusBarPanelsFollowTheWidth() {
    TestDlg window;
    window.show();
    for (int width : {408, 600, 601, 409}) {
      window.resize(width, 309);
      auto* status = Child<StatusBar>(&window, "status");
      auto* progress = Child<QProgressBar>(&window, "progress");
      QCOMPARE(status->width(), width);
      QCOMPARE(status->y() + status->height(), 309);
      QCOMPARE(status->PanelRect(0).width(), width / 2);
      QCOMPARE(progress->parentWidget(), static_cast<QWidget*>(status));
      QCOMPARE(progress->geometry(), QRect(width / 2, 0, width - width / 2, status->height()));
      // The controls keep their places.
      QCOMPARE(Child<QWidget>(&window, "editNewOverlap")->x(), 228);
    }
  }

  // The same bytes as the command-line converter with its defaults.
  void conversionMatchesTheCommandLine() {
#ifdef ZERB32_CLI
    auto window = Open(300);
    QTest::mouseClick(Child<QPushButton>(window.get(), "buttConvert"), Qt::LeftButton);
    QCOMPARE(StatusText(window.get()), QString("Done"));
    QCOMPARE(Child<QProgressBar>(window.get(), "progress")->value(), 299);
    QVERIFY(window->boxes.isEmpty());
    const std::string cli = dir->File("cli.CSV");
    const std::string command = std::string(ZERB32_CLI) + " -o '" + cli + "' '" + log + "' > /dev/null";
    QCOMPARE(std::system(command.c_str()), 0);
    const std::string fromWindow = ReadFile(dir->File("42.CSV"));
    QVERIFY(!fromWindow.empty());
    QVERIFY(fromWindow == ReadFile(cli));
#else
    QSKIP("zerb32-cli is not built");
#endif
  }

  // Each style's bytes are the command line's with that style.
  void styleChoiceMatchesTheCommandLine_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("lan");
    QTest::addColumn<bool>("headers");
    QTest::addColumn<QString>("options");
    QTest::newRow("excel") << 1 << false << true << "--style excel";
    QTest::newRow("excel-eu") << 2 << false << true << "--style excel-eu";
    QTest::newRow("pandas, LAN clock, no header") << 3 << true << false << "--style pandas -l --no-headers";
    QTest::newRow("long") << 4 << false << true << "--style long";
  }

  void styleChoiceMatchesTheCommandLine() {
#ifdef ZERB32_CLI
    QFETCH(int, style);
    QFETCH(bool, lan);
    QFETCH(bool, headers);
    QFETCH(QString, options);
    auto window = Open(40);
    auto* choice = Child<QComboBox>(window.get(), "cbxStyle");
    choice->setCurrentIndex(style);
    QVERIFY(!Child<RadioGroup>(window.get(), "rgSep")->isEnabled());
    QVERIFY(!Child<RadioGroup>(window.get(), "rgDateTime")->isEnabled());
    Child<RadioGroup>(window.get(), "rgTime")->SetItemIndex(lan ? 1 : 0);
    Child<QCheckBox>(window.get(), "cbHdrs")->setChecked(headers);
    QTest::mouseClick(Child<QPushButton>(window.get(), "buttConvert"), Qt::LeftButton);
    QCOMPARE(StatusText(window.get()), QString("Done"));
    const std::string cli = dir->File("cli.CSV");
    const std::string command =
        std::string(ZERB32_CLI) + " " + options.toStdString() + " -o '" + cli + "' '" + log + "' > /dev/null";
    QCOMPARE(std::system(command.c_str()), 0);
    const std::string fromWindow = ReadFile(dir->File("42.CSV"));
    QVERIFY(!fromWindow.empty());
    QVERIFY(fromWindow == ReadFile(cli));
    // XML has no style; Classic gives the separator and date/time back.
    Child<QCheckBox>(window.get(), "cbxXML")->setChecked(true);
    QVERIFY(!choice->isEnabled());
    choice->setCurrentIndex(0);
    QVERIFY(Child<RadioGroup>(window.get(), "rgSep")->isEnabled());
#else
    QSKIP("zerb32-cli is not built");
#endif
  }

  void abortInEitherPass_data() {
    QTest::addColumn<int>("abortAtCall");  // 0-48 pass 1, 49-99 pass 2
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("outputWritten");
    QTest::newRow("pass 1") << 10 << QStringList{"Log conversion failed / Error"} << false;
    QTest::newRow("pass 2") << 60 << QStringList{} << true;
  }

  void abortInEitherPass() {
    QFETCH(int, abortAtCall);
    QFETCH(QStringList, boxes);
    QFETCH(bool, outputWritten);
    auto window = Open(50);
    auto* convert = Child<QPushButton>(window.get(), "buttConvert");
    auto* logButton = Child<QPushButton>(window.get(), "buttLog");
    QStringList during;
    window->beforeInput = [&](int call) {
      if (call == 0) during << convert->text() << (logButton->isEnabled() ? "log on" : "log off");
      if (call == abortAtCall) QueueClick(convert);
    };
    QTest::mouseClick(convert, Qt::LeftButton);
    QCOMPARE(during, (QStringList{"Abort", "log off"}));
    QCOMPARE(window->inputCalls, abortAtCall + 1);
    QCOMPARE(window->boxes, boxes);
    QCOMPARE(StatusText(window.get()), QString("Aborted"));
    QCOMPARE(convert->text(), QString("Convert"));
    QVERIFY(logButton->isEnabled());
    QCOMPARE(QFile::exists(QString::fromStdString(dir->File("42.CSV"))), outputWritten);
  }

  // Unhooked, the window looks at its input once per time slice: an Abort
  // queued before the run still stops the largest log before its end.
  void abortReachesARunOfTheLargestLog() {
    testfiles::WriteQuietLog(log, 65536);
    BoxDlg window(log);
    window.show();
    auto* convert = Child<QPushButton>(&window, "buttConvert");
    // Queued before the run starts, the click waits for the run's first look
    // at its input, however fast the build.
    QueueClick(convert);
    convert->click();
    QCOMPARE(StatusText(&window), QString("Aborted"));
    QVERIFY(!QFile::exists(QString::fromStdString(dir->File("42.CSV"))) ||
            ReadFile(dir->File("42.CSV")).size() < 65536u * 10);
  }

  void exitDuringARunClosesWhenItEnds() {
    auto window = Open(50);
    window->beforeInput = [&](int call) {
      if (call == 70) QueueClick(Child<QPushButton>(window.get(), "buttExit"));
      if (call > 70) QVERIFY(window->isVisible());
    };
    QTest::mouseClick(Child<QPushButton>(window.get(), "buttConvert"), Qt::LeftButton);
    QCOMPARE(window->inputCalls, 71);
    QCOMPARE(StatusText(window.get()), QString("Aborted"));
    QVERIFY(!window->isVisible());
  }

  void everyFailureShowsItsBox_data() {
    QTest::addColumn<QString>("logText");  // empty: a sound log
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("skip");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("status");
    QTest::newRow("log that did not load") << "junk" << "CSV" << "0" << "Log conversion failed / Error" << "Failed";
    QTest::newRow("output is the log") << "" << "log" << "0" << "Couldn't write / %1/42.log" << "Failed";
    QTest::newRow("bad number") << "" << "CSV" << "x1" << "error: 'x1' is not a valid integer value" << "";
  }

  void everyFailureShowsItsBox() {
    QFETCH(QString, logText);
    QFETCH(QString, ext);
    QFETCH(QString, skip);
    QFETCH(QString, box);
    QFETCH(QString, status);
    auto window = Open(20);
    if (!logText.isEmpty()) {
      WriteText(log, logText.toStdString());
      window->Controller().LogOpen = window->Controller().OpenLog(log);
    }
    Child<QLineEdit>(window.get(), "editExt")->setText(ext);
    Child<QLineEdit>(window.get(), "editSkip")->setText(skip);
    QTest::mouseClick(Child<QPushButton>(window.get(), "buttConvert"), Qt::LeftButton);
    const QString folder = QString::fromStdString(dir->File("")).chopped(1);
    QCOMPARE(window->boxes, QStringList{box.contains("%1") ? box.arg(folder) : box});
    QCOMPARE(StatusText(window.get()), status);
    QVERIFY(!QFile::exists(QString::fromStdString(dir->File("42.CSV"))));
  }

  // The real boxes: OK only, no icon for the controller's messages.
  void messageBoxesAreOkOnly() {
    TZerbDlg window;
    window.show();
    QString seen, informative;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon()) + "|" +
             QString::number(box->standardButtons());
      informative = box->informativeText();
      box->accept();
    });
    window.ShowMessage("Couldn't write", "/tmp/x.CSV", "cannot write /tmp/x.CSV: Permission denied");
    QCOMPARE(seen, QString("/tmp/x.CSV|Couldn't write|%1|%2").arg(QMessageBox::NoIcon).arg(QMessageBox::Ok));
    QCOMPARE(informative, QString("cannot write /tmp/x.CSV: Permission denied"));
  }

  void previewOfTheOpenLog() {
    WriteLogWithGaps(log);
    TestDlg window(log);
    window.show();
    auto* plot = Child<PlotView>(&window, "preview");
    auto* list = Child<QTreeWidget>(&window, "channelList");
    QVERIFY(plot->isVisible());
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(1)->text(2), QString("ON/OFF"));
    // The missing values split the sensor's line in two.
    QCOMPARE(plot->LineCount(0), 2u);
    QCOMPARE(plot->Lines(0)[0].size(), 10u);  // rows 0 to 9
    // The on/off output is a lane, filled while on: each reading holds until
    // the next row (on in rows 5-9, 15-19, ...).
    const auto& runs = plot->Chart().OnRuns(1);
    QCOMPARE(plot->LineCount(1), 0u);
    QCOMPARE(runs.size(), 4u);
    const double start = plot->From();
    QCOMPARE(runs[0], std::make_pair(start + 5 * 60, start + 10 * 60));
    QCOMPARE(runs[3], std::make_pair(start + 35 * 60, start + 40 * 60));
    // A cleared check box hides the channel.
    list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QCOMPARE(plot->LineCount(0), 0u);
    QCOMPARE(plot->Chart().OnRuns(1).size(), 4u);
    // Zoom and pan keep within the log; the readout names the nearest row.
    const double first = plot->From(), last = plot->To();
    plot->setFocus();
    QTest::keyClick(plot, Qt::Key_Plus);
    QVERIFY(plot->To() - plot->From() < (last - first) * 0.6);
    QTest::keyClick(plot, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(plot, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(plot, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(plot->From(), first);
    QTest::keyClick(plot, Qt::Key_Home);
    QCOMPARE(plot->To(), last);
    const QPointF centre = QRectF(plot->rect()).center();
    QWheelEvent wheel(centre, plot->mapToGlobal(centre), {}, {0, 240}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &wheel);
    QVERIFY(plot->To() - plot->From() < (last - first) * 0.7);
    // The readings name the row nearest the cursor, for the channels shown.
    plot->SetCursorAt(first + 61);
    QCOMPARE(Child<QLabel>(&window, "cursorHeading")->text().section(" · ", 0, 0),
             QString("Cursor: 14/11/2023 21:35:20"));
    auto* table = Child<QTableView>(&window, "readingsTable");
    QCOMPARE(table->model()->rowCount(), 1);
    QCOMPARE(table->model()->index(0, 0).data().toString(), QString("OUTPUT1/2"));
    QCOMPARE(table->model()->index(0, 2).data().toString(), QString("off"));
  }

  void failureBoxesGiveTheReason_data() {
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("reason");
    QTest::newRow("log that did not load") << "CSV" << "";  // the load's own reason
    QTest::newRow("output is the log") << "log" << "is the log file itself";
    QTest::newRow("output can't be created") << "no/such" << "No such file or directory";
  }

  void failureBoxesGiveTheReason() {
    QFETCH(QString, ext);
    QFETCH(QString, reason);
    WriteSite(dir->File("42.STE"), "North wing");
    if (reason.isEmpty()) WriteText(log, "junk"); else WriteLog(log, 20);
    BoxDlg window(log);
    window.show();
    Child<QLineEdit>(&window, "editExt")->setText(ext);
    QTest::mouseClick(Child<QPushButton>(&window, "buttConvert"), Qt::LeftButton);
    QCOMPARE(window.reasons.size(), 1);
    const QString expected =
        reason.isEmpty() ? QString::fromStdString(window.Controller().Doc.Opened().error) : reason;
    QVERIFY(!expected.isEmpty());
    QVERIFY2(window.reasons[0].contains(expected), qPrintable(window.reasons[0]));
    // An output that can't be created is reported over the window as it was.
    if (ext == "no/such") QCOMPARE(window.stateAtBox, (QStringList{"&Convert", "log on", ""}));
  }

  void outcomeAfterARun() {
    auto window = Open(30);
    Child<QLineEdit>(window.get(), "editSkip")->setText("1");
    QTest::mouseClick(Child<QPushButton>(window.get(), "buttConvert"), Qt::LeftButton);
    QCOMPARE(Child<QLabel>(window.get(), "runOutcome")->text(),
             QString::fromStdString("Wrote 15 rows to " + dir->File("42.CSV")));
    QVERIFY(Child<QPushButton>(window.get(), "buttOpenFolder")->isVisible());
  }

  void droppedLogs() {
    auto window = Open(10);
    const QString seven = QString::fromStdString(WriteLog(dir->File("7.log"), 5, "Seven"));
    const QString eight = QString::fromStdString(WriteLog(dir->File("8.log"), 6));
    Drop(window.get(), {seven});
    QCOMPARE(Child<QLabel>(window.get(), "stLogDescr")->text(), QString("Seven"));
    QCOMPARE(window->Controller().LogOpen, 1);

    Drop(window.get(), {seven, eight, QString::fromStdString(dir->File("readme.txt"))});
    auto* results = Child<QListWidget>(window.get(), "batchResults");
    QCOMPARE(results->count(), 4);  // each log's result and its site warning
    QCOMPARE(results->item(0)->text(), QString::fromStdString("7.log: wrote 5 rows to " + dir->File("7.CSV")));
    QCOMPARE(results->item(2)->text(), QString::fromStdString("8.log: wrote 6 rows to " + dir->File("8.CSV")));
    QVERIFY(results->isVisible());

    // During a run a drop is not even taken.
    window->beforeInput = [&](int call) {
      if (call == 3) Drop(window.get(), {eight});
    };
    QTest::mouseClick(Child<QPushButton>(window.get(), "buttConvert"), Qt::LeftButton);
    QCOMPARE(Child<QLabel>(window.get(), "stLogDescr")->text(), QString("Seven"));
  }

  void minimumSizeKeepsControlsApart() {
    TestDlg bare;
    bare.show();
    bare.resize(100, 100);
    QCOMPARE(bare.size(), QSize(408, 309));
    QVERIFY(NothingOverlaps(&bare));
    auto window = Open(20);
    QVERIFY(window->width() > 700);
    QTest::mouseClick(Child<QPushButton>(window.get(), "buttConvert"), Qt::LeftButton);
    window->resize(100, 100);
    QCOMPARE(window->size(), window->minimumSize());
    QVERIFY(NothingOverlaps(window.get()));
    // The controls stay where they were; the log path elides, whole as tooltip.
    QCOMPARE(Child<QWidget>(window.get(), "buttExit")->geometry(), QRect(228, 251, 98, 26));
    QCOMPARE(Child<QPushButton>(window.get(), "buttLog")->toolTip(), QString::fromStdString(log));
  }

  void newEntriesOnlyKeepsToItsColumn() {
    TestDlg window;
    window.show();
    auto* box = Child<QCheckBox>(&window, "cbNewOnly");
    QCOMPARE(box->geometry(), QRect(117, 130, 98, 20));
    QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(QString::number(box->sizeHint().width())));
  }

  // Tab and the group's accelerator land on the selected choice.
  void radioGroupsTakeTheFocusOnTheirChoice() {
    TestDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* dateTime = Child<RadioGroup>(&window, "rgDateTime");
    auto* newOnly = Child<QCheckBox>(&window, "cbNewOnly");
    newOnly->setFocus();
    QTest::keyClick(newOnly, Qt::Key_Tab);
    auto* focus = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    QVERIFY(focus);
    QCOMPARE(focus->text(), QString("Text"));
    Child<QLineEdit>(&window, "editExt")->setFocus();
    QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
    focus = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    QVERIFY(focus);
    QCOMPARE(focus->text(), QString("Text"));
    QTest::keyClick(focus, Qt::Key_Space);
    QCOMPARE(dateTime->ItemIndex(), 2);
  }

  // Qt's file dialog would keep a history file in the user's folder.
  void theFileDialogWritesNoSettings() {
    {
      TestDlg window;
      window.show();
      auto* dialog = Child<QFileDialog>(&window, "dlgOpenLog");
      WriteLog(log, 5);
      QTimer::singleShot(0, [&] {
        dialog->selectFile(QString::fromStdString(log));
        static_cast<QDialog*>(dialog)->accept();
      });
      QTest::mouseClick(Child<QPushButton>(&window, "buttLog"), Qt::LeftButton);
      QCOMPARE(window.Controller().LogOpen, 1);
    }
    QCOMPARE(QDir(configDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
  }

  void pathWithAmpersandShowsWhole() {
    log = dir->File("42 R&D.log");
    auto window = Open(5);
    const QString text = Child<QPushButton>(window.get(), "buttLog")->text();
    QCOMPARE(text, QString::fromStdString(log).replace("&", "&&"));
  }

};

}  // namespace zerb

QTEST_MAIN(zerb::WindowTest)
#include "window_test.moc"
