#include "ui/history/history_runs_model.h"

#include <QFont>
#include <algorithm>

#include "platform/numbers.h"
#include "ui/common/counted_text.h"

namespace pelorin {

HistoryRunsModel::HistoryRunsModel(QObject* parent) : QAbstractTableModel(parent) {}

int HistoryRunsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(runs_.size());
}

int HistoryRunsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

const history::RunSummary* HistoryRunsModel::run(const QModelIndex& index) const {
  if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
    return nullptr;
  return &runs_[static_cast<std::size_t>(index.row())];
}

QModelIndex HistoryRunsModel::indexOf(history::RunId run) const {
  const auto it = std::find_if(runs_.begin(), runs_.end(), [run](const auto& r) { return r.id == run; });
  return it == runs_.end() ? QModelIndex() : index(static_cast<int>(it - runs_.begin()), StartedColumn);
}

bool HistoryRunsModel::inThisRun(history::RunId run) const { return thisRun_.count(run) > 0; }

QString HistoryRunsModel::thisRunMark() { return tr(" (this run)"); }

QString HistoryRunsModel::continuedMark() { return tr(" (continued)"); }

QVariant HistoryRunsModel::data(const QModelIndex& index, int role) const {
  const history::RunSummary* run = this->run(index);
  if (run == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole:
      switch (index.column()) {
        case StartedColumn: {
          QString text = RunStartText(run->started);
          if (run->current) {
            text += thisRunMark();
          } else if (inThisRun(run->id)) {
            text += continuedMark();
          }
          return text;
        }
        case PicturesColumn: return plainNumberText(run->pictures);
        case OpenColumn: return plainNumberText(run->openPictures);
        default: return {};
      }
    case Qt::TextAlignmentRole:
      if (index.column() == StartedColumn) return {};
      return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::FontRole: {
      if (!run->current) return {};
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    case Qt::ToolTipRole: {
      const QString started = RunStartText(run->started);
      const QString pictures = PicturesText(run->pictures);
      const QString open = plainNumberText(run->openPictures);
      if (run->current) {
        return run->ended ? tr("This run, started %1, ended %2: %3, %4 open")
                                .arg(started, RunStartText(*run->ended), pictures, open)
                          : tr("This run, started %1: %2, %3 open").arg(started, pictures, open);
      }
      const QString text =
          run->ended
              ? tr("The run started %1, ended %2: %3, %4 open").arg(started, RunStartText(*run->ended), pictures, open)
              : tr("The run started %1, never ended (the program was stopped, or is still running): %2, %3 open")
                    .arg(started, pictures, open);
      return inThisRun(run->id) ? tr("%1; this run continues it").arg(text) : text;
    }
    case RunRole: return QVariant::fromValue(run->id);
    default: return {};
  }
}

QVariant HistoryRunsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::TextAlignmentRole && section != StartedColumn) {
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  }
  if (role != Qt::DisplayRole) return {};
  switch (section) {
    case StartedColumn: return tr("Started");
    case PicturesColumn: return tr("Pictures");
    case OpenColumn: return tr("Open");
    default: return {};
  }
}

Qt::ItemFlags HistoryRunsModel::flags(const QModelIndex& index) const {
  if (run(index) == nullptr) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void HistoryRunsModel::setRuns(std::vector<history::RunSummary> runs) {
  std::set<history::RunId> thisRun;
  const auto current = std::find_if(runs.begin(), runs.end(), [](const auto& run) { return run.current; });
  if (current != runs.end()) {
    for (history::RunId run : history::ChainOf(runs, current->id)) thisRun.insert(run);
  }

  const bool sameRows = std::equal(runs.begin(), runs.end(), runs_.begin(), runs_.end(),
                                   [](const auto& a, const auto& b) { return a.id == b.id; });
  if (!sameRows) beginResetModel();
  runs_ = std::move(runs);
  thisRun_ = std::move(thisRun);
  if (!sameRows) {
    endResetModel();
  } else if (!runs_.empty()) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
  }
}

}  // namespace pelorin
