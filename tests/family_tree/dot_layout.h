#pragma once

#include <map>
#include <memory>

#include "family_tree/tree_layout.h"

struct GVC_s;

namespace pelorin::family_tree::testing {

enum class DotRanks {
  Layers,  // each layer a rank=same subgraph: dot's ranks are the layers
  Free,    // dot's own ranking (network simplex: shortest total line length)
};

// The layer rule worked out on its own, by relaxation: one below the lowest
// parent; without parents, one above the highest child (0 without children).
// Throws Failure (TypeMismatch) for a picture its own ancestor.
std::map<PictureKey, int> ExpectedLayers(const FamilyGraph& graph);

// A Graphviz context with its plugins loaded, freed with it.
class DotContext {
 public:
  DotContext();  // throws Failure (TypeMismatch) when Graphviz cannot start
  GVC_s* get() const { return context_.get(); }

 private:
  struct Free {
    void operator()(GVC_s* context) const;
  };
  std::unique_ptr<GVC_s, Free> context_;
};

// graph laid out by Graphviz's dot (libgvc), in LayOutFamily's form: cells
// as fixed-size boxes in key order, one point per logical pixel, nodesep
// and ranksep from spacing, y growing downwards, the top left at (0, 0);
// each cell's layer is dot's rank (the least rank 0); each line's points
// sample dot's spline (parent to child). The graph is freed on
// every way out. Throws Failure (TypeMismatch) when dot fails or, with
// DotRanks::Layers, when a rank is not the cell's layer.
TreeLayout LayOutWithDot(const DotContext& context, const FamilyGraph& graph, const LayoutSpacing& spacing = {},
                         DotRanks ranks = DotRanks::Layers);

}  // namespace pelorin::family_tree::testing
