#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "history/history_store.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace pelorin {

class CellGridView;
class ChangeFollower;
class HistoryActions;
class HistoryCellDelegate;
class HistoryCellsModel;
class HistoryRunsModel;

// The History window: the runs of the history, newest first (when each
// started, how many pictures it made, how many are open; this run marked),
// and the chosen run's pictures as cells in number order, as on the board,
// closed ones dimmed. Enter or a double click on a cell asks the program to
// open that picture (HistoryActions::openRecorded); Ctrl+T shows its family
// tree. "Resume" resumes the
// chosen run when the program allows it; Delete, or "Forget Run", forgets a
// chosen earlier run after asking (never this run nor one it continues).
// Neither is offered for a run another Pelorin still records: their
// tooltips say so.
// "Keep history" switches the recording on and off. It reads the history
// again whenever the program says it changed, and says so when there is no
// history to show. Closing it deletes it.
class frmHistory final : public QWidget {
  Q_OBJECT

 public:
  explicit frmHistory(HistoryActions& actions, QWidget* parent = nullptr);

  // Null once the program's actions are gone (the window goes with them).
  HistoryActions* actions() const { return actions_.data(); }
  HistoryRunsModel& runsModel() const { return *runs_; }
  HistoryCellsModel& cellsModel() const { return *cells_; }
  QTreeView& runsView() const { return *runsView_; }
  CellGridView& cellsView() const { return *cellsView_; }
  HistoryCellDelegate& delegate() const { return *delegate_; }

  // The run whose pictures are shown; none while there is no history.
  std::optional<history::RunId> chosenRun() const { return chosenRun_; }
  // Shows run's pictures when it is listed.
  void chooseRun(history::RunId run);
  // Reads the runs and the chosen run's pictures again, keeping the chosen
  // run (else the newest run with pictures) and the cells' place.
  void refresh();

  // True once the user closed it (it is then deleted).
  bool closing() const { return closing_; }
  // A change the program told of waits to be read.
  bool refreshPending() const;

  // How long after a change the history is read again: at least
  // ChangeFollower::kDelayMs, and kRefreshCostShare times what the last reading took
  // (some 25 ms over 100,000 pictures, more for a long run chosen), up to
  // kMaxRefreshDelayMs. Each Open, tick, close or move records a change, so
  // while the user works the window spends at most a tenth of the time
  // reading.
  static constexpr int kRefreshCostShare = 10;
  static constexpr int kMaxRefreshDelayMs = 2000;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // refresh(), choosing instead when the chosen run is gone.
  void read(std::optional<history::RunId> instead);
  void showRun(const QModelIndex& row);
  void updateControls();
  QString statusText() const;
  void openCell(const QModelIndex& index);
  void resumeChosenRun();
  void forgetChosenRun();

  QPointer<HistoryActions> actions_;
  HistoryRunsModel* runs_ = nullptr;
  HistoryCellsModel* cells_ = nullptr;
  HistoryCellDelegate* delegate_ = nullptr;
  QCheckBox* cbxKeepHistory_ = nullptr;
  QLabel* lblStatus_ = nullptr;
  QTreeView* runsView_ = nullptr;
  QLabel* lblRun_ = nullptr;
  CellGridView* cellsView_ = nullptr;
  QPushButton* btnResume_ = nullptr;
  QPushButton* btnForget_ = nullptr;
  QAction* actForget_ = nullptr;
  QAction* actFamilyTree_ = nullptr;  // Ctrl+T: the current cell's family tree

  std::optional<history::RunId> chosenRun_;
  bool restoring_ = false;  // refresh() is choosing the run again
  ChangeFollower* follower_ = nullptr;
  bool closing_ = false;
};

// Shows the History window over actions, making it on first use (owned by
// actions, it goes with them); the window already open is brought to the
// front instead.
frmHistory& showHistoryWindow(HistoryActions& actions);

}  // namespace pelorin
