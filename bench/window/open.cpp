// bench_window_open: the window opened on a log (or on none), timed until
// its plot (or its bare controls) is painted; then, with --wheel N, N steps
// of the mouse wheel over the plot, each timed until the window is
// repainted (plot, readings table and heading). Prints
// "painted_ms=... wheel_ms=..." (the median step) and ends at once, so that
// a driver (bench/window-open.sh) can time whole processes too.
//   bench_window_open [--wheel N] [LOG]
//   bench_window_open --make-logs FOLDER    writes 60.log and 260.log there

#include <QApplication>
#include <QElapsedTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "bench/window/WideLogs.h"
#include "ui/PlotView.h"
#include "ui/zerbb.h"

namespace {

// Records the first paint of a widget.
class PaintWatch : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

int MakeLogs(const std::string& folder) {
  for (unsigned channels : {60u, 260u}) {
    const std::string path = folder + "/" + std::to_string(channels) + ".log";
    if (!zerb::WriteLogFile(path, zerb::bench::WidestLog(channels))) return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--make-logs") == 0) return MakeLogs(argv[2]);
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  int wheelSteps = 0;
  std::optional<std::string> log;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--wheel") == 0 && i + 1 < argc) wheelSteps = std::atoi(argv[++i]);
    else log = argv[i];
  }
  zerb::TZerbDlg window(log);
  auto* plot = window.findChild<zerb::PlotView*>("preview");
  PaintWatch watch;
  (log ? static_cast<QWidget*>(plot) : static_cast<QWidget*>(&window))->installEventFilter(&watch);
  window.show();
  while (!watch.painted && sinceStart.elapsed() < 20000) app.processEvents(QEventLoop::WaitForMoreEvents, 50);
  const double painted = double(sinceStart.nsecsElapsed()) / 1e6;

  std::vector<double> steps;
  for (int i = 0; i < wheelSteps && log; ++i) {
    const QPointF centre = QRectF(plot->rect()).center();
    // In and out by turns: every step redraws the same kind of range.
    QWheelEvent wheel(centre, plot->mapToGlobal(centre), {}, {0, i % 2 ? -120 : 120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QElapsedTimer step;
    step.start();
    QApplication::sendEvent(plot, &wheel);
    // Everything the step changed (plot, readings, heading) painted.
    QApplication::processEvents();
    steps.push_back(double(step.nsecsElapsed()) / 1e6);
  }
  std::sort(steps.begin(), steps.end());
  std::printf("painted_ms=%.1f wheel_ms=%.2f\n", painted, steps.empty() ? 0.0 : steps[steps.size() / 2]);
  std::fflush(stdout);
  std::_Exit(0);
}
