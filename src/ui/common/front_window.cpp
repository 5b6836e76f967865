#include "ui/common/front_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace pelorin {

namespace {
// A title bar's height, and the least of its width to be seen to grab it.
constexpr int kTitleBarHeight = 24;
constexpr int kGrip = 48;
}  // namespace

bool windowsArePlaced(const QString& platformName) {
  return platformName != QLatin1String("wayland") && !platformName.startsWith(QLatin1String("wayland-"));
}

bool titleBarReachable(QPoint frameTopLeft, int width) {
  const QRect titleBar(frameTopLeft, QSize(std::max(width, 1), kTitleBarHeight));
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect seen = titleBar & screen->availableGeometry();
    if (seen.width() >= std::min(kGrip, titleBar.width()) && seen.height() >= kTitleBarHeight / 2) return true;
  }
  return false;
}

void bringToFront(QWidget* window) {
  if (window->isMinimized()) window->showNormal();
  else window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace pelorin
