#include "ui/zerbb.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QTreeWidget>
#include <QListWidget>

#include "chart/ChartTexts.h"
#include "styles/Styles.h"
#include "ui/About.h"
#include "ui/PlotView.h"
#include "ui/WindowGeometry.h"

namespace zerb {

TZerbDlg* ZerbDlg = nullptr;

namespace {

using namespace geometry;

QString FromText(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// Button captions treat "&" as an accelerator mark; a path may hold one.
QString LiteralCaption(const QString& text) {
  QString escaped = text;
  return escaped.replace('&', "&&");
}

// Qt's own file dialog keeps its folder history in a settings file of the
// user's and reads it back at the next start. The program keeps no state:
// settings go to a path under which no file can be made.
void KeepNoSettings() {
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, "/dev/null");
    QSettings::setPath(format, QSettings::SystemScope, "/dev/null");
  }
}

// The style's name as the style choice shows it.
QString StyleCaption(std::string_view name) {
  static const struct {
    std::string_view name;
    const char* caption;
  } captions[] = {{"classic", "Classic"}, {"excel", "Excel"}, {"excel-eu", "Excel (EU)"}, {"pandas", "pandas"},
                  {"long", "Long"}, {"xlsx", "Excel workbook"}};
  for (const auto& c : captions)
    if (c.name == name) return c.caption;
  return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// Narrows a caption's face until the control's size hint fits its width.
void FitCaption(QWidget* control) {
  QFont face = control->font();
  for (int stretch = 100; stretch > 50 && control->sizeHint().width() > control->width(); stretch -= 5) {
    face.setStretch(stretch);
    control->setFont(face);
  }
}

}  // namespace

// ---- PathButton

void PathButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const int room = width() - 2 * style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) - 8;
  option.text = fontMetrics().elidedText(option.text, Qt::ElideMiddle, room, Qt::TextShowMnemonic);
  style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
}

// ---- PathLabel

void PathLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect room = contentsRect();
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(room, int(alignment()), fontMetrics().elidedText(text(), Qt::ElideMiddle, room.width()));
}

// ---- RadioGroup

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this)) {
  constexpr int Top = 18;
  constexpr int Step = 20;
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setGeometry(8, Top + i * Step, ColumnWidth - 12, Step);
    buttons_->addButton(button, i);
    button->installEventFilter(this);
  }
  connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) emit ItemChanged(id);
  });
}

// Tab, Shift+Tab or the group's accelerator bring the focus to the selected
// choice, so that Space there keeps the selection as it is.
bool RadioGroup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    QAbstractButton* selected = buttons_->checkedButton();
    const bool entered = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::ShortcutFocusReason;
    if (entered && selected && selected != watched) selected->setFocus(reason);
  }
  return QGroupBox::eventFilter(watched, event);
}

int RadioGroup::ItemIndex() const { return buttons_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index)) button->setChecked(true);
}

// ---- StatusBar

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {}

void StatusBar::SetPanelText(const QString& text) {
  text_ = text;
  update(PanelRect(0));
}

QRect StatusBar::PanelRect(int panel) const {
  if (panel == 0) return QRect(0, 0, panel0Width_, height());
  return QRect(panel0Width_, 0, width() - panel0Width_, height());
}

void StatusBar::HostInLastPanel(QWidget* widget) {
  hosted_ = widget;
  widget->setParent(this);
  statusDrawPanel();
  widget->show();
}

void StatusBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  statusResize();
  statusDrawPanel();
}

void StatusBar::statusResize() { panel0Width_ = width() / 2; }

void StatusBar::statusDrawPanel() {
  if (hosted_) hosted_->setGeometry(PanelRect(1));
}

void StatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect panel = PanelRect(0).adjusted(0, 0, -2, -1);
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.rect = panel;
  frame.lineWidth = 1;
  frame.state |= QStyle::State_Sunken;
  style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
  const QRect textRect = panel.adjusted(4, 0, -4, 0);
  painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                   fontMetrics().elidedText(text_, Qt::ElideRight, textRect.width()));
}

