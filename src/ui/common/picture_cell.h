#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>

class QPainter;
class QStyle;

namespace pelorin {

// What the cells of the board and of the History window share: a picture
// kCellMargin logical pixels inside the cell, its row of text kCellGap below.
inline constexpr int kCellMargin = 4;
inline constexpr int kCellGap = 3;

// The roles a picture cell reads beyond Qt's own: OriginRole, the picture's
// origin line (QString); ClosedRole, true when the picture's window is
// closed (bool; none: open). A model's own roles start at kFirstOwnRole.
enum PictureCellRole { OriginRole = Qt::UserRole, ClosedRole, kFirstOwnRole };

// The style that draws option's widget (the application's without one).
QStyle* StyleOf(const QStyleOptionViewItem& option);

// The cell's item panel and, when it has the focus, its focus frame, drawn
// under the picture: some styles tint the focus frame's inside.
void DrawCellPanel(QPainter* painter, const QStyleOptionViewItem& option);

// A cell of a picture as the board and the History window draw it: the
// picture in a one-pixel frame, below it a row that starts with the number
// (DisplayRole, bold), then the origin line (OriginRole) shortened to the
// cell. Every cell has the same size. Each window's delegate draws the
// picture itself and what else its cells hold.
class PictureCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // Where the parts of a cell lie, in the coordinates cell is given in.
  struct CellLayout {
    QRect picture;
    QRect number;
    QRect origin;
  };

  // The one size of every cell, in logical pixels.
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 protected:
  using QStyledItemDelegate::QStyledItemDelegate;

  // The picture's size in a cell, logical pixels.
  virtual QSize pictureSize() const = 0;
  // The height of the number's row: the font's, with a pixel above and below.
  virtual int numberRowHeight(const QStyleOptionViewItem& option) const;
  // The parts of cell; the number's row is as wide as the picture.
  CellLayout cellLayout(const QRect& cell, const QStyleOptionViewItem& option) const;

  // These two change the painter's pen and font: call them between its save
  // and restore.
  // The frame around the picture, in the palette's Mid colour.
  static void drawPictureFrame(QPainter* painter, const QStyleOptionViewItem& option, const QRect& picture);
  // The number at the left of its row, then aside (unless empty) at the
  // right of that row, then the origin line; in the cell's text colour.
  static void drawTexts(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                        const CellLayout& parts, const QString& aside = {});
};

}  // namespace pelorin
