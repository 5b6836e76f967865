#pragma once

#include "ui/common/picture_cell.h"

namespace pelorin {

// Draws one cell of the History window as the board draws its cells: the
// picture (the model's DecorationRole), below it the number and, for a
// closed picture, the word "closed", then the origin line (OriginRole)
// shortened to the cell. A closed picture's cell is dimmed. Every cell has
// the same size.
class HistoryCellDelegate : public PictureCellDelegate {
  Q_OBJECT

 public:
  // How opaque a closed picture's cell is drawn.
  static constexpr qreal kClosedOpacity = 0.4;

  explicit HistoryCellDelegate(QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // Where the parts of a cell lie, in the coordinates cell is given in.
  CellLayout layout(const QRect& cell, const QStyleOptionViewItem& option) const { return cellLayout(cell, option); }

 protected:
  QSize pictureSize() const override;
};

}  // namespace pelorin
