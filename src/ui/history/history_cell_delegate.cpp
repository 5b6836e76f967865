#include "ui/history/history_cell_delegate.h"

#include <QPainter>

#include "picture/picture_surface.h"
#include "platform/twips.h"
#include "ui/history/history_cells_model.h"
#include "ui/common/picture_cell.h"

namespace pelorin {

namespace {

constexpr QSize kPictureSize = twipsSize(kPictureWidthTwips, kPictureHeightTwips);

}  // namespace

HistoryCellDelegate::HistoryCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

HistoryCellDelegate::CellLayout HistoryCellDelegate::layout(const QRect& cell,
                                                            const QStyleOptionViewItem& option) const {
  const int rowHeight = option.fontMetrics.height() + 2;
  CellLayout parts;
  parts.picture = QRect(cell.topLeft() + QPoint(kCellMargin, kCellMargin), kPictureSize);
  const int rowTop = parts.picture.bottom() + 1 + kCellGap;
  parts.number = QRect(parts.picture.left(), rowTop, parts.picture.width(), rowHeight);
  parts.origin = QRect(parts.picture.left(), rowTop + rowHeight, parts.picture.width(), option.fontMetrics.height());
  return parts;
}

QSize HistoryCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  const CellLayout parts = layout(QRect(), option);
  return QSize(parts.picture.width() + 2 * kCellMargin, parts.origin.bottom() + 1 + kCellMargin);
}

void HistoryCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const CellLayout parts = layout(option.rect, option);
  const bool selected = option.state & QStyle::State_Selected;
  const bool open = index.data(HistoryCellsModel::OpenRole).toBool();

  DrawCellPanel(painter, option);

  painter->save();
  if (!open) painter->setOpacity(kClosedOpacity);
  painter->setPen(option.palette.color(QPalette::Mid));
  painter->drawRect(parts.picture.adjusted(-1, -1, 0, 0));
  painter->drawImage(parts.picture.topLeft(), index.data(Qt::DecorationRole).value<QImage>());

  const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
  QFont bold = option.font;
  bold.setBold(true);
  painter->setFont(bold);
  painter->setPen(text);
  painter->drawText(parts.number, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
  painter->setFont(option.font);
  if (!open) painter->drawText(parts.number, Qt::AlignRight | Qt::AlignVCenter, tr("closed"));
  const QString origin = index.data(HistoryCellsModel::OriginRole).toString();
  painter->drawText(parts.origin, Qt::AlignLeft | Qt::AlignVCenter,
                    option.fontMetrics.elidedText(origin, Qt::ElideRight, parts.origin.width()));
  painter->restore();
}

}  // namespace pelorin
