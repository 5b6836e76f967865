#pragma once

#include <cstdint>

#include "family_tree/tree_layout.h"

namespace pelorin::family_tree::testing {

// A family tree as breeding grows one, the same for the same arguments:
// four random pictures, then generations of 6 to 12; a child has 1 to 3
// parents (1 in 20 has 4 to 8), most from the generation before, some from
// two to four back, a few from any earlier one; 1 in 30 is a new root (a
// random picture, one from the clipboard). Runs of 150 pictures. About 2.1
// lines a picture. Cells 128 x 148 logical pixels.
FamilyGraph BreedingTree(int pictures, std::uint32_t seed = 18);

}  // namespace pelorin::family_tree::testing
