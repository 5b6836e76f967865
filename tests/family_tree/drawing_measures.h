#pragma once

#include "family_tree/tree_layout.h"

namespace pelorin::family_tree::testing {

// Line crossings of a layered drawing, counted from its geometry alone. A
// layer's height is its cells' centre; a line becomes straight segments
// between neighbouring layers through its ends' centres and the points
// where its polyline meets each layer between them; two segments between
// the same two layers cross when their ends change sides (segments sharing
// an end never cross).
long long CountDrawnCrossings(const TreeLayout& layout);

}  // namespace pelorin::family_tree::testing
