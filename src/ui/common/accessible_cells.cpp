#include "ui/common/accessible_cells.h"

#include <QAction>
#include <QPointer>

#include "platform/seam.h"
#include "ui/common/cell_grid_view.h"
#include "ui/common/picture_cell.h"

namespace pelorin {

namespace {

// One cell of a CellListAccessible: everything it says is asked of the
// list, by its row, which the list moves when rows come or go.
class AccessibleCell final : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
 public:
  AccessibleCell(QWidget* view, int row) : view_(view), row_(row) {}

  void setRow(int row) { row_ = row; }

  bool isValid() const override { return list() != nullptr && row_ < list()->cellCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return isValid() ? list()->window() : nullptr; }
  QAccessibleInterface* parent() const override { return list(); }
  QAccessibleInterface* child(int index) const override { return isValid() ? list()->cellChild(row_, index) : nullptr; }
  int childCount() const override { return isValid() ? list()->cellChildCount(row_) : 0; }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i)
      if (this->child(i) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text kind) const override { return isValid() ? list()->cellText(row_, kind) : QString(); }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect cell = list()->cellRect(row_);
    return QRect(view_->mapToGlobal(cell.topLeft()), cell.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    if (isValid()) return list()->cellState(row_);
    QAccessible::State gone;
    gone.invalid = true;
    return gone;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  bool isSelected() const override { return isValid() && list()->isRowSelected(row_); }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return 0; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return list(); }

  QStringList actionNames() const override { return isValid() ? list()->cellActionNames(row_) : QStringList(); }
  QString localizedActionName(const QString& name) const override {
    return isValid() ? list()->cellActionText(row_, name) : QString();
  }
  void doAction(const QString& name) override {
    if (isValid()) list()->doCellAction(row_, name);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  CellListAccessible* list() const {
    return view_ ? static_cast<CellListAccessible*>(QAccessible::queryAccessibleInterface(view_.data())) : nullptr;
  }

  QPointer<QWidget> view_;
  int row_;
};

}  // namespace

AccessibilityEvents& AccessibilityEvents::standard() {
  static AccessibilityEvents qt;
  return qt;
}

void tellAccessibility(QObject* object, QAccessible::Event type, int child) {
  AccessibilityEvents& events = Seam<AccessibilityEvents>::current();
  if (!events.listening()) return;
  QAccessibleEvent event(object, type);
  event.setChild(child);
  events.tell(event);
}

QString spokenActionName(const QAction& action) {
  QString name = action.text().remove(QLatin1Char('&'));
  if (name.endsWith(QLatin1String("..."))) name.chop(3);
  return name;
}

CellListAccessible::CellListAccessible(QWidget* view) : QAccessibleWidget(view, QAccessible::List) {}

CellListAccessible::~CellListAccessible() { CellListAccessible::forgetCells(); }

void CellListAccessible::forgetCells() {
  for (const QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
  cells_.clear();
}

QAccessibleInterface* CellListAccessible::cell(int row) const {
  if (row < 0 || row >= cellCount()) return nullptr;
  if (const auto kept = cells_.constFind(row); kept != cells_.constEnd())
    return QAccessible::accessibleInterface(*kept);
  auto* made = new AccessibleCell(widget(), row);
  cells_.insert(row, QAccessible::registerAccessibleInterface(made));
  return made;
}

void* CellListAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

int CellListAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr || child->parent() != this) return -1;
  const QAccessibleTableCellInterface* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
  return cell != nullptr ? cell->rowIndex() : -1;
}

