// The window's plot, headless: strips and ticks, times that never pass
// through the machine's zone (this test runs under several TZ values too),
// the time base, the cursor and its readings, Export shown against the
// command line, pictures, and what opening says.

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "../ui_files.h"
#include "chart/StripChart.h"
#include "series/CivilTime.h"
#include "styles/TableText.h"
#include "ui/PlotView.h"
#include "ui/ReadingsTable.h"
#include "ui/zerbb.h"

namespace zerb {
namespace {

using testfiles::ReadFile;
using testfiles::TempDir;
using testfiles::WriteLog;
using testfiles::WriteSite;
using testfiles::WriteText;

int64_t At(const char* text) { return *ParseCivilTime(text, false); }

// The window with Export shown's dialog answered by the test.
class PlotDlg : public TZerbDlg {
 public:
  using TZerbDlg::TZerbDlg;
  std::string exportTo;
  std::optional<std::string> ChooseExportFile(const std::string&) override { return exportTo; }
  void ShowMessage(const std::string& text, const std::string&, const std::string& reason) override {
    boxes << QString::fromStdString(text + ": " + reason);
  }
  QStringList boxes;
};

template <class T>
T* Child(QWidget* window, const char* name) {
  T* child = window->findChild<T*>(name);
  if (!child) qFatal("no control %s", name);
  return child;
}

QString Cell(QWidget* window, int row, int column) {
  return Child<QTableView>(window, "readingsTable")->model()->index(row, column).data().toString();
}

// A log of one sensor whose rows run from `first` to `last` (civil times)
// every `interval` seconds, across a change of the clocks somewhere.
std::string WriteClockChangeLog(const std::string& path, const char* first, const char* last, uint16_t interval) {
  LogSource source;
  source.interval = interval;
  source.pcTime = uint32_t(At(last));
  source.sensorSlotsA = {1};
  for (int64_t t = At(first), r = 0; t <= At(last); t += interval, ++r)
    source.rows.push_back({static_cast<int16_t>(300 + (r / 7) % 40)});
  if (!WriteLogFile(path, MakeLogImage(source))) qFatal("cannot write the log");
  return path;
}

std::string CopySample(const TempDir& dir) {
  const std::string samples = std::string(std::getenv("ZERB32_SOURCE_DIR")) + "/samples/";
  for (const char* name : {"42.log", "42.STE"})
    std::filesystem::copy_file(samples + name, dir.File(name), std::filesystem::copy_options::overwrite_existing);
  return dir.File("42.log");
}

}  // namespace

class PlotTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

  // The sample: °C, a pressure, %, a set point without a unit; Heating on/off.
  void stripsByUnitWithRoundTicks() {
    TempDir dir;
    PlotDlg window(CopySample(dir));
    window.show();
    const StripChart& chart = Child<PlotView>(&window, "preview")->Chart();
    QStringList units;
    for (const Strip& strip : chart.Plan().strips) units << QString::fromStdString(strip.unit);
    QCOMPARE(units, (QStringList{"°C", "P", "%", ""}));
    QCOMPARE(chart.Plan().lanes.size(), 1u);
    QCOMPARE(chart.Data()->channels[chart.Plan().lanes[0]].name, std::string("Heating"));
    for (std::size_t s = 0; s < chart.Scales().size(); ++s) {
      // Every line of the strip lies within its value axis.
      const ValueScale& scale = chart.Scales()[s];
      for (std::size_t c : chart.Plan().strips[s].channels)
        for (const PlotLine& line : chart.Lines(c))
          for (const PlotPoint& p : line) QVERIFY(p.value >= scale.low && p.value <= scale.high);
    }
    QVERIFY2(chart.Ticks().ticks.size() >= 2, qPrintable(QString::number(chart.PlotRect().width())));
    for (const TimeTick& tick : chart.Ticks().ticks) QCOMPARE(int64_t(tick.at) % 3600, 0);
  }

