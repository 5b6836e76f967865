#pragma once

#include <QApplication>
#include <QRect>
#include <QString>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelorin {

// Every window places its controls this way: each control is named as in the
// window's layout table and set at a fixed box (twipsRect), without a Qt
// layout, so nothing moves when the window is resized. The controls are
// children of parent, which owns them.

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

// Shows window (restored if minimised), raises it and makes it active.
void bringToFront(QWidget* window);

// The top-level Window that is the one asked for (isIt), or a new one from
// make() when there is none, brought to the front.
template <typename Window, typename IsIt, typename Make>
Window& showOneWindow(IsIt isIt, Make make) {
  Window* window = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* open = qobject_cast<Window*>(widget);
    if (open != nullptr && isIt(*open)) window = open;
  }
  if (window == nullptr) window = make();
  bringToFront(window);
  return *window;
}

}  // namespace pelorin
