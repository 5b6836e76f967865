#pragma once

#include <cstdint>

namespace pelorin {

// A picture's number: 0 for the first picture of a run, then 1, 2, ... in
// the order of creation; never reused within a run. Shown as plain digits
// (the window's title and tag); the registry keys it with a leading blank.
using PictureNumber = std::int16_t;

}  // namespace pelorin

namespace pelorin::modObject {

// The start point every picture's first segment starts from, in twips.
inline constexpr std::int16_t kStartX = 850;
inline constexpr std::int16_t kStartY = 800;

// Start point of every picture's first segment, in twips. Set at start-up
// and never changed: the geometry reads it anew for every picture.
extern std::int16_t OriginX;
extern std::int16_t OriginY;

// The number the next picture takes.
extern PictureNumber ObjectCount;

void ResetObjectState();

}  // namespace pelorin::modObject
