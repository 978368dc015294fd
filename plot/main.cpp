// zerb32-plot: draws logs as a picture without a window, for reports and
// scripts. Prints nothing but problems; exit codes as zerb32-cli's.

#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <variant>

#include "plot/PlotOptions.h"
#include "plot/PlotRun.h"

namespace {

// Qt's remarks about the platform (no display, no runtime folder) are not
// the program's to print.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "zerb32-plot: %s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  auto parsed = zerb::ParsePlotCommandLine(argc, argv);
  if (auto* exit = std::get_if<zerb::PlotExit>(&parsed)) {
    std::fputs(exit->out.c_str(), stdout);
    std::fputs(exit->err.c_str(), stderr);
    return exit->code;
  }
  // Drawn off any screen, whatever display the session has.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQt);
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  std::string err;
  const int code = zerb::RunPlot(std::get<zerb::PlotOptions>(parsed), err);
  std::fputs(err.c_str(), stderr);
  return code;
}