QAccessibleInterface* CellListAccessible::childAt(int x, int y) const {
  return cell(rowAt(widget()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* CellListAccessible::focusChild() const {
  return widget()->hasFocus() ? cell(currentRow()) : nullptr;
}

QAccessible::State CellListAccessible::cellState(int row) const {
  QAccessible::State state;
  state.focusable = true;
  state.selectable = true;
  state.focused = widget()->hasFocus() && row == currentRow();
  state.selected = isRowSelected(row);
  const QRect shown = cellRect(row);
  state.offscreen = !shown.intersects(widget()->rect());
  state.invisible = !widget()->isVisible();
  return state;
}

QStringList CellListAccessible::cellActionNames(int) const { return {QAccessibleActionInterface::setFocusAction()}; }

QString CellListAccessible::cellActionText(int, const QString& name) const {
  return QAccessibleActionInterface::localizedActionName(name);
}

void CellListAccessible::doCellAction(int row, const QString& name) {
  if (name == QAccessibleActionInterface::setFocusAction()) {
    setCurrentRow(row);
    widget()->setFocus();
  }
}

QList<QAccessibleInterface*> CellListAccessible::selectedCells() const {
  QList<QAccessibleInterface*> cells;
  for (int row : selectedRows()) cells << cell(row);
  return cells;
}

QList<int> CellListAccessible::selectedRows() const {
  const int current = currentRow();
  return current >= 0 ? QList<int>{current} : QList<int>{};
}

bool CellListAccessible::selectRow(int row) {
  if (row < 0 || row >= cellCount()) return false;
  setCurrentRow(row);
  return true;
}

void CellListAccessible::cellsInserted(int first, int last) {
  const int count = last - first + 1;
  QHash<int, QAccessible::Id> moved;
  for (auto kept = cells_.constBegin(); kept != cells_.constEnd(); ++kept) {
    const int row = kept.key() >= first ? kept.key() + count : kept.key();
    static_cast<AccessibleCell*>(QAccessible::accessibleInterface(*kept))->setRow(row);
    moved.insert(row, *kept);
  }
  cells_ = std::move(moved);
  for (int row = first; row <= last; ++row) tellAccessibility(widget(), QAccessible::ObjectCreated, row);
}

void CellListAccessible::cellsRemoved(int first, int last) {
  const int count = last - first + 1;
  QHash<int, QAccessible::Id> moved;
  for (auto kept = cells_.constBegin(); kept != cells_.constEnd(); ++kept) {
    int row = kept.key();
    if (row >= first && row <= last) {
      QAccessible::deleteAccessibleInterface(*kept);
      continue;
    }
    if (row > last) row -= count;
    static_cast<AccessibleCell*>(QAccessible::accessibleInterface(*kept))->setRow(row);
    moved.insert(row, *kept);
  }
  cells_ = std::move(moved);
}

namespace {

class CellGridAccessible final : public CellListAccessible {
 public:
  explicit CellGridAccessible(CellGridView* view) : CellListAccessible(view) {}

  int cellCount() const override {
    follow();
    return model() != nullptr ? model()->rowCount(view()->rootIndex()) : 0;
  }

  QString cellText(int row, QAccessible::Text kind) const override {
    const QModelIndex cell = index(row);
    switch (kind) {
      case QAccessible::Name: {
        const QString name = CellGridView::tr("Picture %1").arg(cell.data().toString());
        return cell.data(ClosedRole).toBool() ? CellGridView::tr("%1, closed").arg(name) : name;
      }
      case QAccessible::Description: return cell.data(OriginRole).toString();
      default: return {};
    }
  }

  QRect cellRect(int row) const override {
    return view()->visualRect(index(row)).translated(view()->viewport()->pos());
  }

  int rowAt(QPoint point) const override { return view()->indexAt(view()->viewport()->mapFrom(view(), point)).row(); }
  int currentRow() const override { return view()->currentIndex().row(); }
  void setCurrentRow(int row) override { view()->setCurrentIndex(index(row)); }
  bool isRowSelected(int row) const override { return view()->selectionModel()->isSelected(index(row)); }
  QList<int> selectedRows() const override {
    QList<int> rows;
    for (const QModelIndex& selected : view()->selectionModel()->selectedIndexes()) rows << selected.row();
    std::sort(rows.begin(), rows.end());
    return rows;
  }

  QAccessible::State cellState(int row) const override {
    QAccessible::State state = CellListAccessible::cellState(row);
    if (checkable(row)) {
      state.checkable = true;
      state.checked = index(row).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    }
    state.disabled = !(index(row).flags() & Qt::ItemIsEnabled);
    return state;
  }

  QStringList cellActionNames(int row) const override {
    QStringList names = CellListAccessible::cellActionNames(row);
    names << QAccessibleActionInterface::pressAction();
    if (checkable(row)) names << QAccessibleActionInterface::toggleAction();
    for (const QAction* action : view()->actions())
      if (action->isEnabled() && !action->isSeparator()) names << spokenActionName(*action);
    return names;
  }

  QString cellActionText(int row, const QString& name) const override {
    if (name == QAccessibleActionInterface::pressAction() && !view()->activationText().isEmpty())
      return view()->activationText();
    return CellListAccessible::cellActionText(row, name);
  }

  void doCellAction(int row, const QString& name) override {
    const QModelIndex cell = index(row);
    if (name == QAccessibleActionInterface::pressAction()) {
      view()->setCurrentIndex(cell);
      return view()->activate(cell);
    }
    if (name == QAccessibleActionInterface::toggleAction() && checkable(row)) {
      const bool checked = cell.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
      model()->setData(cell, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
      return;
    }
    // The view's own actions act on its current cell.
    for (QAction* action : view()->actions()) {
      if (!action->isEnabled() || action->isSeparator() || spokenActionName(*action) != name) continue;
      view()->setCurrentIndex(cell);
      return action->trigger();
    }
    CellListAccessible::doCellAction(row, name);
  }

 private:
  // Follows the rows of the view's model, which may be set after the
  // interface is made (Qt makes it when the view is named).
  void follow() const {
    QAbstractItemModel* cells = model();
    if (cells == followed_) return;
    auto* self = const_cast<CellGridAccessible*>(this);
    if (followed_ != nullptr) QObject::disconnect(followed_, nullptr, &self->follower_, nullptr);
    self->forgetCells();
    followed_ = cells;
    if (cells == nullptr) return;
    CellGridView* grid = view();
    const auto ours = [grid](const QModelIndex& parent) { return parent == grid->rootIndex(); };
    QObject::connect(cells, &QAbstractItemModel::rowsInserted, &self->follower_,
                     [self, ours](const QModelIndex& parent, int first, int last) {
                       if (ours(parent)) self->cellsInserted(first, last);
                     });
    // Told while the cells are still there for the client to name.
    QObject::connect(cells, &QAbstractItemModel::rowsAboutToBeRemoved, &self->follower_,
                     [grid, ours](const QModelIndex& parent, int first, int last) {
                       if (!ours(parent)) return;
                       for (int row = first; row <= last; ++row)
                         tellAccessibility(grid, QAccessible::ObjectDestroyed, row);
                     });
    QObject::connect(cells, &QAbstractItemModel::rowsRemoved, &self->follower_,
                     [self, ours](const QModelIndex& parent, int first, int last) {
                       if (ours(parent)) self->cellsRemoved(first, last);
                     });
    // Other cells altogether (another run's): the client reads them afresh.
    const auto renewed = [self, grid] {
      self->forgetCells();
      tellAccessibility(grid, QAccessible::ObjectReorder);
    };
    QObject::connect(cells, &QAbstractItemModel::modelReset, &self->follower_, renewed);
    QObject::connect(cells, &QAbstractItemModel::layoutChanged, &self->follower_, renewed);
  }

  CellGridView* view() const { return static_cast<CellGridView*>(widget()); }
  QAbstractItemModel* model() const { return view()->model(); }
  QModelIndex index(int row) const { return model()->index(row, 0, view()->rootIndex()); }
  bool checkable(int row) const { return (index(row).flags() & Qt::ItemIsUserCheckable) != 0; }

  mutable QPointer<QAbstractItemModel> followed_;
};

}  // namespace

QAccessibleInterface* makeCellGridAccessible(CellGridView* view) { return new CellGridAccessible(view); }

}  // namespace pelorin
