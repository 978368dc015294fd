// bench_window_history STORE [SITE]: the window's History tab on a store
// holding a long history of one site (bench_store_plot make writes a year).
// Times, in one process: the first picture of the site's whole span (the
// tab opened on the store until the plot of the first site is painted),
// then zoom steps by half about the middle down to under a day and back
// out, each until the new view is painted (its figures worked out later, on
// their own worker, are timed apart), and the store's Envelope call alone
// for the same ranges and width on a connection of its own. Prints one
// line of key=value figures (ms, MB) for bench/window-history.sh.

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "history/Store.h"
#include "ui/HistoryPanel.h"
#include "ui/PlotView.h"
#include "ui/zerbb.h"

namespace {

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// Runs events until `done` or 60 s; the milliseconds since `clock` began.
template <class Done>
double Until(const QElapsedTimer& clock, Done done) {
  while (!done() && clock.elapsed() < 60000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  QApplication::processEvents();  // painted
  return double(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s STORE\n", argv[0]);
    return 2;
  }
  const std::string store = argv[1];
  QApplication app(argc, argv);
  zerb::TZerbDlg window;
  window.show();
  zerb::HistoryPanel& panel = *window.History();
  auto* plot = window.findChild<zerb::PlotView*>("preview");
  int views = 0;
  QObject::connect(&panel, &zerb::HistoryPanel::ViewReady, [&views] { ++views; });

  QElapsedTimer clock;
  clock.start();
  window.OpenHistory(store);
  const double first = Until(clock, [&] { return views > 0; });
  const double firstFigures = Until(clock, [&] { return !panel.Busy(); });
  if (!panel.Shown() || !panel.Shown()->error.empty()) {
    std::fprintf(stderr, "no view of the store\n");
    return 1;
  }
  const zerb::SiteHistory whole = *panel.Shown();

  // Half the range about the middle, down to under a day, then back out.
  std::vector<double> steps, figures;
  std::vector<zerb::ViewRequest> asked;
  int inward = 0;
  for (double span = plot->To() - plot->From(); span > 86400; span /= 2) ++inward;
  for (int step = 0; step < 2 * inward; ++step) {
    const int before = views;
    QElapsedTimer timer;
    timer.start();
    plot->ZoomAround((plot->From() + plot->To()) / 2, step < inward ? 0.5 : 2);
    steps.push_back(Until(timer, [&] { return views > before || !panel.Busy(); }));
    figures.push_back(Until(timer, [&] { return !panel.Busy(); }));
    asked.push_back(panel.Shown()->request);
  }
  const long peak = PeakMegabytes();

  // The store's own share: Envelope alone over the same ranges and width.
  std::vector<double> envelopes;
  double firstEnvelope = 0;
  {
    const auto opened = zerb::OpenStore(store, zerb::StoreAccess::ReadOnly);
    QElapsedTimer timer;
    timer.start();
    opened->Envelope(whole.site, whole.request.from, whole.request.to, whole.request.columns);
    firstEnvelope = double(timer.nsecsElapsed()) / 1e6;
    for (const zerb::ViewRequest& request : asked) {
      if (request.to - request.from <= int64_t(zerb::RowsPerColumn) * request.columns * std::max<int64_t>(1, whole.interval))
        continue;  // drawn from rows
      timer.restart();
      opened->Envelope(whole.site, request.from, request.to, request.columns);
      envelopes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
  }
  std::printf(
      "first_ms=%.1f first_figures_ms=%.1f zoom_ms=%.1f zoom_max_ms=%.1f zoom_figures_ms=%.1f steps=%zu "
      "envelope_first_ms=%.1f envelope_zoom_ms=%.1f envelope_steps=%zu peak_mb=%ld\n",
      first, firstFigures, Median(steps), steps.empty() ? 0.0 : *std::max_element(steps.begin(), steps.end()),
      Median(figures), steps.size(), firstEnvelope, Median(envelopes), envelopes.size(), peak);
  std::fflush(stdout);
  std::_Exit(0);
}
