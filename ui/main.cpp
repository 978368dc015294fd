// zerb32: the window that converts building-monitoring log files.
//   zerb32 [LOG]               the window, on LOG if given
//   zerb32 --history STORE     the window on a store's history (--db's forms)

#include <QApplication>
#include <QMessageBox>
#include <clocale>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "ui/About.h"
#include "ui/zerbb.h"
#if ZERB32_HISTORY
#include "history/postgres/PgAddress.h"
#endif

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt takes every locale category from the environment. The output's
  // numbers stay in the C form; its time texts follow the user's locale.
  std::setlocale(LC_ALL, "C");
  std::setlocale(LC_TIME, "");
  try {
    const bool history = argc == 3 && std::string_view(argv[1]) == "--history";
    std::optional<std::string> firstArgument;
    if (argc > 1 && !history) firstArgument = argv[1];
    zerb::TZerbDlg window(firstArgument);
    zerb::ZerbDlg = &window;
    zerb::TAboutBox about;
    zerb::AboutBox = &about;
    window.show();
    if (history) {
      const std::string location = argv[2];
#if ZERB32_HISTORY
      zerb::HidePasswordsInArguments(argc, argv);
#endif
      window.OpenHistory(location);
    }
    app.exec();
    zerb::AboutBox = nullptr;
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, "ZERB32", QString::fromLocal8Bit(error.what()));
  }
  return 0;
}