// ---- TZerbDlg

TZerbDlg::TZerbDlg(std::optional<std::string> firstArgument, QWidget* parent)
    : QDialog(parent), firstArgument_(std::move(firstArgument)) {
  setObjectName("ZerbDlg");
  // The columns are 98 pixels wide: a small face keeps "New Entries Only" whole.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
  KeepNoSettings();
  BuildControls();
  BuildPreviewArea();
  SetTabOrder();
  setAcceptDrops(true);
  setMinimumSize(ClientWidth, ClientHeight);
  resize(ClientWidth, ClientHeight);
}

TZerbDlg::~TZerbDlg() {
  if (ZerbDlg == this) ZerbDlg = nullptr;
}

void TZerbDlg::BuildControls() {
  auto button = [this](const char* name, const QString& caption, QRect place) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(place);
    return b;
  };
  auto label = [this](const char* name, const QString& caption, QRect place) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);  // descriptions come from files
    l->setGeometry(place);
    return l;
  };
  auto edit = [this](const char* name, int column) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setGeometry(Column[column], 101, ColumnWidth, 22);
    return e;
  };
  auto check = [this](const char* name, const QString& caption, QRect place) {
    auto* c = new QCheckBox(caption, this);
    c->setObjectName(name);
    c->setGeometry(place);
    return c;
  };
  auto group = [this](const char* name, const QString& title, const QStringList& items, QRect place) {
    auto* g = new RadioGroup(title, items, this);
    g->setObjectName(name);
    g->setGeometry(place);
    return g;
  };

  auto* buttLog = new PathButton("&Log File...", this);
  buttLog->setObjectName("buttLog");
  buttLog->setGeometry(7, 8, 394, 25);
  label("Label1", "Site:", QRect(7, 40, 34, 16));
  label("stSiteDescr", "Not open", QRect(44, 40, 357, 16));
  label("Label2", "Log:", QRect(7, 60, 34, 16));
  label("stLogDescr", "Not open", QRect(44, 60, 357, 16));

  label("Label3", "Extension", QRect(Column[0], 84, ColumnWidth, 16));
  edit("editExt", 0);
  check("cbHdrs", "Headers", QRect(Column[0], 130, ColumnWidth, 20));
  group("rgDateTime", "&Date/Time", {"Off", "Serial", "Text"}, QRect(Column[0], 156, ColumnWidth, 84));
  check("cbxXML", "XML", QRect(Column[0], 254, ColumnWidth, 20));

  label("Label4", "Skip Entries", QRect(Column[1], 84, ColumnWidth, 16));
  edit("editSkip", 1);
  FitCaption(check("cbNewOnly", "New Entries Only", QRect(Column[1], 130, ColumnWidth, 20)));
  group("rgSep", "&Separator", {"Comma", "Tab"}, QRect(Column[1], 156, ColumnWidth, 64));
  QPushButton* buttConvert = button("buttConvert", "&Convert", QRect(Column[1], 251, ColumnWidth, 26));

  label("Label5", "New Overlap", QRect(Column[2], 84, ColumnWidth, 16));
  edit("editNewOverlap", 2);
  group("rgTime", "&Time base", {"PC", "LAN"}, QRect(Column[2], 156, ColumnWidth, 64));
  QPushButton* buttExit = button("buttExit", "E&xit", QRect(Column[2], 251, ColumnWidth, 26));
  BuildStyleChoice();

  // Enter presses Convert, or the button that has the focus.
  buttConvert->setDefault(true);
  connect(buttLog, &QPushButton::clicked, this, &TZerbDlg::buttLogClick);
  connect(buttConvert, &QPushButton::clicked, this, &TZerbDlg::buttConvertClick);
  connect(buttExit, &QPushButton::clicked, this, &TZerbDlg::buttExitClick);

  status_ = new StatusBar(this);
  status_->setObjectName("status");
  progress_ = new QProgressBar(this);
  progress_->setObjectName("progress");
  progress_->setTextVisible(false);
  progress_->setRange(0, 1);
  progress_->setValue(0);
  status_->HostInLastPanel(progress_);

  dlgOpenLog_ = new QFileDialog(this);
  dlgOpenLog_->setObjectName("dlgOpenLog");
  dlgOpenLog_->setNameFilter("Log Files (*.log)");
  dlgOpenLog_->setDefaultSuffix("log");
  dlgOpenLog_->setFileMode(QFileDialog::ExistingFile);
  dlgOpenLog_->setAcceptMode(QFileDialog::AcceptOpen);
}

