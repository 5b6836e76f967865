#include "family_tree/layered_graph.h"

#include <algorithm>

namespace pelorin::family_tree::detail {

LayeredGraph BuildLayeredGraph(const std::vector<int>& layers, const std::vector<double>& widths,
                               const std::vector<std::pair<int, int>>& edges) {
  LayeredGraph graph;
  graph.realCount = static_cast<int>(layers.size());
  graph.layer = layers;
  graph.width = widths;
  graph.layerCount = layers.empty() ? 0 : *std::max_element(layers.begin(), layers.end()) + 1;
  graph.up.resize(layers.size());
  graph.down.resize(layers.size());
  graph.chains.reserve(edges.size());
  auto link = [&graph](int from, int to) {
    graph.down[static_cast<std::size_t>(from)].push_back(to);
    graph.up[static_cast<std::size_t>(to)].push_back(from);
  };
  for (const auto& [parent, child] : edges) {
    std::vector<int> chain{parent};
    for (int r = layers[static_cast<std::size_t>(parent)] + 1; r < layers[static_cast<std::size_t>(child)]; ++r) {
      const int dummy = graph.vertexCount();
      graph.layer.push_back(r);
      graph.width.push_back(0.0);
      graph.up.emplace_back();
      graph.down.emplace_back();
      link(chain.back(), dummy);
      chain.push_back(dummy);
    }
    link(chain.back(), child);
    chain.push_back(child);
    graph.chains.push_back(std::move(chain));
  }
  for (auto& list : graph.up) std::sort(list.begin(), list.end());
  for (auto& list : graph.down) std::sort(list.begin(), list.end());
  return graph;
}

long long CountCrossings(const LayeredGraph& graph, const Ordering& order) {
  std::vector<int> pos(static_cast<std::size_t>(graph.vertexCount()));
  for (const auto& layer : order) {
    for (std::size_t i = 0; i < layer.size(); ++i) pos[static_cast<std::size_t>(layer[i])] = static_cast<int>(i);
  }
  long long crossings = 0;
  std::vector<std::pair<int, int>> edges;
  std::vector<int> tree;  // Fenwick tree over the lower layer's positions
  for (std::size_t r = 0; r + 1 < order.size(); ++r) {
    edges.clear();
    for (int v : order[r]) {
      for (int w : graph.down[static_cast<std::size_t>(v)]) {
        edges.emplace_back(pos[static_cast<std::size_t>(v)], pos[static_cast<std::size_t>(w)]);
      }
    }
    std::sort(edges.begin(), edges.end());
    const int size = static_cast<int>(order[r + 1].size());
    tree.assign(static_cast<std::size_t>(size) + 1, 0);
    long long inserted = 0;
    for (const auto& edge : edges) {
      long long atOrLeft = 0;  // inserted edges ending at or left of this one's lower end
      for (int i = edge.second + 1; i > 0; i -= i & -i) atOrLeft += tree[static_cast<std::size_t>(i)];
      crossings += inserted - atOrLeft;
      for (int i = edge.second + 1; i <= size; i += i & -i) ++tree[static_cast<std::size_t>(i)];
      ++inserted;
    }
  }
  return crossings;
}

}  // namespace pelorin::family_tree::detail
