#pragma once

#include <vector>

#include "family_tree/layered_graph.h"

namespace pelorin::family_tree::detail {

// Horizontal centre of every vertex, logical pixels, in order: in each
// layer a vertex stands at least half both widths plus the gap right of its
// left neighbour (cellGap between two cells, lineGap where a dummy is one of
// them). Between those limits vertices move towards their neighbours,
// dummies most, so long lines run straight. The leftmost extent is 0.
std::vector<double> AssignX(const LayeredGraph& graph, const Ordering& order, double cellGap, double lineGap);

}  // namespace pelorin::family_tree::detail
