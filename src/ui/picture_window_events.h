#pragma once

#include <QObject>
#include <memory>

namespace pelorin {

class clsObject;
class frmObject;

// Tells whoever shows the open pictures (the board) when a picture window
// starts and stops counting as open. One instance for the process; all on
// the user-interface thread.
class PictureWindowEvents : public QObject {
  Q_OBJECT

 public:
  static PictureWindowEvents& instance();

  // A picture was created, drawn and registered, and its window is open.
  void notifyOpened(const std::shared_ptr<clsObject>& picture);
  // A picture window was closed (Done, its close box) or destroyed. May be
  // called more than once for one window.
  void notifyClosed(frmObject* window);

 signals:
  void opened(const std::shared_ptr<pelorin::clsObject>& picture);
  void closed(pelorin::frmObject* window);
};

}  // namespace pelorin
