#include "ui/history_cell_delegate.h"

#include <QApplication>
#include <QPainter>

#include "picture/picture_surface.h"
#include "platform/twips.h"
#include "ui/history_cells_model.h"

namespace pelorin {

namespace {

// As on the board.
constexpr int kMargin = 4;
constexpr int kGap = 3;
constexpr QSize kPictureSize = twipsSize(kPictureWidthTwips, kPictureHeightTwips);

QStyle* styleOf(const QStyleOptionViewItem& option) {
  return option.widget != nullptr ? option.widget->style() : QApplication::style();
}

}  // namespace

HistoryCellDelegate::HistoryCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

HistoryCellDelegate::CellLayout HistoryCellDelegate::layout(const QRect& cell,
                                                            const QStyleOptionViewItem& option) const {
  const int rowHeight = option.fontMetrics.height() + 2;
  CellLayout parts;
  parts.picture = QRect(cell.topLeft() + QPoint(kMargin, kMargin), kPictureSize);
  const int rowTop = parts.picture.bottom() + 1 + kGap;
  parts.number = QRect(parts.picture.left(), rowTop, parts.picture.width(), rowHeight);
  parts.origin = QRect(parts.picture.left(), rowTop + rowHeight, parts.picture.width(), option.fontMetrics.height());
  return parts;
}

QSize HistoryCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  const CellLayout parts = layout(QRect(), option);
  return QSize(parts.picture.width() + 2 * kMargin, parts.origin.bottom() + 1 + kMargin);
}

void HistoryCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyle* style = styleOf(option);
  const CellLayout parts = layout(option.rect, option);
  const bool selected = option.state & QStyle::State_Selected;
  const bool open = index.data(HistoryCellsModel::OpenRole).toBool();

  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, option.widget);
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.initFrom(option.widget);
    focus.rect = option.rect.adjusted(1, 1, -1, -1);
    focus.state = option.state | QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    focus.backgroundColor = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
  }

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
