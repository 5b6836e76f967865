#include "ui/common/cell_grid_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "platform/seam.h"
#include "ui/common/accessible_cells.h"

namespace pelorin {

CellGridView::CellGridView(QWidget* parent) : QAbstractItemView(parent) {
  setSelectionMode(SingleSelection);
  setEditTriggers(NoEditTriggers);
  setVerticalScrollMode(ScrollPerPixel);
  setHorizontalScrollMode(ScrollPerPixel);
}

void CellGridView::setModel(QAbstractItemModel* model) {
  QAbstractItemView::setModel(model);
  if (model != nullptr) connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { updateGeometries(); });
  relayout();
}

int CellGridView::count() const { return model() != nullptr ? model()->rowCount(rootIndex()) : 0; }

QSize CellGridView::cellSize() const {
  if (!cellSize_.isValid()) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    cellSize_ = itemDelegate()->sizeHint(option, QModelIndex()).expandedTo(QSize(1, 1));
  }
  return cellSize_;
}

int CellGridView::columnCount() const { return std::max(1, viewport()->width() / cellSize().width()); }

QRect CellGridView::cellRect(int row) const {
  const QSize cell = cellSize();
  const int columns = columnCount();
  return QRect(QPoint(row % columns * cell.width(), row / columns * cell.height()), cell);
}

QRect CellGridView::visualRect(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != model() || index.parent() != rootIndex()) return {};
  return cellRect(index.row()).translated(-horizontalOffset(), -verticalOffset());
}

QModelIndex CellGridView::indexAt(const QPoint& point) const {
  const QPoint content = point + QPoint(horizontalOffset(), verticalOffset());
  if (content.x() < 0 || content.y() < 0) return {};
  const QSize cell = cellSize();
  const int columns = columnCount();
  const int column = content.x() / cell.width();
  if (column >= columns) return {};
  const int row = content.y() / cell.height() * columns + column;
  return row < count() ? model()->index(row, 0, rootIndex()) : QModelIndex();
}

void CellGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  const QRect cell = visualRect(index);
  if (!cell.isValid()) return;
  const QRect area = viewport()->rect();
  int dy = 0;
  switch (hint) {
    case PositionAtTop: dy = cell.top(); break;
    case PositionAtBottom: dy = cell.bottom() - area.bottom(); break;
    case PositionAtCenter: dy = cell.center().y() - area.center().y(); break;
    case EnsureVisible:
      if (cell.top() < area.top() || cell.height() > area.height()) {
        dy = cell.top() - area.top();
      } else if (cell.bottom() > area.bottom()) {
        dy = cell.bottom() - area.bottom();
      }
      break;
  }
  verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
  if (cell.left() < area.left() || cell.width() > area.width()) {
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + cell.left() - area.left());
  } else if (cell.right() > area.right()) {
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + cell.right() - area.right());
  }
}

QModelIndex CellGridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
  const int total = count();
  if (total == 0) return {};
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return model()->index(0, 0, rootIndex());
  const int columns = columnCount();
  const int page = columns * std::max(1, viewport()->height() / cellSize().height());
  const int row = current.row();
  int next = row;
  switch (cursorAction) {
    case MoveLeft:
    case MovePrevious: next = row - 1; break;
    case MoveRight:
    case MoveNext: next = row + 1; break;
    case MoveUp: next = row - columns; break;
    case MoveDown:
      next = row + columns;
      // Into a shorter last grid row: its last cell.
      if (next >= total && row / columns < (total - 1) / columns) next = total - 1;
      break;
    case MovePageUp: next = row - page < 0 ? row % columns : row - page; break;
    case MovePageDown: next = std::min(row + page, total - 1); break;
    case MoveHome: next = 0; break;
    case MoveEnd: next = total - 1; break;
  }
  if (next < 0 || next >= total) return current;
  return model()->index(next, 0, rootIndex());
}

int CellGridView::horizontalOffset() const { return horizontalScrollBar()->value(); }

int CellGridView::verticalOffset() const { return verticalScrollBar()->value(); }

bool CellGridView::isIndexHidden(const QModelIndex&) const { return false; }

void CellGridView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  const QRect content = rect.normalized().translated(horizontalOffset(), verticalOffset());
  const QSize cell = cellSize();
  const int columns = columnCount();
  const int total = count();
  const int firstColumn = std::max(0, content.left() / cell.width());
  const int lastColumn = std::min(columns - 1, std::max(0, content.right()) / cell.width());
  QItemSelection selection;
  for (int gridRow = std::max(0, content.top() / cell.height());
       gridRow <= std::max(0, content.bottom()) / cell.height(); ++gridRow) {
    const int first = gridRow * columns + firstColumn;
    const int last = std::min(gridRow * columns + lastColumn, total - 1);
    if (first > last) break;
    selection.select(model()->index(first, 0, rootIndex()), model()->index(last, 0, rootIndex()));
  }
  selectionModel()->select(selection, command);
}

