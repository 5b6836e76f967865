#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "app_state/mod_object.h"
#include "platform/keyed_collection.h"

namespace pelorin {

class clsObject;

// Every picture completed in this run, under its registry key (" 0", " 12"),
// in order of creation; nothing removes an entry. It also owns each
// picture's Parent box: the picture window's box and the board's cell show
// it and change it through setParentBox, and hear every change through
// parentBoxChanged. All on the user-interface thread.
class PictureRegistry final : public QObject, public KeyedCollection<clsObject> {
  Q_OBJECT

 public:
  // The registered picture number, or null.
  std::shared_ptr<clsObject> picture(PictureNumber number) const;

  // Sets picture number's Parent box to value (0 clear, 1 ticked, 2 greyed)
  // and tells the views when it changed. Nothing for a number not registered.
  void setParentBox(PictureNumber number, int value);

 signals:
  void parentBoxChanged(pelorin::PictureNumber number, int value);
};

}  // namespace pelorin

namespace pelorin::modObject {

PictureRegistry& Registry();

// The parents of the latest breeding, under keys " 0", " 1", ...: nothing
// reads it, but it keeps the last parents alive until the next breeding,
// so a parent whose window was closed since stays until then.
KeyedCollection<clsObject>& ParentList();

// The key of picture number id: " 0", " 12".
QString RegistryKey(long long id);

}  // namespace pelorin::modObject
