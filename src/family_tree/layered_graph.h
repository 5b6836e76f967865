#pragma once

#include <utility>
#include <vector>

namespace pelorin::family_tree::detail {

// One connected family as a proper layered graph: every edge joins two
// neighbouring layers. Vertices 0..realCount-1 are cells, the rest dummies
// where a line passes through a layer.
struct LayeredGraph {
  int realCount = 0;
  int layerCount = 0;
  std::vector<int> layer;                // per vertex
  std::vector<double> width;             // per vertex, logical pixels; 0 for a dummy
  std::vector<std::vector<int>> up;      // per vertex: neighbours one layer above, ascending
  std::vector<std::vector<int>> down;    // per vertex: neighbours one layer below, ascending
  std::vector<std::vector<int>> chains;  // per edge: parent, its dummies top down, child

  int vertexCount() const { return static_cast<int>(layer.size()); }
  bool isDummy(int v) const { return v >= realCount; }
};

// layers[r]: the vertices of layer r, left to right.
using Ordering = std::vector<std::vector<int>>;

// Builds the layered graph of cells 0..layers.size()-1 with the given layers
// (each edge's child lower than its parent) and widths; edges are (parent,
// child) pairs, distinct. Chains come in the order of edges.
LayeredGraph BuildLayeredGraph(const std::vector<int>& layers, const std::vector<double>& widths,
                               const std::vector<std::pair<int, int>>& edges);

// Crossings between straight edges of neighbouring layers in order (each
// pair of edges that swap sides counts once); every vertex must be placed.
long long CountCrossings(const LayeredGraph& graph, const Ordering& order);

}  // namespace pelorin::family_tree::detail
