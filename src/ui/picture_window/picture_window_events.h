#pragma once

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>

namespace pelorin {

class clsObject;
class frmObject;

// Tells whoever shows the open pictures (the board) when a picture window
// starts and stops counting as open, and whoever keeps the history what the
// user did in a picture window. One instance for the process; all on the
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
  void closedByUser(int number, QPoint position);
  // The window stopped moving at position (its frame's top-left corner).
  void moved(int number, QPoint position);
  void parentBoxChanged(int number, bool ticked);
  // bytes: exactly what was written to path.
  void saved(int number, const QString& path, const QByteArray& bytes);
  void exported(int number, const QString& path);
  // The user asked for the family tree of picture number.
  void familyTreeAsked(int number);
};

}  // namespace pelorin
