#pragma once

#include "family_tree/layered_graph.h"

namespace pelorin::family_tree::detail {

// An order of every vertex within its layer with few crossings: from a
// depth-first order (and, for small graphs, breadth-first ones from the top
// and the bottom), weighted-median sweeps down and up, each followed by
// transposition of neighbours, then sifting; the best order met. Depends
// only on the graph's vertex numbering.
Ordering ReduceCrossings(const LayeredGraph& graph);

}  // namespace pelorin::family_tree::detail
