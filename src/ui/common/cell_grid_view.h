#pragma once

#include <QAbstractItemView>

namespace pelorin {

// The cells of a list model as a grid of equal cells, filled row by row and
// reflowed to the view's width; scrolls vertically. The cell size is the
// item delegate's size hint for the first row. Adding a row at the end
// repaints only that cell, so a long board costs nothing for a new picture.
// Arrow keys move between cells (Up and Down by one grid row).
// A screen reader hears it as a list of its cells (makeCellGridAccessible):
// the new current cell gets the focus when the keys move it, and a ticked
// or cleared cell is told to the client (its interface tells the cells that
// come and go).
class CellGridView : public QAbstractItemView {
  Q_OBJECT

 public:
  explicit CellGridView(QWidget* parent = nullptr);

  void setModel(QAbstractItemModel* model) override;
  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& point) const override;

  // The size of every cell and the number of cells in a grid row.
  QSize cellSize() const;
  int columnCount() const;
  // Lays the cells out again; call after the delegate's cell size changed.
  void relayout();

  // What activating a cell does, as a screen reader says its Press action
  // ("Open"); none: "Press".
  QString activationText() const { return activationText_; }
  void setActivationText(const QString& text) { activationText_ = text; }
  // Does what Enter does on index: tells activated().
  void activate(const QModelIndex& index) { emit activated(index); }

 protected:
  QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
  int horizontalOffset() const override;
  int verticalOffset() const override;
  bool isIndexHidden(const QModelIndex& index) const override;
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
  QRegion visualRegionForSelection(const QItemSelection& selection) const override;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void updateGeometries() override;
  void rowsInserted(const QModelIndex& parent, int start, int end) override;
  void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles = QList<int>()) override;

 private:
  int count() const;
  // Cell `row` in content coordinates (scrolling not applied).
  QRect cellRect(int row) const;
  // Repaints the cells from row on to the end of the visible area.
  void updateFrom(int row);

  mutable QSize cellSize_;
  QString activationText_;
};

}  // namespace pelorin
