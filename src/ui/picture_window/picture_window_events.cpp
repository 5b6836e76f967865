#include "ui/picture_window/picture_window_events.h"

namespace pelorin {

PictureWindowEvents& PictureWindowEvents::instance() {
  static PictureWindowEvents events;
  return events;
}

void PictureWindowEvents::notifyOpened(const std::shared_ptr<clsObject>& picture) { emit opened(picture); }

void PictureWindowEvents::notifyClosed(frmObject* window) { emit closed(window); }

}  // namespace pelorin
