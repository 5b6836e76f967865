#include "ui/common/owned_windows.h"

#include <QWidget>
#include <algorithm>

namespace pelorin {

OwnedWindows::OwnedWindows(QObject& owner) : QObject(&owner) {}

OwnedWindows::~OwnedWindows() {
  for (const QPointer<QWidget>& window : windows_) delete window.data();
}

void OwnedWindows::add(QWidget* window) {
  std::erase_if(windows_, [](const QPointer<QWidget>& gone) { return gone.isNull(); });
  windows_.emplace_back(window);
}

}  // namespace pelorin
