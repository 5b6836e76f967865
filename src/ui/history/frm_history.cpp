#include "ui/history/frm_history.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "history/recorded_origin.h"
#include "platform/numbers.h"
#include "ui/common/cell_grid_view.h"
#include "ui/common/change_follower.h"
#include "ui/common/controls.h"
#include "ui/common/counted_text.h"
#include "ui/common/front_window.h"
#include "ui/common/history_actions.h"
#include "ui/common/user_messages.h"
#include "ui/family_tree/frm_family_tree.h"
#include "ui/history/history_cell_delegate.h"
#include "ui/history/history_cells_model.h"
#include "ui/history/history_runs_model.h"

namespace pelorin {

namespace {

// Cells across and down in a new window.
constexpr int kColumnsShown = 5;
constexpr int kRowsShown = 3;

// "This run" or "The run of 8 Dec 2026 14:02:31".
QString runName(const history::RunSummary& run) {
  return run.current ? frmHistory::tr("This run") : frmHistory::tr("The run of %1").arg(RunStartText(run.started));
}

// Its pictures may still change: a run going on (this one, one it
// continues, or another program's), or one whose count is not what is shown.
bool mayHaveChanged(const history::RunSummary& run, const HistoryRunsModel& runs, const HistoryCellsModel& cells) {
  return !run.ended || runs.inThisRun(run.id) || cells.rowCount() != run.pictures;
}

}  // namespace

frmHistory::frmHistory(HistoryActions& actions, QWidget* parent)
    : QWidget(parent, Qt::Window),
      actions_(&actions),
      runs_(new HistoryRunsModel(this)),
      cells_(new HistoryCellsModel(this)),
      delegate_(new HistoryCellDelegate(this)) {
  setObjectName(QStringLiteral("frmHistory"));
  setWindowTitle(tr("History"));
  setAttribute(Qt::WA_DeleteOnClose);

  cbxKeepHistory_ = new QCheckBox(tr("&Keep history"), this);
  cbxKeepHistory_->setObjectName(QStringLiteral("cbxKeepHistory"));
  cbxKeepHistory_->setToolTip(tr("Record every picture made, and what becomes of it, in the history"));
  connect(cbxKeepHistory_, &QCheckBox::toggled, this, [this](bool keep) {
    if (!actions_) return;
    actions_->setKeepHistory(keep);
    refresh();
  });

  btnResume_ = new QPushButton(tr("&Resume"), this);
  btnResume_->setObjectName(QStringLiteral("btnResume"));
  btnResume_->setAutoDefault(false);
  connect(btnResume_, &QPushButton::clicked, this, &frmHistory::resumeChosenRun);

  btnForget_ = new QPushButton(tr("&Forget Run"), this);
  btnForget_->setObjectName(QStringLiteral("btnForget"));
  btnForget_->setAutoDefault(false);

  lblStatus_ = addPlainLabel(this, QStringLiteral("lblStatus"));
  lblStatus_->setWordWrap(true);
  lblStatus_->hide();

  runsView_ = new QTreeView(this);
  runsView_->setObjectName(QStringLiteral("lstRuns"));
  runsView_->setAccessibleName(tr("Runs"));
  runsView_->setRootIsDecorated(false);
  runsView_->setUniformRowHeights(true);
  runsView_->setAllColumnsShowFocus(true);
  runsView_->setItemsExpandable(false);
  showReadOnly(runsView_, runs_, QAbstractItemView::SingleSelection, QAbstractItemView::SelectRows);
  {
    // Set widths: measuring 500 rows would cost more than it is worth.
    const QFontMetrics metrics = runsView_->fontMetrics();
    const int padding = 2 * metrics.horizontalAdvance(QLatin1Char('0'));
    QHeaderView* header = runsView_->header();
    header->setStretchLastSection(false);
    const QString longest = RunStartText(QDateTime(QDate(2026, 12, 28), QTime(14, 2, 31)));
    // This run's row is bold.
    QFont bold = runsView_->font();
    bold.setBold(true);
    header->resizeSection(HistoryRunsModel::StartedColumn,
                          std::max(QFontMetrics(bold).horizontalAdvance(longest + HistoryRunsModel::thisRunMark()),
                                   metrics.horizontalAdvance(longest + HistoryRunsModel::continuedMark())) +
                              padding);
    for (int column : {HistoryRunsModel::PicturesColumn, HistoryRunsModel::OpenColumn}) {
      const QString title = runs_->headerData(column, Qt::Horizontal).toString();
      header->resizeSection(
          column,
          std::max(metrics.horizontalAdvance(title), metrics.horizontalAdvance(QStringLiteral("00000"))) + padding);
    }
  }
  connect(runsView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!restoring_) showRun(current);
          });

  actForget_ = new QAction(tr("Forget Run"), runsView_);
  actForget_->setObjectName(QStringLiteral("actForget"));
  actForget_->setShortcut(QKeySequence::Delete);
  actForget_->setShortcutContext(Qt::WidgetShortcut);
  runsView_->addAction(actForget_);
  connect(actForget_, &QAction::triggered, this, &frmHistory::forgetChosenRun);
  connect(btnForget_, &QPushButton::clicked, actForget_, &QAction::trigger);

  lblRun_ = addPlainLabel(this, QStringLiteral("lblRun"));

  cellsView_ = new CellGridView(this);
  cellsView_->setObjectName(QStringLiteral("lstPictures"));
  cellsView_->setAccessibleName(tr("Pictures of the chosen run"));
  cellsView_->setActivationText(tr("Open"));
  cellsView_->setItemDelegate(delegate_);
  cellsView_->setModel(cells_);
  cellsView_->viewport()->installEventFilter(this);
  connect(cellsView_, &QAbstractItemView::activated, this, &frmHistory::openCell);
  actFamilyTree_ = new QAction(tr("Family Tree..."), cellsView_);
  actFamilyTree_->setObjectName(QStringLiteral("actFamilyTree"));
  actFamilyTree_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  actFamilyTree_->setShortcutContext(Qt::WindowShortcut);
  cellsView_->addAction(actFamilyTree_);
  cellsView_->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(actFamilyTree_, &QAction::triggered, this, [this] {
    const history::RecordedPicture* picture = cells_->picture(cellsView_->currentIndex());
    if (picture == nullptr || !actions_) return;
    const history::PictureId id = picture->id;
    reportFailures(this, [&] { showFamilyTreeWindow(*actions_, id); });
  });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cbxKeepHistory_);
  buttons->addStretch();
  buttons->addWidget(btnResume_);
  buttons->addWidget(btnForget_);

  auto* pictures = new QWidget(this);
  auto* picturesColumn = new QVBoxLayout(pictures);
  picturesColumn->setContentsMargins(0, 0, 0, 0);
  picturesColumn->addWidget(lblRun_);
  picturesColumn->addWidget(cellsView_, 1);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setObjectName(QStringLiteral("splitter"));
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(runsView_);
  splitter->addWidget(pictures);
  splitter->setStretchFactor(1, 1);

  auto* column = new QVBoxLayout(this);
  column->addLayout(buttons);
  column->addWidget(lblStatus_);
  column->addWidget(splitter, 1);

  follower_ = new ChangeFollower(*this, actions, [this] { refresh(); });

  int runsWidth = runsView_->frameWidth() * 2 + runsView_->verticalScrollBar()->sizeHint().width();
  for (int section = 0; section < HistoryRunsModel::kColumnCount; ++section) {
    runsWidth += runsView_->header()->sectionSize(section);
  }
  runsView_->setMinimumWidth(runsWidth / 2);
  splitter->setSizes({runsWidth, cellsView_->cellSize().width() * kColumnsShown});
  const QSize cell = cellsView_->cellSize();
  resize(runsWidth + cell.width() * kColumnsShown + 60, cell.height() * kRowsShown + 110);

  refresh();
  runsView_->setFocus();
}

