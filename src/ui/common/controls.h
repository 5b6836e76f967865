#pragma once

#include <QAbstractItemView>
#include <QRect>
#include <QString>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelorin {

// The main window, the picture window and the dialogs place their controls
// this way: each control is named and set at a fixed box in logical pixels
// (twipsRect), without a Qt layout, so nothing moves when the window is
// resized. The controls are children of parent, which owns them.

// Names control and sets it at box; returns control.
template <typename Control>
Control* placed(Control* control, const QString& name, QRect box) {
  control->setObjectName(name);
  control->setGeometry(box);
  return control;
}

// A plain, word-wrapping, static label, its text shown as it stands.
QLabel* addLabel(QWidget* parent, const QString& name, QRect box, const QString& text);
QPushButton* addButton(QWidget* parent, const QString& name, QRect box, const QString& text);
QCheckBox* addCheckBox(QWidget* parent, const QString& name, QRect box, const QString& text);
QLineEdit* addTextBox(QWidget* parent, const QString& name, QRect box);

// Shows model in view, read only, selecting as mode and behavior say.
void showReadOnly(QAbstractItemView* view, QAbstractItemModel* model, QAbstractItemView::SelectionMode mode,
                  QAbstractItemView::SelectionBehavior behavior);

// A label that shows its text as plain text, named name, for a window that a
// Qt layout arranges (no fixed box).
QLabel* addPlainLabel(QWidget* parent, const QString& name);

}  // namespace pelorin
