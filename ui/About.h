#pragma once
// The About box: the program's name and file version. One hidden instance
// is created at start-up, right after the main window.

#include <QDialog>
#include <string>

namespace zerb {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // The "FileVersion" text of the program's version information.
  static std::string GetFileVersion();
};

extern TAboutBox* AboutBox;

}  // namespace zerb
