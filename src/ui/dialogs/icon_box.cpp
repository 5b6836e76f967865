#include "ui/dialogs/icon_box.h"

#include <QMouseEvent>
#include <QPixmap>

namespace pelorin {

IconBox::IconBox(const QString& resource, const QString& accessibleName, QWidget* parent) : QLabel(parent) {
  setPixmap(QPixmap(resource));
  setAccessibleName(accessibleName);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void IconBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  pressed_ = true;
  event->accept();
}

void IconBox::mouseDoubleClickEvent(QMouseEvent* event) {
  // Not a press: the first click of the pair has already swapped the icon.
  if (event->button() != Qt::LeftButton) return QLabel::mouseDoubleClickEvent(event);
  pressed_ = false;
  event->accept();
}

void IconBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
  const bool click = pressed_ && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

}  // namespace pelorin