// The output style, where the third column has no check box. A style of its
// own sets the separator and the time columns; XML has no style.
void TZerbDlg::BuildStyleChoice() {
  auto* style = new QComboBox(this);
  style->setObjectName("cbxStyle");
  style->setToolTip("Output style");
  style->setGeometry(Column[2], 129, ColumnWidth, 22);
  for (const std::string_view name : StyleNames()) style->addItem(StyleCaption(name));
  connect(style, &QComboBox::currentIndexChanged, this, [this](int index) {
    controller_.OptionsChanged();
    // A workbook is named .xlsx; leaving it, the field goes back to CSV.
    const bool workbook = index >= 0 && StyleSettings(StyleNames()[std::size_t(index)])->file == TableFile::Workbook;
    const std::string extension = Text(Control::editExt);
    if (workbook && extension == "CSV") SetText(Control::editExt, "xlsx");
    if (!workbook && extension == "xlsx") SetText(Control::editExt, "CSV");
  });
  connect(findChild<QCheckBox*>("cbxXML"), &QCheckBox::toggled, this, [this] { controller_.OptionsChanged(); });
  connect(findChild<RadioGroup*>("rgTime"), &RadioGroup::ItemChanged, this, [this] { controller_.TimeBaseChanged(); });
}

void TZerbDlg::SetTabOrder() {
  QList<QWidget*> order;
  for (const char* name : {"buttLog", "editExt", "editSkip", "editNewOverlap", "cbHdrs", "cbNewOnly"})
    order << findChild<QWidget*>(name);
  for (const char* name : {"rgDateTime", "rgSep", "rgTime"})
    for (QRadioButton* radio : findChild<QWidget*>(name)->findChildren<QRadioButton*>()) order << radio;
  for (const char* name : {"buttConvert", "buttExit", "cbxXML", "cbxStyle"}) order << findChild<QWidget*>(name);
  // What the grown window adds comes after the dialog's own controls.
  // The period chooser, added with the history, after what was there.
  for (QWidget* tool : plotTools_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if ((tool->focusPolicy() & Qt::TabFocus) && tool != periodChoice_) order << tool;
  order << plot_ << readingsView_ << periodChoice_ << sideTabs_ << channelFilter_;
  for (const char* name : {"buttAllChannels", "buttNoChannels"}) order << findChild<QWidget*>(name);
  order << channelList_ << batchList_ << openFolder_;
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

QWidget* TZerbDlg::Find(Control control) const {
  const std::string_view name = ControlName(control);
  return findChild<QWidget*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
}

void TZerbDlg::SetWindowCaption(const std::string& text) { setWindowTitle(FromText(text)); }

void TZerbDlg::SetCaption(Control control, const std::string& text) {
  QWidget* widget = Find(control);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(LiteralCaption(QFile::decodeName(text.c_str())));
    // The open log's whole path, however the button elides it.
    if (control == Control::buttLog) button->setToolTip(text == "Log ... " ? QString() : QFile::decodeName(text.c_str()));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    // Site names and log descriptions are 8-bit texts from the files.
    label->setText(SiteText(text));
  }
}

std::string TZerbDlg::Text(Control control) {
  auto* edit = qobject_cast<QLineEdit*>(Find(control));
  return edit ? edit->text().toStdString() : std::string();
}

void TZerbDlg::SetText(Control control, const std::string& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(Find(control))) edit->setText(FromText(text));
}

