#include "picture/picture_registry.h"

#include "picture/picture_object.h"
#include "platform/numbers.h"

namespace pelorin {

std::shared_ptr<clsObject> PictureRegistry::picture(PictureNumber number) const {
  return find(modObject::RegistryKey(number));
}

void PictureRegistry::setParentBox(PictureNumber number, int value) {
  const std::shared_ptr<clsObject> found = picture(number);
  if (!found || found->parentBox_ == value) return;
  found->parentBox_ = value;
  emit parentBoxChanged(number, value);
}

namespace modObject {

PictureRegistry& Registry() {
  static PictureRegistry registry;
  return registry;
}

KeyedCollection<clsObject>& ParentList() {
  static KeyedCollection<clsObject> parents;
  return parents;
}

QString RegistryKey(long long id) { return signedNumberText(id); }

}  // namespace modObject

}  // namespace pelorin
