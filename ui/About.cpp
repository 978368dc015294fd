#include "ui/About.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/Version.h"

namespace zerb {

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  auto* layout = new QVBoxLayout(this);
  auto* product = new QLabel("ZERB32", this);
  product->setObjectName("ProductName");
  QFont bold = product->font();
  bold.setBold(true);
  product->setFont(bold);
  auto* version = new QLabel(QString("Version ") + QString::fromStdString(GetFileVersion()), this);
  version->setObjectName("Version");
  auto* about = new QLabel("Converts the log files of a building-monitoring system\ninto CSV or XML.", this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(product);
  layout->addWidget(version);
  layout->addWidget(about);
  layout->addWidget(buttons);
}

std::string TAboutBox::GetFileVersion() { return GetVersionInfo("FileVersion"); }

}  // namespace zerb
