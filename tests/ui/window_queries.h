#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>

namespace pelorin::testing {

// The visible top-level windows of that object name.
inline int visibleWindowsNamed(const QString& name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) ++count;
  }
  return count;
}

}  // namespace pelorin::testing
