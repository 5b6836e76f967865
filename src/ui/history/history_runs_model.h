#pragma once

#include <QAbstractTableModel>
#include <QDateTime>
#include <QString>
#include <set>
#include <vector>

#include "history/history_store.h"
#include "picture/picture_origin.h"

namespace pelorin {

// A run as the History window names it: its start (or end) to the second,
// "8 Dec 2026 14:02:31".
inline QString RunStartText(const QDateTime& started) { return RunDateText(started, RunDateDetail::Seconds); }

// The runs of the history, newest first, one row each: when it started (this
// run marked, and the runs it continues), how many pictures it made and how
// many of them are open. Rows are replaced as a whole by setRuns.
//
// Roles: DisplayRole the column's text, TextAlignmentRole numbers to the
// right, FontRole this run in bold, ToolTipRole the run in words, RunRole the
// run's id (history::RunId) in every column.
class HistoryRunsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { StartedColumn, PicturesColumn, OpenColumn, kColumnCount };
  enum Role { RunRole = Qt::UserRole };

  explicit HistoryRunsModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Shows runs (newest first, as HistoryStore::runs gives them). The same
  // runs in the same order change in place, keeping the views' selection;
  // any other list resets the model.
  void setRuns(std::vector<history::RunSummary> runs);

  // The row's run; null for an invalid index.
  const history::RunSummary* run(const QModelIndex& index) const;
  // The row of run, or an invalid index.
  QModelIndex indexOf(history::RunId run) const;
  // This run or a run it continues (and so cannot be forgotten).
  bool inThisRun(history::RunId run) const;

  // What follows the start of this run, and of a run it continues.
  static QString thisRunMark();
  static QString continuedMark();

 private:
  std::vector<history::RunSummary> runs_;
  std::set<history::RunId> thisRun_;  // this run and the runs it continues
};

}  // namespace pelorin
