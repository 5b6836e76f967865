#pragma once

#include <QString>
#include <cstdint>

#include "platform/keyed_collection.h"

namespace pelorin {
class clsObject;
}

namespace pelorin::modObject {

// The start point every picture's first segment starts from, in twips.
inline constexpr std::int16_t kStartX = 850;
inline constexpr std::int16_t kStartY = 800;

// Start point of every picture's first segment, in twips. Set at start-up.
extern std::int16_t OriginX;
extern std::int16_t OriginY;

// The number the next picture takes.
extern std::int16_t ObjectCount;

// Every picture completed in this run, under its registry key, in order of
// creation. Nothing removes an entry.
KeyedCollection<clsObject>& Registry();

// The parents of the latest breeding, under keys " 0", " 1", ...; kept until
// the next breeding.
KeyedCollection<clsObject>& ParentList();

// The key of picture number id: " 0", " 12".
QString RegistryKey(long long id);

void ResetObjectState();

}  // namespace pelorin::modObject
