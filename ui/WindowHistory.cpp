// The main window's History tab and the plot of a store's site: the view
// shown follows the plot's range and width, fetched by the tab.

#include <QListWidget>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <cmath>

#include "ui/PlotView.h"
#include "ui/ReadingsTable.h"
#include "ui/zerbb.h"
#if ZERB32_HISTORY
#include "history/Spans.h"
#include "ui/HistoryPanel.h"
#endif

namespace zerb {

void TZerbDlg::BuildHistoryPage() {
#if ZERB32_HISTORY
  history_ = new HistoryPanel(sideTabs_);
  history_->setObjectName("historyPanel");
  history_->plotColumns = [this] { return plot_->LineColumns(); };
  sideTabs_->addTab(history_, "History");
  connect(history_, &HistoryPanel::ViewReady, this, &TZerbDlg::ShowHistory);
  connect(history_, &HistoryPanel::FiguresReady, this, [this](const std::vector<Figures>& figures) {
    if (const SiteHistory* view = history_->Shown(); view && view->envelope && historyShown_)
      readings_->SetFigures(figures, double(view->envelope->from), double(view->envelope->to));
  });
  connect(history_, &HistoryPanel::Imported, this, [this](const QStringList& lines) {
    batchList_->clear();
    batchList_->addItems(lines);
    sideTabs_->setCurrentWidget(batchList_);
  });
  auto* shortcut = new QShortcut(QKeySequence("Ctrl+H"), this);
  connect(shortcut, &QShortcut::activated, this, &TZerbDlg::ShowHistoryTab);
#endif
}

void TZerbDlg::ShowHistoryTab() {
  if (!history_) return;
  Expand();
  sideTabs_->setCurrentWidget(history_);
}

void TZerbDlg::OpenHistory(const std::string& location) {
  if (!history_) return;
  ShowHistoryTab();
  history_->OpenLocation(location, true);
}

#if ZERB32_HISTORY

void TZerbDlg::ShowHistory(bool newSite) {
  if (!newSite && !historyShown_) return;  // the view of a range the plot no longer shows (a log came)
  const SiteHistory& view = *history_->Shown();
  Expand();
  historyShown_ = true;
  if (!controller_.StoreRowsShown) {
    controller_.StoreRowsShown = true;
    if (!controller_.Busy) controller_.OptionsChanged();
  }
  notes_->hide();
  base_ = view.envelope ? nullptr : &view.data;
  plot_->SetExtent(PlotView::Extent{view.first, view.last, view.interval});
  PlotHistory(newSite);
  if (newSite) {
    readings_->SetFigures({}, 0, -1);
    ListChannels(view.data.channels);
    sideTabs_->setCurrentWidget(history_);
  }
  ShowCursorHeading();
  PlaceAreas();
}

void TZerbDlg::PlotHistory(bool fresh) {
  const SiteHistory& view = *history_->Shown();
  const std::optional<Period> period = ChosenPeriod();
  ViewRequest everyRow;
  everyRow.wholeRows = true;
  if (period && ViewHolds(view, everyRow)) {
    PlotPeriods(view.data, *period, !fresh);
  } else if (view.envelope) {
    plot_->SetEnvelope(&*view.envelope, !fresh);
  } else if (fresh) {
    plot_->SetData(&view.data, false);
  } else {
    plot_->SetStretch(&view.data);
  }
  plot_->SetGaps(GapStretches(view.gaps));
}

void TZerbDlg::WantHistoryView() {
  if (!historyShown_ || !plot_->Data()) return;
  ViewRequest request;
  request.from = int64_t(std::floor(plot_->From()));
  request.to = std::max(request.from + 1, int64_t(std::ceil(plot_->To())));
  request.columns = plot_->LineColumns();
  request.wholeRows = ChosenPeriod().has_value();
  history_->WantView(request);
}

#else

void TZerbDlg::ShowHistory(bool) {}
void TZerbDlg::PlotHistory(bool) {}
void TZerbDlg::WantHistoryView() {}

#endif

}  // namespace zerb
