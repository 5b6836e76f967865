#pragma once

#include <QCache>
#include <QImage>

#include "ui/common/picture_cell.h"

namespace pelorin {

// Draws one cell of the board: the picture, below it the number and the
// Parent box, then the origin line shortened to the cell (PictureCellDelegate).
// Every cell has the same size, set by the zoom. At zoom 1 the picture is its
// window's retained image itself; at 2 and 3 it is drawn afresh at that
// scale, and with whole paths on it is the whole path framed to the cell
// (kept while likely to be shown again). Clicking the box or pressing Space ticks or clears it through
// the model's CheckStateRole.
class BoardDelegate : public PictureCellDelegate {
  Q_OBJECT

 public:
  static constexpr int kMinZoom = 1;
  static constexpr int kMaxZoom = 3;

  explicit BoardDelegate(QObject* parent = nullptr);

  int zoom() const { return zoom_; }
  // Clamped to kMinZoom..kMaxZoom.
  void setZoom(int zoom);

  // Each cell shows its picture's whole path, scaled to fit the cell.
  bool wholePaths() const { return wholePaths_; }
  void setWholePaths(bool on) { wholePaths_ = on; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // Where the parts of a cell lie, in the coordinates cell is given in; the
  // number's row ends where the Parent box begins.
  struct CellLayout : PictureCellDelegate::CellLayout {
    QRect parentBox;
  };
  CellLayout layout(const QRect& cell, const QStyleOptionViewItem& option) const;

 protected:
  QSize pictureSize() const override;
  int numberRowHeight(const QStyleOptionViewItem& option) const override;
  bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

 private:
  // The picture drawn afresh at the zoom, or its whole path, for a device
  // of ratio dpr.
  const QImage* rendered(const QModelIndex& index, qreal dpr) const;

  int zoom_ = 1;
  bool wholePaths_ = false;
  mutable QCache<quint64, QImage> rendered_;
  mutable qreal renderedRatio_ = 0;
};

}  // namespace pelorin
