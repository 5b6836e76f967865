#include "ui/history/history_cell_delegate.h"

#include <QPainter>

#include "picture/picture_surface.h"
#include "platform/twips.h"
#include "ui/history/history_cells_model.h"

namespace pelorin {

namespace {

constexpr QSize kPictureSize = twipsSize(kPictureWidthTwips, kPictureHeightTwips);

}  // namespace

HistoryCellDelegate::HistoryCellDelegate(QObject* parent) : PictureCellDelegate(parent) {}

QSize HistoryCellDelegate::pictureSize() const { return kPictureSize; }

void HistoryCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const CellLayout parts = layout(option.rect, option);
  const bool open = index.data(HistoryCellsModel::OpenRole).toBool();

  DrawCellPanel(painter, option);

  painter->save();
  if (!open) painter->setOpacity(kClosedOpacity);
  drawPictureFrame(painter, option, parts.picture);
  painter->drawImage(parts.picture.topLeft(), index.data(Qt::DecorationRole).value<QImage>());
  drawTexts(painter, option, index, parts, open ? QString() : tr("closed"));
  painter->restore();
}

}  // namespace pelorin
