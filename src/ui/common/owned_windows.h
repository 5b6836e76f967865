#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace pelorin {

// Top-level windows owned by an object that is no widget: a widget's parent
// must be a widget, and one would keep the windows above it. A child of the
// owner, it deletes its windows when the owner goes, at once: the program may
// be ending, with no event loop left to delete them later. It goes after
// the owner's own destructor and its destroyed(), so the windows find the
// owner already gone (a QPointer to it is null).
class OwnedWindows final : public QObject {
  Q_OBJECT

 public:
  explicit OwnedWindows(QObject& owner);
  ~OwnedWindows() override;

  // window goes with the owner, unless it goes first (closed by the user, say).
  void add(QWidget* window);

 private:
  std::vector<QPointer<QWidget>> windows_;
};

}  // namespace pelorin
