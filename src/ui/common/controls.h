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
// resized. The controls are children of parent, which owns them. Boxes are
// given as a left-to-right window has them; a right-to-left window (the
// language's direction) mirrors them, so the parent must have its width
// before its controls are placed.

// box in parent as the parent's layout direction shows it: as it is left to
// right; right to left, a box at left L of a parent W wide stands at
// W - L - width.
QRect visualBox(const QWidget* parent, QRect box);

// Names control and sets it at box (mirrored right to left); returns control.
template <typename Control>
Control* placed(Control* control, const QString& name, QRect box) {
  control->setObjectName(name);
  control->setGeometry(visualBox(control->parentWidget(), box));
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
