#include "ui/common/label_fit.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>

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

constexpr qreal kSmallest = 6.0;

// Whether widget stands at a fixed box, arranged by no Qt layout.
bool placedByHand(const QWidget* widget) {
  return widget->parentWidget() == nullptr || widget->parentWidget()->layout() == nullptr;
}

}  // namespace

int textWidth(const QAbstractButton& button, const QFont& font) {
  if (const auto* box = qobject_cast<const QCheckBox*>(&button)) {
    QCheckBox measured(box->text());
    measured.setFont(font);
    measured.setStyle(box->style());
    return measured.sizeHint().width();
  }
  const QStyle* style = button.style();
  return QFontMetrics(font).size(Qt::TextShowMnemonic, button.text()).width() +
         style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
         2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
}

void fitTextToBox(QAbstractButton* button) {
  QFont font = button->font();
  if (button->text().isEmpty() || font.pointSizeF() <= 0 || textWidth(*button, font) <= button->width()) return;
  while (font.pointSizeF() - 0.5 >= kSmallest) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    if (textWidth(*button, font) <= button->width()) break;
  }
  button->setFont(font);
}

void fitTextToBox(QLabel* label) {
  QFont font = label->font();
  const QSizeF box = freeBox(label);
  if (label->text().isEmpty() || font.pointSizeF() <= 0 || fits(label, font, box)) return;
  while (font.pointSizeF() - 0.5 >= kSmallest) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    if (fits(label, font, box)) break;
  }
  label->setFont(font);
}

void fitTextToBoxes(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>()) fitTextToBox(label);
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if ((qobject_cast<QPushButton*>(button) != nullptr || qobject_cast<QCheckBox*>(button) != nullptr) &&
        placedByHand(button)) {
      fitTextToBox(button);
    }
  }
}

}  // namespace pelorin
