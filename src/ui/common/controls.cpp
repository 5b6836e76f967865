#include "ui/common/controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelorin {

QRect visualBox(const QWidget* parent, QRect box) {
  if (parent == nullptr || parent->layoutDirection() != Qt::RightToLeft) return box;
  return QRect(parent->width() - box.left() - box.width(), box.top(), box.width(), box.height());
}

QLabel* addLabel(QWidget* parent, const QString& name, QRect box, const QString& text) {
  auto* label = placed(new QLabel(text, parent), name, box);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QPushButton* addButton(QWidget* parent, const QString& name, QRect box, const QString& text) {
  return placed(new QPushButton(text, parent), name, box);
}

QCheckBox* addCheckBox(QWidget* parent, const QString& name, QRect box, const QString& text) {
  return placed(new QCheckBox(text, parent), name, box);
}

QLineEdit* addTextBox(QWidget* parent, const QString& name, QRect box) {
  return placed(new QLineEdit(parent), name, box);
}

void showReadOnly(QAbstractItemView* view, QAbstractItemModel* model, QAbstractItemView::SelectionMode mode,
                  QAbstractItemView::SelectionBehavior behavior) {
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionMode(mode);
  view->setSelectionBehavior(behavior);
  view->setModel(model);
}

QLabel* addPlainLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace pelorin