QRegion CellGridView::visualRegionForSelection(const QItemSelection& selection) const {
  QRegion region;
  for (const QItemSelectionRange& range : selection) {
    if (range.parent() != rootIndex()) continue;
    for (int row = range.top(); row <= range.bottom(); ++row) region += visualRect(model()->index(row, 0, rootIndex()));
  }
  return region;
}

void CellGridView::paintEvent(QPaintEvent* event) {
  const int total = count();
  if (total == 0) return;
  QPainter painter(viewport());
  QStyleOptionViewItem base;
  initViewItemOption(&base);
  const QRect area = event->rect().translated(horizontalOffset(), verticalOffset());
  const QSize cell = cellSize();
  const int columns = columnCount();
  const int firstColumn = std::max(0, area.left() / cell.width());
  const int lastColumn = std::min(columns - 1, area.right() / cell.width());
  const QModelIndex current = currentIndex();
  for (int gridRow = std::max(0, area.top() / cell.height()); gridRow <= area.bottom() / cell.height(); ++gridRow) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
      const int row = gridRow * columns + column;
      if (row >= total) return;
      const QModelIndex index = model()->index(row, 0, rootIndex());
      QStyleOptionViewItem option = base;
      option.rect = visualRect(index);
      if (selectionModel()->isSelected(index)) option.state |= QStyle::State_Selected;
      if (index == current && hasFocus()) option.state |= QStyle::State_HasFocus;
      itemDelegateForIndex(index)->paint(&painter, option, index);
    }
  }
}

void CellGridView::resizeEvent(QResizeEvent* event) {
  QAbstractItemView::resizeEvent(event);
  // The cells reflow to the new width.
  viewport()->update();
}

void CellGridView::updateGeometries() {
  const QSize cell = cellSize();
  const int columns = columnCount();
  const int gridRows = (count() + columns - 1) / columns;
  const QSize area = viewport()->size();
  verticalScrollBar()->setRange(0, std::max(0, gridRows * cell.height() - area.height()));
  verticalScrollBar()->setPageStep(area.height());
  verticalScrollBar()->setSingleStep(std::max(1, cell.height() / 3));
  horizontalScrollBar()->setRange(0, std::max(0, cell.width() - area.width()));
  horizontalScrollBar()->setPageStep(area.width());
  horizontalScrollBar()->setSingleStep(std::max(1, cell.width() / 3));
  QAbstractItemView::updateGeometries();
}

void CellGridView::relayout() {
  cellSize_ = QSize();
  updateGeometries();
  viewport()->update();
  if (currentIndex().isValid()) scrollTo(currentIndex());
}

void CellGridView::updateFrom(int row) {
  const QRect first = cellRect(row).translated(-horizontalOffset(), -verticalOffset());
  if (first.top() >= viewport()->height()) return;
  viewport()->update(QRect(0, std::max(0, first.top()), viewport()->width(), viewport()->height()));
}

void CellGridView::rowsInserted(const QModelIndex& parent, int start, int end) {
  QAbstractItemView::rowsInserted(parent, start, end);
  if (parent != rootIndex()) return;
  updateGeometries();
  if (end < count() - 1) return updateFrom(start);
  // Added at the end: the cells before stay where they were.
  for (int row = start; row <= end; ++row) viewport()->update(visualRect(model()->index(row, 0, rootIndex())));
}

void CellGridView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
  QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
  if (parent == rootIndex()) updateFrom(start);
}

void CellGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QAbstractItemView::currentChanged(current, previous);
  // A screen reader speaks the cell the keys moved to.
  if (current.isValid() && hasFocus()) tellAccessibility(this, QAccessible::Focus, current.row());
}

void CellGridView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
  QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
  AccessibilityEvents& events = Seam<AccessibilityEvents>::current();
  // A ticked or cleared Parent box.
  if (!events.listening() || !roles.contains(Qt::CheckStateRole) || topLeft.parent() != rootIndex()) return;
  QAccessible::State checked;
  checked.checked = true;
  for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
    QAccessibleStateChangeEvent event(this, checked);
    event.setChild(row);
    events.tell(event);
  }
}

}  // namespace pelorin
