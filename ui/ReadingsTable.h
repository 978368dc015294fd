#pragma once
// The table beside the plot: one row per shown channel with its unit, its
// reading at the cursor, and the figures of the time shown (lowest,
// highest, mean and count of valid readings; for on/off channels the hours
// on and the starts), worked out by the summary room's figures.

#include <QAbstractTableModel>
#include <QString>
#include <cstddef>
#include <vector>

#include "summary/Figures.h"

namespace zerb {

class PlotView;

class ReadingsTable : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Channel, Unit, AtCursor, Lowest, Highest, Mean, Readings, HoursOn, Starts, Columns };

  ReadingsTable(const PlotView& plot, QObject* parent);

  // The channels shown or the data changed: rows, figures and values anew.
  void Rebuild();
  // The time shown changed: the figures anew.
  void RangeChanged();
  // The cursor moved: the values anew.
  void CursorChanged();
  // The figures of each of the data's channels over [from, to], for a plot
  // whose data holds no rows (a summary per pixel column): shown while the
  // plot shows that range; the figures' cells stay empty otherwise.
  void SetFigures(std::vector<Figures> byChannel, double from, double to);

  // "Cursor: <time> · Shown: <time> to <time>", in the plot's time texts.
  QString Heading() const;
  // The text of a cell, as shown.
  QString Text(int row, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const PlotView& plot_;
  std::vector<std::size_t> channels_;  // the table's rows
  std::vector<Figures> figures_;       // of each row's channel over the time shown
  bool figuresKnown_ = false;
  std::vector<Figures> given_;         // by SetFigures, per channel of the data
  double givenFrom_ = 0, givenTo_ = -1;
};

}  // namespace zerb