bool TZerbDlg::Checked(Control control) {
  auto* box = qobject_cast<QCheckBox*>(Find(control));
  return box && box->isChecked();
}

void TZerbDlg::SetChecked(Control control, bool checked) {
  if (auto* box = qobject_cast<QCheckBox*>(Find(control))) box->setChecked(checked);
}

int TZerbDlg::ItemIndex(Control control) {
  if (auto* choice = qobject_cast<QComboBox*>(Find(control))) return choice->currentIndex();
  auto* group = qobject_cast<RadioGroup*>(Find(control));
  return group ? group->ItemIndex() : -1;
}

void TZerbDlg::SetItemIndex(Control control, int index) {
  if (auto* choice = qobject_cast<QComboBox*>(Find(control))) choice->setCurrentIndex(index);
  if (auto* group = qobject_cast<RadioGroup*>(Find(control))) group->SetItemIndex(index);
}

void TZerbDlg::SetEnabled(Control control, bool enabled) {
  if (QWidget* widget = Find(control)) widget->setEnabled(enabled);
}

void TZerbDlg::SetProgressMax(uint32_t maximum) {
  // A range of 0 to 0 would make the bar an endless busy animation.
  progress_->setRange(0, maximum == 0 ? 1 : int(maximum));
}

void TZerbDlg::SetProgressPosition(uint32_t position) {
  progressPosition_ = position;
  if (position == 0) progress_->setValue(0);
}

void TZerbDlg::SetStatusText(const std::string& text) {
  progress_->setValue(int(progressPosition_));
  status_->SetPanelText(FromText(text));
}

void TZerbDlg::ShowMessage(const std::string& text, const std::string& caption, const std::string& reason) {
  QMessageBox box(QMessageBox::NoIcon, FromText(caption), FromText(text), QMessageBox::Ok, this);
  box.setInformativeText(QString::fromLocal8Bit(reason.data(), qsizetype(reason.size())));
  box.exec();
}

void TZerbDlg::ShowError(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, "ZERB32", FromText(text), QMessageBox::Ok, this);
  box.exec();
}

std::optional<std::string> TZerbDlg::ChooseLogFile() {
  if (dlgOpenLog_->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dlgOpenLog_->selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return QFile::encodeName(files.first()).toStdString();
}

// A pass takes a few dozen nanoseconds per entry; one look at the queue, or
// one redraw of the bar, takes microseconds. Looking after every entry would
// make the window's run dozens of times slower than the same conversion on
// the command line, so the queue is looked at once per time slice: input
// still waits no longer than the slice, too short for the operator to see.
void TZerbDlg::ProcessPendingInput() {
  constexpr unsigned CallsPerClockReading = 64;
  constexpr auto Slice = std::chrono::milliseconds(15);
  if (++callsSinceClock_ < CallsPerClockReading) return;
  callsSinceClock_ = 0;
  const auto now = std::chrono::steady_clock::now();
  if (now - lastInput_ < Slice) return;
  lastInput_ = now;
  ProcessPendingInputNow();
}

void TZerbDlg::ProcessPendingInputNow() {
  progress_->setValue(int(progressPosition_));
  QCoreApplication::processEvents();
}

void TZerbDlg::CloseWindow() { close(); }

void TZerbDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only the first show: a window restored from an icon keeps its state.
  if (created_) return;
  created_ = true;
  controller_.FormCreate(TAboutBox::GetFileVersion(), firstArgument_);
}

void TZerbDlg::closeEvent(QCloseEvent* event) {
  if (controller_.FormCloseQuery()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TZerbDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  PlaceAreas();
}

void TZerbDlg::reject() { findChild<QPushButton*>("buttExit")->click(); }

void TZerbDlg::buttLogClick() { controller_.buttLogClick(); }

void TZerbDlg::buttConvertClick() { controller_.buttConvertClick(); }

void TZerbDlg::buttExitClick() { close(); }

}  // namespace zerb
