#include "app_state/mod_object.h"

namespace pelorin::modObject {

std::int16_t OriginX = kStartX;
std::int16_t OriginY = kStartY;
PictureNumber ObjectCount = 0;

void ResetObjectState() {
  OriginX = kStartX;
  OriginY = kStartY;
  ObjectCount = 0;
}

}  // namespace pelorin::modObject
