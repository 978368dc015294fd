// zerb32: the window that converts building-monitoring log files.

#include <QApplication>
#include <QMessageBox>
#include <clocale>
#include <exception>
#include <optional>
#include <string>

#include "ui/About.h"
#include "ui/zerbb.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt takes every locale category from the environment. The output's
  // numbers stay in the C form; its time texts follow the user's locale.
  std::setlocale(LC_ALL, "C");
  std::setlocale(LC_TIME, "");
  try {
    std::optional<std::string> firstArgument;
    if (argc > 1) firstArgument = argv[1];
    zerb::TZerbDlg window(firstArgument);
    zerb::ZerbDlg = &window;
    zerb::TAboutBox about;
    zerb::AboutBox = &about;
    window.show();
    app.exec();
    zerb::AboutBox = nullptr;
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, "ZERB32", QString::fromLocal8Bit(error.what()));
  }
  return 0;
}
