#include "family_tree/coordinates.h"

#include <algorithm>
#include <limits>

namespace pelorin::family_tree::detail {
namespace {

// Sweeps down and up the layers.
constexpr int kSweeps = 24;

// How strongly an edge pulls its ends together: a line's dummy chain most.
double Pull(const LayeredGraph& graph, int a, int b) {
  const int dummies = (graph.isDummy(a) ? 1 : 0) + (graph.isDummy(b) ? 1 : 0);
  return dummies == 0 ? 1.0 : dummies == 1 ? 2.0 : 8.0;
}

// Weighted isotonic regression by pooling adjacent violators: the
// non-decreasing y closest to target in the weighted squares sense.
void Isotonic(const std::vector<double>& target, const std::vector<double>& weight, std::vector<double>& y) {
  struct Block {
    double mean, weight;
    std::size_t count;
  };
  std::vector<Block> blocks;
  blocks.reserve(target.size());
  for (std::size_t i = 0; i < target.size(); ++i) {
    blocks.push_back({target[i], weight[i], 1});
    while (blocks.size() > 1 && blocks[blocks.size() - 2].mean >= blocks.back().mean) {
      const Block last = blocks.back();
      blocks.pop_back();
      Block& into = blocks.back();
      const double total = into.weight + last.weight;
      into.mean = (into.mean * into.weight + last.mean * last.weight) / total;
      into.weight = total;
      into.count += last.count;
    }
  }
  y.clear();
  for (const Block& block : blocks) y.insert(y.end(), block.count, block.mean);
}

}  // namespace

std::vector<double> AssignX(const LayeredGraph& graph, const Ordering& order, double cellGap, double lineGap) {
  const auto width = [&graph](int v) { return graph.width[static_cast<std::size_t>(v)]; };
  std::vector<double> x(static_cast<std::size_t>(graph.vertexCount()), 0.0);
  // offset[v]: v's least distance from its layer's leftmost vertex.
  std::vector<double> offset(x.size(), 0.0);
  for (const auto& layer : order) {
    for (std::size_t i = 1; i < layer.size(); ++i) {
      const int left = layer[i - 1], v = layer[i];
      const double gap = graph.isDummy(left) || graph.isDummy(v) ? lineGap : cellGap;
      offset[static_cast<std::size_t>(v)] =
          offset[static_cast<std::size_t>(left)] + (width(left) + width(v)) / 2.0 + gap;
    }
    for (int v : layer) x[static_cast<std::size_t>(v)] = offset[static_cast<std::size_t>(v)];
  }

  // Block coordinate descent on the sum over edges of pull * (x_a - x_b)^2:
  // each layer in turn placed exactly at its best, given its neighbours.
  std::vector<double> target, weight, y;
  auto place = [&](const std::vector<int>& layer) {
    target.clear();
    weight.clear();
    for (int v : layer) {
      double sum = 0.0, total = 0.0;
      for (const auto* neighbours :
           {&graph.up[static_cast<std::size_t>(v)], &graph.down[static_cast<std::size_t>(v)]}) {
        for (int u : *neighbours) {
          const double pull = Pull(graph, u, v);
          sum += pull * x[static_cast<std::size_t>(u)];
          total += pull;
        }
      }
      // A vertex without neighbours (a lone cell) stays, lightly held.
      if (total == 0.0) {
        sum = x[static_cast<std::size_t>(v)] * 1e-3;
        total = 1e-3;
      }
      target.push_back(sum / total - offset[static_cast<std::size_t>(v)]);
      weight.push_back(total);
    }
    Isotonic(target, weight, y);
    for (std::size_t i = 0; i < layer.size(); ++i) {
      x[static_cast<std::size_t>(layer[i])] = y[i] + offset[static_cast<std::size_t>(layer[i])];
    }
  };
  for (int sweep = 0; sweep < kSweeps; ++sweep) {
    if (sweep % 2 == 0) {
      for (const auto& layer : order) place(layer);
    } else {
      for (auto it = order.rbegin(); it != order.rend(); ++it) place(*it);
    }
  }

  double left = std::numeric_limits<double>::infinity();
  for (int v = 0; v < graph.vertexCount(); ++v) left = std::min(left, x[static_cast<std::size_t>(v)] - width(v) / 2.0);
  if (graph.vertexCount() > 0) {
    for (double& value : x) value -= left;
  }
  return x;
}

}  // namespace pelorin::family_tree::detail
