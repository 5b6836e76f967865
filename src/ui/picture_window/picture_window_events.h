#pragma once

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>

#include "app_state/mod_object.h"

namespace pelorin {

class clsObject;
class frmObject;

// Tells whoever shows the open pictures (the board) when a picture window
// starts and stops counting as open, and whoever keeps the history what the
// user did in a picture window (the Parent box is the registry's to tell:
// PictureRegistry::parentBoxChanged). One instance for the process; all on the
// user-interface thread.
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

  // What the user did in the window of picture number, each told once when
  // it happened. Closed by the user (Done, the close box), at position: not
  // the windows that go when the program ends.
  void closedByUser(pelorin::PictureNumber number, QPoint position);
  // The window stopped moving at position (its frame's top-left corner).
  void moved(pelorin::PictureNumber number, QPoint position);
  // bytes: exactly what was written to path.
  void saved(pelorin::PictureNumber number, const QString& path, const QByteArray& bytes);
  // code: the genetic code file's bytes the image carries.
  void exported(pelorin::PictureNumber number, const QString& path, const QByteArray& code);
  // The user asked for the family tree of picture number.
  void familyTreeAsked(pelorin::PictureNumber number);
};

}  // namespace pelorin
