#include "ui/common/label_fit.h"

#include <QFontMetricsF>
#include <QLabel>

namespace pelorin {

namespace {

// The part of the label's box that lies inside its parent and that no sibling
// label below its top covers.
QSizeF freeBox(const QLabel* label) {
  const QWidget* parent = label->parentWidget();
  const QRect own = parent != nullptr ? label->geometry() & parent->rect() : label->geometry();
  int bottom = own.bottom() + 1;
  if (parent != nullptr) {
    for (const QLabel* other : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      const QRect theirs = other->geometry();
      if (other != label && theirs.top() > own.top() && theirs.top() < bottom && theirs.left() < own.right() &&
          theirs.right() > own.left()) {
        bottom = theirs.top();
      }
    }
  }
  const QRect contents = label->contentsRect();
  return QSizeF(contents.width() - (label->width() - own.width()),
                contents.height() - (label->height() - (bottom - own.top())));
}

bool fits(const QLabel* label, const QFont& font, QSizeF box) {
  const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
  const QRectF needed = QFontMetricsF(font).boundingRect(QRectF(QPointF(0, 0), box), flags, label->text());
  return needed.width() <= box.width() + 0.5 && needed.height() <= box.height() + 0.5;
}

}  // namespace

void fitTextToBox(QLabel* label) {
  QFont font = label->font();
  const QSizeF box = freeBox(label);
  if (label->text().isEmpty() || font.pointSizeF() <= 0 || fits(label, font, box)) return;
  constexpr qreal kSmallest = 6.0;
  while (font.pointSizeF() - 0.5 >= kSmallest) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    if (fits(label, font, box)) break;
  }
  label->setFont(font);
}

void fitTextToBoxes(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>()) fitTextToBox(label);
}

}  // namespace pelorin
