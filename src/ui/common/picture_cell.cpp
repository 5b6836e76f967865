#include "ui/common/picture_cell.h"

#include <QApplication>
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

}  // namespace pelorin
