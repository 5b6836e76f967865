#pragma once

#include <QApplication>
#include <QGuiApplication>
#include <QString>
#include <QWidget>

namespace pelorin {

// Shows window (restored if minimised), raises it and makes it active.
void bringToFront(QWidget* window);

// Whether a window whose frame's top-left corner is at frameTopLeft (logical
// pixels, as QWidget::pos() reads it) and whose frame is width wide would
// show enough of its title bar on some current screen's available area for
// the user to grab it. A place recorded on a screen since unplugged is not.
bool titleBarReachable(QPoint frameTopLeft, int width);

// Whether windows on the Qt platform platformName stand where the program
// puts them and report where they are. Not on native Wayland ("wayland",
// "wayland-egl", ...): the compositor places every window and Qt reports the
// screen's corner, so no place is recorded there.
bool windowsArePlaced(const QString& platformName = QGuiApplication::platformName());

// The top-level Window that is the one asked for (isIt), or a new one from
// make() when there is none, brought to the front: one window of a kind.
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