  // Rows a whole interval apart stay so on the time axis, whatever TZ says:
  // no loop over the hour a zone skips, no hold over the one it repeats.
  void timesWithoutAZone_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("interval");
    QTest::newRow("spring (8 and 29 March)") << "2026-03-07T00:00" << "2026-03-30T00:00" << 1800;
    QTest::newRow("autumn (25 October, 1 November)") << "2026-10-24T00:00" << "2026-11-02T00:00" << 900;
  }

  void timesWithoutAZone() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, interval);
    TempDir dir;
    PlotDlg window(WriteClockChangeLog(dir.File("5.log"), qPrintable(first), qPrintable(last), uint16_t(interval)));
    window.show();
    auto* plot = Child<PlotView>(&window, "preview");
    const auto& times = plot->Data()->times;
    QCOMPARE(times.front(), At(qPrintable(first)));
    for (std::size_t r = 1; r < times.size(); ++r) QCOMPARE(times[r] - times[r - 1], int64_t(interval));
    const char* changeDays[] = {"2026-03-08", "2026-03-29", "2026-10-25", "2026-11-01"};
    for (const char* day : changeDays) {
      const int64_t midnight = At(day);
      if (midnight < times.front() || midnight > times.back()) continue;
      plot->ShowRange(double(midnight), double(midnight + 6 * 3600));
      const StripChart& chart = plot->Chart();
      // One point per row, each an interval after the last, evenly across.
      const PlotLine& line = plot->Lines(0).at(0);
      for (std::size_t i = 1; i < line.size(); ++i) {
        QCOMPARE(line[i].time - line[i - 1].time, double(interval));
        QVERIFY(std::abs((chart.XOf(line[i].time) - chart.XOf(line[i - 1].time)) -
                         (chart.XOf(line[1].time) - chart.XOf(line[0].time))) < 1e-6);
      }
      // Ticks on whole civil hours, evenly, none skipped or repeated
      // (02:00 is one a zone skips in spring).
      QCOMPARE(chart.Ticks().step.unit, TimeUnit::Hour);
      const int step = chart.Ticks().step.count;
      QStringList hours, expected;
      for (const TimeTick& tick : chart.Ticks().ticks) {
        QCOMPARE(tick.at, double(tick.shown));
        hours << QString::fromStdString(TimeText(tick.shown).substr(11, 5));
      }
      for (int hour = 0; hour <= 6; hour += step) expected << QString("%1:00").arg(hour, 2, 10, QChar('0'));
      QCOMPARE(hours, expected);
      QVERIFY(expected.contains("02:00"));
      plot->SetCursorAt(double(midnight + 9000));
      QCOMPARE(Child<QLabel>(&window, "cursorHeading")->text().section(" \u00b7 ", 0, 0),
               QString("Cursor: %1 02:30:00").arg(QDate::fromString(day, Qt::ISODate).toString("dd/MM/yyyy")));
    }
  }

  // The LAN clock reads 30 s after the PC clock in the test logs: the plot
  // moves at once, keeping its rows, channels and cursor.
  void timeBaseMovesThePlotAtOnce() {
    TempDir dir;
    WriteSite(dir.File("42.STE"), "North wing");
    PlotDlg window(WriteLog(dir.File("42.log"), 200));
    window.show();
    auto* plot = Child<PlotView>(&window, "preview");
    const int64_t pcFirst = plot->Data()->times.front();
    plot->ShowRange(double(pcFirst + 600), double(pcFirst + 3000));
    plot->SetCursorRow(20);
    Child<QTreeWidget>(&window, "channelList")->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    Child<RadioGroup>(&window, "rgTime")->findChildren<QRadioButton*>().at(1)->click();
    QCOMPARE(plot->Data()->times.front(), pcFirst + 30);
    QCOMPARE(plot->From(), double(pcFirst + 630));
    QCOMPARE(plot->CursorRow(), std::optional<std::size_t>(20));
    QVERIFY(!plot->Chart().Shown()[1]);
    QCOMPARE(Child<QTableView>(&window, "readingsTable")->model()->rowCount(), 2);
  }

  // The readings follow the cursor; the figures are those of the rows
  // shown, worked out here by hand: a sensor without a value in rows 10 to
  // 14, an output on in rows 5-9, 15-19, 25-29, 35-39.
  void cursorAndFigures() {
    TempDir dir;
    LogSource source;
    source.pcTime = 1700000000;
    source.sensorSlotsA = {1};
    source.outputSlotsA = {9};
    for (int r = 0; r < 40; ++r)
      source.rows.push_back({static_cast<int16_t>(r >= 10 && r < 15 ? -1 : 200 + r), static_cast<int16_t>(r / 5 % 2)});
    WriteLogFile(dir.File("42.log"), MakeLogImage(source));
    PlotDlg window(dir.File("42.log"));
    window.show();
    auto* plot = Child<PlotView>(&window, "preview");
    QCOMPARE(Cell(&window, 0, ReadingsTable::Readings), QString("35"));
    QCOMPARE(Cell(&window, 1, ReadingsTable::Readings), QString("40"));
    QCOMPARE(Cell(&window, 1, ReadingsTable::HoursOn), QString("0.33"));  // 20 rows of 60 s
    QCOMPARE(Cell(&window, 1, ReadingsTable::Starts), QString("4"));
    QCOMPARE(Cell(&window, 1, ReadingsTable::Lowest), QString());
    // Rows 12 to 27: 13 sensor readings; the output on in 15-19 and 25-27,
    // started in 15 and 25.
    const double t0 = double(plot->Data()->times.front());
    plot->ShowRange(t0 + 12 * 60, t0 + 27 * 60);
    QCOMPARE(Cell(&window, 0, ReadingsTable::Readings), QString("13"));
    QCOMPARE(Cell(&window, 1, ReadingsTable::HoursOn), QString("0.13"));
    QCOMPARE(Cell(&window, 1, ReadingsTable::Starts), QString("2"));
    // The sensor's values move one way: its extremes are rows 15 and 27.
    QStringList ends;
    for (std::size_t row : {15, 27}) {
      plot->SetCursorRow(row);
      ends << Cell(&window, 0, ReadingsTable::AtCursor);
    }
    ends.sort();
    QStringList extremes{Cell(&window, 0, ReadingsTable::Lowest), Cell(&window, 0, ReadingsTable::Highest)};
    extremes.sort();
    QCOMPARE(extremes, ends);
    // Keys move the cursor a row, Ctrl a screen (15 rows shown).
    plot->setFocus();
    plot->SetCursorRow(16);
    QTest::keyClick(plot, Qt::Key_Right);
    QCOMPARE(plot->CursorRow(), std::optional<std::size_t>(17));
    QCOMPARE(Cell(&window, 1, ReadingsTable::AtCursor), QString("on"));
    QTest::keyClick(plot, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(plot->CursorRow(), std::optional<std::size_t>(2));
    QVERIFY(plot->From() <= t0 + 2 * 60);  // the view follows the cursor
    QCOMPARE(Cell(&window, 1, ReadingsTable::AtCursor), QString("off"));
  }

  // The range and channels shown, with the window's options: the command
  // line's bytes with --from, --to and --channels.
  void exportShownMatchesTheCommandLine() {
    TempDir dir;
    PlotDlg window(CopySample(dir));
    window.show();
    auto* plot = Child<PlotView>(&window, "preview");
    const double t0 = double(plot->Data()->times.front());
    plot->ShowRange(t0 + 3600.5, t0 + 5 * 3600 - 0.5);
    auto* list = Child<QTreeWidget>(&window, "channelList");
    list->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    list->topLevelItem(5)->setCheckState(0, Qt::Unchecked);
    Child<QComboBox>(&window, "cbxStyle")->setCurrentIndex(3);  // pandas
    window.exportTo = dir.File("shown.csv");
    Child<QPushButton>(&window, "buttExportShown")->click();
    const std::string from = TimeText(int64_t(t0) + 3601), to = TimeText(int64_t(t0) + 5 * 3600 - 1);
    std::string ids;
    for (std::size_t c = 0; c < plot->Chart().Shown().size(); ++c)
      if (plot->Chart().Shown()[c]) ids += (ids.empty() ? "" : ",") + ChannelId(plot->Data()->channels[c]);
    QCOMPARE(std::count(ids.begin(), ids.end(), ','), 5);
    const std::string command = std::string(ZERB32_CLI) + " --style pandas --from " + from.substr(0, 10) + "T" +
                                from.substr(11) + " --to " + to.substr(0, 10) + "T" + to.substr(11) + " --channels " +
                                ids + " -o '" + dir.File("cli.csv") + "' '" + dir.File("42.log") + "'";
    QCOMPARE(std::system(command.c_str()), 0);
    const std::string shown = ReadFile(dir.File("shown.csv"));
    QVERIFY(std::count(shown.begin(), shown.end(), '\n') > 10);
    QVERIFY(shown == ReadFile(dir.File("cli.csv")));
    // XML writes whole logs: Export shown is off with it.
    Child<QCheckBox>(&window, "cbxXML")->setChecked(true);
    QVERIFY(!Child<QPushButton>(&window, "buttExportShown")->isEnabled());
  }

  void picturesAsShownOrWider() {
    TempDir dir;
    PlotDlg window(CopySample(dir));
    window.show();
    auto* plot = Child<PlotView>(&window, "preview");
    const QImage shown = QImage::fromData(plot->Picture(PictureFormat::Png), "PNG");
    QCOMPARE(shown.size(), plot->size());
    QCOMPARE(QImage::fromData(plot->Picture(PictureFormat::Png, 1500), "PNG").size(), QSize(1500, plot->height()));
    const QByteArray svg = plot->Picture(PictureFormat::Svg, 900);
    QVERIFY(svg.contains("viewBox=\"0 0 900 "));
    QVERIFY(svg.contains("Outside"));
    QCOMPARE(plot->Chart().PlotRect().width() < 900 - 60, true);  // the view is laid out as shown again
  }

  // Site texts are Windows-1252; a missing site file and a damaged log are
  // said at once, above and in the plot.
  void whatOpeningSays() {
    TempDir dir;
    WriteSite(dir.File("42.STE"), "Au\xDF" "en \x80 \x96 Nord");
    PlotDlg window(WriteLog(dir.File("42.log"), 20));
    window.show();
    QCOMPARE(Child<QLabel>(&window, "stSiteDescr")->text(), QString("Außen € – Nord"));
    QVERIFY(Child<QLabel>(&window, "logNotes")->isHidden());
    QVERIFY(Child<QPushButton>(&window, "buttExportShown")->isEnabled());
    window.Controller().OpenLog(WriteLog(dir.File("7.log"), 20));
    auto* notes = Child<QLabel>(&window, "logNotes");
    QVERIFY(!notes->isHidden());
    QCOMPARE(notes->text(), QString::fromStdString("site file " + dir.File("7.STE") +
                                                   " not found; channels keep default names and types"));
    WriteText(dir.File("8.log"), "not a log at all");
    window.Controller().OpenLog(dir.File("8.log"));
    auto* plot = Child<PlotView>(&window, "preview");
    QVERIFY(plot->isVisible());
    QVERIFY(plot->Chart().Message().startsWith("No plot: "));
    QVERIFY(plot->Chart().Message().contains(QString::fromStdString(window.Controller().Doc.Opened().error)));
    QVERIFY(!Child<QPushButton>(&window, "buttExportShown")->isEnabled());
  }

  // The channel list's filter, All and None.
  void manyChannelsAtOnce() {
    TempDir dir;
    PlotDlg window(CopySample(dir));
    window.show();
    auto* plot = Child<PlotView>(&window, "preview");
    Child<QLineEdit>(&window, "channelFilter")->setText("o");  // Outside, Office, SENSOR3/3, Setpoint
    Child<QPushButton>(&window, "buttNoChannels")->click();
    QCOMPARE(plot->Chart().Shown(), (std::vector<bool>{false, true, false, true, false, true, true, false}));
    Child<QLineEdit>(&window, "channelFilter")->clear();
    Child<QPushButton>(&window, "buttAllChannels")->click();
    QCOMPARE(plot->Chart().Shown(), std::vector<bool>(8, true));
  }

  // Twenty days every half hour: a day and a week around the cursor, the
  // whole log, a box dragged with Shift; the value axis refits to the box.
  void zoomToADayAWeekOrABox() {
    TempDir dir;
    PlotDlg window(WriteClockChangeLog(dir.File("5.log"), "2026-01-01T00:00", "2026-01-21T00:00", 1800));
    window.show();
    auto* plot = Child<PlotView>(&window, "preview");
    const double first = plot->From(), last = plot->To();
    const double wholeScale = plot->Chart().Scales().at(0).high - plot->Chart().Scales().at(0).low;
    plot->SetCursorRow(480);  // 2026-01-11T00:00
    const double cursor = double(At("2026-01-11T00:00"));
    const struct {
      const char* how;
      std::function<void()> act;
      double from, to;
    } rows[] = {
        {"Day", [&] { Child<QPushButton>(&window, "buttDay")->click(); }, cursor - 43200, cursor + 43200},
        {"W", [&] { QTest::keyClick(plot, Qt::Key_W); }, cursor - 3.5 * 86400, cursor + 3.5 * 86400},
        {"Home", [&] { QTest::keyClick(plot, Qt::Key_Home); }, first, last},
        {"D", [&] { QTest::keyClick(plot, Qt::Key_D); }, cursor - 43200, cursor + 43200},
        {"Whole log", [&] { Child<QPushButton>(&window, "buttWholeLog")->click(); }, first, last},
    };
    plot->setFocus();
    for (const auto& row : rows) {
      row.act();
      QVERIFY2(plot->From() == row.from && plot->To() == row.to, row.how);
    }
    // Shift+drag over two hours from the cursor, a day shown.
    QTest::keyClick(plot, Qt::Key_D);
    const StripChart& chart = plot->Chart();
    const QPointF start(chart.XOf(cursor), chart.PlotRect().center().y());
    const QPointF end(chart.XOf(cursor + 7200), start.y());
    QMouseEvent press(QEvent::MouseButtonPress, start, plot->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton,
                      Qt::ShiftModifier);
    QMouseEvent move(QEvent::MouseMove, end, plot->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, end, plot->mapToGlobal(end), Qt::LeftButton, Qt::NoButton,
                        Qt::ShiftModifier);
    for (QMouseEvent* event : {&press, &move, &release}) QApplication::sendEvent(plot, event);
    QVERIFY(std::abs(plot->From() - cursor) < 3600 && std::abs(plot->To() - (cursor + 7200)) < 3600);
    QVERIFY(chart.Scales().at(0).high - chart.Scales().at(0).low < wholeScale / 2);
  }

  // The dialog's own controls keep their order; the plot's come after them.
  void newControlsComeAfterTheDialogsOwn() {
    TempDir dir;
    PlotDlg window(CopySample(dir));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList visited;
    Child<QWidget>(&window, "cbxStyle")->setFocus();
    for (int i = 0; i < 8; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"buttWholeLog", "buttDay", "buttWeek", "buttSavePicture", "spinPictureWidth",
                                   "buttExportShown", "preview", "readingsTable"}));
  }

  // Grown, the window stays within the screen's free area (this test also
  // runs at a scale factor of 2).
  void grownWindowFitsTheScreen() {
    TempDir dir;
    PlotDlg window(CopySample(dir));
    window.show();
    QVERIFY(window.width() > 408);
    const QRect free = window.screen()->availableGeometry();
    QVERIFY2(window.frameGeometry().width() <= free.width() && window.frameGeometry().height() <= free.height(),
             qPrintable(QString("%1x%2 on %3x%4").arg(window.width()).arg(window.height()).arg(free.width()).arg(free.height())));
    QVERIFY(window.minimumWidth() <= free.width());
  }
};

}  // namespace zerb

QTEST_MAIN(zerb::PlotTest)
#include "plot_test.moc"
