// The window, headless: controls found by their object names, input sent
// as the operator would send it.

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <functional>

#include "../ui_files.h"
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
  QStringList boxes;  // "text / caption", errors as "error: text"
  QStringList reasons;  // the boxes' informative texts

  void ShowMessage(const std::string& text, const std::string& caption, const std::string& reason) override {
    boxes << QString::fromStdString(text + " / " + caption);
    reasons << QString::fromStdString(reason);
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

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::string log;

  // The window on 42.log (with its site file), shown.
  std::unique_ptr<TestDlg> Open(int rows = 50) {
    WriteSite(dir->File("42.STE"), "North wing");
    WriteLog(log, rows);
    auto window = std::make_unique<TestDlg>(log);
    window->show();
    return window;
  }

 private slots:
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
    QTimer::singleShot(0, convert, [convert] { QueueClick(convert); });
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
    QString seen;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon()) + "|" +
             QString::number(box->standardButtons());
      box->accept();
    });
    window.ShowMessage("Couldn't write", "/tmp/x.CSV", "");
    QCOMPARE(seen, QString("/tmp/x.CSV|Couldn't write|%1|%2").arg(QMessageBox::NoIcon).arg(QMessageBox::Ok));
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
