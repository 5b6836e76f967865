#include "ui/common/picture_cell.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace pelorin {

QStyle* StyleOf(const QStyleOptionViewItem& option) {
  return option.widget != nullptr ? option.widget->style() : QApplication::style();
}

void DrawCellPanel(QPainter* painter, const QStyleOptionViewItem& option) {
  QStyle* style = StyleOf(option);
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, option.widget);
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.initFrom(option.widget);
    focus.rect = option.rect.adjusted(1, 1, -1, -1);
    focus.state = option.state | QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    const bool selected = option.state & QStyle::State_Selected;
    focus.backgroundColor = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
  }
}

int PictureCellDelegate::numberRowHeight(const QStyleOptionViewItem& option) const {
  return option.fontMetrics.height() + 2;
}

PictureCellDelegate::CellLayout PictureCellDelegate::cellLayout(const QRect& cell,
                                                                const QStyleOptionViewItem& option) const {
  const int rowHeight = numberRowHeight(option);
  CellLayout parts;
  parts.picture = QRect(cell.topLeft() + QPoint(kCellMargin, kCellMargin), pictureSize());
  const int rowTop = parts.picture.bottom() + 1 + kCellGap;
  parts.number = QRect(parts.picture.left(), rowTop, parts.picture.width(), rowHeight);
  parts.origin = QRect(parts.picture.left(), rowTop + rowHeight, parts.picture.width(), option.fontMetrics.height());
  return parts;
}

QSize PictureCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  const CellLayout parts = cellLayout(QRect(), option);
  return QSize(parts.picture.width() + 2 * kCellMargin, parts.origin.bottom() + 1 + kCellMargin);
}

void PictureCellDelegate::drawPictureFrame(QPainter* painter, const QStyleOptionViewItem& option,
                                           const QRect& picture) {
  painter->setPen(option.palette.color(QPalette::Mid));
  painter->drawRect(picture.adjusted(-1, -1, 0, 0));
}

void PictureCellDelegate::drawTexts(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                                    const CellLayout& parts, const QString& aside) {
  const bool selected = option.state & QStyle::State_Selected;
  QFont bold = option.font;
  bold.setBold(true);
  painter->setFont(bold);
  painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(parts.number, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
  painter->setFont(option.font);
  if (!aside.isEmpty()) painter->drawText(parts.number, Qt::AlignRight | Qt::AlignVCenter, aside);
  const QString origin = index.data(OriginRole).toString();
  painter->drawText(parts.origin, Qt::AlignLeft | Qt::AlignVCenter,
                    option.fontMetrics.elidedText(origin, Qt::ElideRight, parts.origin.width()));
}

}  // namespace pelorin