void frmHistory::chooseRun(history::RunId run) {
  const QModelIndex row = runs_->indexOf(run);
  if (row.isValid()) runsView_->setCurrentIndex(row);
}

void frmHistory::refresh() { read(std::nullopt); }

void frmHistory::read(std::optional<history::RunId> instead) {
  QElapsedTimer reading;
  reading.start();
  follower_->done();
  if (actions_ && actions_->waitingForFile()) {
    // What is shown stays until the file is free (changed() then).
    updateControls();
    return;
  }
  history::HistoryStore* store = actions_ ? actions_->store() : nullptr;
  std::vector<history::RunSummary> runs = store != nullptr ? store->runs() : std::vector<history::RunSummary>{};

  // A forgotten run's records may be taken again by new pictures: their
  // images must not be shown for them.
  std::set<history::RunId> listed;
  for (const history::RunSummary& run : runs) listed.insert(run.id);
  for (int row = 0; row < runs_->rowCount(); ++row) {
    if (listed.count(runs_->run(runs_->index(row, 0))->id) == 0) {
      cells_->dropImages();
      break;
    }
  }

  restoring_ = true;
  runs_->setRuns(std::move(runs));
  QModelIndex chosen = chosenRun_ ? runs_->indexOf(*chosenRun_) : QModelIndex();
  if (!chosen.isValid() && instead) chosen = runs_->indexOf(*instead);
  if (!chosen.isValid()) {
    // The newest run with pictures: this one once it has made some.
    for (int row = 0; row < runs_->rowCount() && !chosen.isValid(); ++row) {
      if (runs_->run(runs_->index(row, 0))->pictures > 0) chosen = runs_->index(row, 0);
    }
    if (!chosen.isValid()) chosen = runs_->index(0, 0);
  }
  if (chosen.isValid() && runsView_->currentIndex().row() != chosen.row()) {
    runsView_->selectionModel()->setCurrentIndex(chosen,
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    runsView_->scrollTo(chosen);
  } else if (chosen.isValid() && !runsView_->selectionModel()->isRowSelected(chosen.row())) {
    runsView_->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  restoring_ = false;
  showRun(chosen);
  const auto took = static_cast<int>(std::min<qint64>(reading.elapsed(), kMaxRefreshDelayMs));
  follower_->setInterval(std::clamp(took * kRefreshCostShare, ChangeFollower::kDelayMs, kMaxRefreshDelayMs));
}

void frmHistory::showRun(const QModelIndex& row) {
  const history::RunSummary* run = runs_->run(row);
  history::HistoryStore* store = actions_ ? actions_->store() : nullptr;
  if (run == nullptr || store == nullptr) {
    chosenRun_.reset();
    cells_->clear();
    updateControls();
    return;
  }
  chosenRun_ = run->id;
  const bool sameRun = cells_->run() == run->id;
  if (!sameRun || mayHaveChanged(*run, *runs_, *cells_)) {
    std::vector<history::RecordedPicture> pictures = store->picturesOf(run->id);
    // Each names the picture it was read or copied from as its own line does.
    for (history::RecordedPicture& picture : pictures) {
      picture.origin = history::OriginOf(picture, [this](history::RunId other) { return runs_->inThisRun(other); });
    }
    cells_->setPictures(run->id, std::move(pictures));
  }
  if (!sameRun) cellsView_->scrollToTop();
  updateControls();
}

void frmHistory::updateControls() {
  HistoryActions* actions = actions_.data();
  history::HistoryStore* store = actions != nullptr ? actions->store() : nullptr;
  {
    const QSignalBlocker quiet(cbxKeepHistory_);
    cbxKeepHistory_->setChecked(actions != nullptr && actions->keepHistory());
  }
  cbxKeepHistory_->setEnabled(actions != nullptr);

  const history::RunSummary* run = chosenRun_ ? runs_->run(runs_->indexOf(*chosenRun_)) : nullptr;
  // Another Pelorin's run, as the last reading found it.
  const bool live = run != nullptr && run->live;
  btnResume_->setEnabled(store != nullptr && run != nullptr && !live && actions->canResume(run->id));
  const bool forgettable = store != nullptr && run != nullptr && !live && !runs_->inThisRun(run->id);
  actForget_->setEnabled(forgettable);
  btnForget_->setEnabled(forgettable);
  const QString liveTip = tr("The chosen run is still being recorded by another Pelorin");
  btnResume_->setToolTip(
      live ? liveTip
           : tr("Continue the chosen run: its open pictures come back, and numbering goes on after its last"));
  btnForget_->setToolTip(live ? liveTip : tr("Remove the chosen run and its pictures from the history (Delete)"));

  if (run == nullptr) {
    lblRun_->clear();
  } else if (run->pictures == 0) {
    lblRun_->setText(tr("%1: no pictures").arg(runName(*run)));
  } else {
    lblRun_->setText(
        tr("%1: %2, %3 open").arg(runName(*run), PicturesText(run->pictures), plainNumberText(run->openPictures)));
  }

  const QString status = statusText();
  lblStatus_->setText(status);
  lblStatus_->setVisible(!status.isEmpty());
}

QString frmHistory::statusText() const {
  if (!actions_) return tr("The history is not available.");
  if (actions_->waitingForFile()) {
    return tr(
        "Another program is writing the history: what this one records waits for it, and the history is "
        "shown again once it is done.");
  }
  QStringList parts;
  if (!actions_->keepHistory()) parts << tr("Keep history is off: nothing more is recorded.");
  if (history::HistoryStore* store = actions_->store(); store == nullptr || !store->recording()) {
    parts << tr("The history is not available.");
    if (store != nullptr && store->problem()) parts << *store->problem();
  }
  return parts.join(QLatin1Char(' '));
}

bool frmHistory::refreshPending() const { return follower_->pending(); }

void frmHistory::closeEvent(QCloseEvent* event) {
  closing_ = true;
  QWidget::closeEvent(event);
}

bool frmHistory::eventFilter(QObject* watched, QEvent* event) {
  // The cells are drawn for the screen they are painted on.
  if (event->type() == QEvent::Paint && watched == cellsView_->viewport()) {
    cells_->setDevicePixelRatio(cellsView_->viewport()->devicePixelRatioF());
  }
  return QWidget::eventFilter(watched, event);
}

void frmHistory::openCell(const QModelIndex& index) {
  const history::RecordedPicture* picture = cells_->picture(index);
  if (picture == nullptr || !actions_) return;
  // The call may change the history, and with it this model: pass a copy.
  const history::RecordedPicture chosen = *picture;
  reportFailures(this, [&] { actions_->openRecorded(chosen); });
}

void frmHistory::resumeChosenRun() {
  if (!actions_ || !chosenRun_ || !actions_->canResume(*chosenRun_)) return;
  const history::RunId run = *chosenRun_;
  reportFailures(this, [&] { actions_->resume(run); });
  if (actions_) refresh();
}

void frmHistory::forgetChosenRun() {
  const history::RunSummary* chosen = chosenRun_ ? runs_->run(runs_->indexOf(*chosenRun_)) : nullptr;
  if (chosen == nullptr || chosen->live || runs_->inThisRun(chosen->id)) return;
  // The question waits on the user, and the history may change meanwhile.
  const history::RunSummary run = *chosen;
  const QString question = run.pictures == 0
                               ? tr("Forget the run of %1? It holds no pictures.").arg(RunStartText(run.started))
                               : tr("Forget the run of %1 and the %2 it holds? They cannot be brought back.")
                                     .arg(RunStartText(run.started), PicturesText(run.pictures));
  if (!Seam<UserMessages>::current().askYesNo(this, tr("Forget Run"), question)) return;
  if (!actions_ || actions_->store() == nullptr) return;
  // The run that takes its place in the list is chosen next: the one after
  // it, or before it at the end.
  const int row = runs_->indexOf(run.id).row();
  const history::RunSummary* next = runs_->run(runs_->index(row + 1, 0));
  if (next == nullptr) next = runs_->run(runs_->index(row - 1, 0));
  const std::optional<history::RunId> nextRun = next != nullptr ? std::optional(next->id) : std::nullopt;
  actions_->forgetRun(run.id);
  read(nextRun);
}

frmHistory& showHistoryWindow(HistoryActions& actions) {
  return showOneWindow<frmHistory>(
      [&](const frmHistory& open) { return open.actions() == &actions && !open.closing(); },
      [&] {
        auto* window = new frmHistory(actions);
        actions.windows().add(window);
        return window;
      });
}

}  // namespace pelorin
