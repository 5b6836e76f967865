#pragma once

#include <QStyleOptionViewItem>

class QPainter;
class QStyle;

namespace pelorin {

// What the cells of the board and of the History window share: a picture
// kCellMargin logical pixels inside the cell, its row of text kCellGap below.
inline constexpr int kCellMargin = 4;
inline constexpr int kCellGap = 3;

// The style that draws option's widget (the application's without one).
QStyle* StyleOf(const QStyleOptionViewItem& option);

// The cell's item panel and, when it has the focus, its focus frame, drawn
// under the picture: some styles tint the focus frame's inside.
void DrawCellPanel(QPainter* painter, const QStyleOptionViewItem& option);

}  // namespace pelorin
