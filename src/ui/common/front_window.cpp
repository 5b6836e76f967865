#include "ui/common/front_window.h"

namespace pelorin {

void bringToFront(QWidget* window) {
  if (window->isMinimized()) window->showNormal();
  else window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace pelorin
