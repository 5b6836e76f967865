#include "genetics/traits.h"

namespace pelorin {

const char* TraitName(Trait trait) {
  const char* name = "";
  ForEachTrait([&](const auto& field) {
    if (field.trait == trait) name = field.name;
  });
  return name;
}

}  // namespace pelorin
