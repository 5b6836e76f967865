#include "family_tree/crossing_reduction.h"

#include <algorithm>
#include <deque>

namespace pelorin::family_tree::detail {
namespace {

// Sweeps without a better order before giving up, and at most in all.
constexpr int kPatience = 8;
constexpr int kMaxSweeps = 24;
// Sifting rounds after the sweeps, at most.
constexpr int kSiftRounds = 2;
// Graphs this size (vertices and edges) and smaller get four attempts from
// different starts; twice as large, two; larger, one.
constexpr int kSmall = 1000;

class Orderer {
 public:
  // Which sweeps swap ties: with it, the first two of every four in the
  // median sort and the others in transposition; without, the other way round.
  bool tiesFirst = false;

  explicit Orderer(const LayeredGraph& graph)
      : graph_(graph), pos_(static_cast<std::size_t>(graph.vertexCount())), median_(pos_.size()) {}

  // Up to `sweeps` median sweeps with transposition from order, then (when
  // sifting) sifting rounds; the best order met.
  Ordering improve(Ordering order, int sweeps, bool sifting) {
    setOrder(std::move(order));
    Ordering best = order_;
    long long bestCrossings = CountCrossings(graph_, order_);
    int idle = 0;
    for (int sweep = 0; sweep < sweeps && bestCrossings > 0 && idle < kPatience; ++sweep) {
      const bool reverse = tiesFirst ? sweep % 4 < 2 : sweep % 4 >= 2;
      if (sweep % 2 == 0) {
        for (int r = 1; r < graph_.layerCount; ++r) reorder(r, graph_.up, reverse);
      } else {
        for (int r = graph_.layerCount - 2; r >= 0; --r) reorder(r, graph_.down, reverse);
      }
      transpose(tiesFirst ? !reverse : reverse);
      const long long crossings = CountCrossings(graph_, order_);
      if (crossings < bestCrossings) {
        best = order_;
        bestCrossings = crossings;
        idle = 0;
      } else {
        ++idle;
      }
    }
    // A last transposition that never accepts ties settles the best order.
    setOrder(std::move(best));
    transpose(false);
    bestCrossings = CountCrossings(graph_, order_);
    for (int round = 0; sifting && round < kSiftRounds && bestCrossings > 0; ++round) {
      if (round % 2 == 0) {
        for (int r = 0; r < graph_.layerCount; ++r) sift(r);
      } else {
        for (int r = graph_.layerCount - 1; r >= 0; --r) sift(r);
      }
      const long long crossings = CountCrossings(graph_, order_);
      if (crossings >= bestCrossings) break;
      bestCrossings = crossings;
    }
    return order_;
  }

  // Moves each vertex of layer r, most connected first, to the place in its
  // layer with the fewest crossings to both neighbouring layers (on a tie,
  // its own place or the nearest left of it).
  void sift(int r) {
    auto& layer = order_[static_cast<std::size_t>(r)];
    movable_ = layer;
    std::stable_sort(movable_.begin(), movable_.end(), [this](int a, int b) { return degree(a) > degree(b); });
    for (int v : movable_) {
      const auto from = static_cast<std::size_t>(pos_[static_cast<std::size_t>(v)]);
      layer.erase(layer.begin() + static_cast<std::ptrdiff_t>(from));
      // Cost of v at place i, relative to v leftmost: passing w adds c(w,v) - c(v,w).
      long long cost = 0, bestCost = 0;
      std::size_t bestPlace = 0;
      for (std::size_t i = 0; i < layer.size(); ++i) {
        const Sides sides = crossingsOf(v, layer[i]);
        cost += sides.wLeft - sides.vLeft;
        if (cost < bestCost || (cost == bestCost && bestPlace < from && i + 1 <= from)) {
          bestCost = cost;
          bestPlace = i + 1;
        }
      }
      layer.insert(layer.begin() + static_cast<std::ptrdiff_t>(bestPlace), v);
      for (std::size_t i = std::min(from, bestPlace); i <= std::max(from, bestPlace) && i < layer.size(); ++i) {
        pos_[static_cast<std::size_t>(layer[i])] = static_cast<int>(i);
      }
    }
  }

  std::size_t degree(int v) const {
    return graph_.up[static_cast<std::size_t>(v)].size() + graph_.down[static_cast<std::size_t>(v)].size();
  }

 private:
  void setOrder(Ordering order) {
    order_ = std::move(order);
    for (const auto& layer : order_) {
      for (std::size_t i = 0; i < layer.size(); ++i) pos_[static_cast<std::size_t>(layer[i])] = static_cast<int>(i);
    }
  }

  // The weighted median of v's neighbours' positions; -1 without neighbours.
  double medianOf(const std::vector<int>& neighbours) {
    scratch_.clear();
    for (int u : neighbours) scratch_.push_back(pos_[static_cast<std::size_t>(u)]);
    std::sort(scratch_.begin(), scratch_.end());
    const std::size_t n = scratch_.size();
    if (n == 0) return -1.0;
    const std::size_t m = n / 2;
    if (n % 2 == 1) return scratch_[m];
    if (n == 2) return (scratch_[0] + scratch_[1]) / 2.0;
    const double left = scratch_[m - 1] - scratch_[0];
    const double right = scratch_[n - 1] - scratch_[m];
    if (left + right == 0) return (scratch_[m - 1] + scratch_[m]) / 2.0;
    return (scratch_[m - 1] * right + scratch_[m] * left) / (left + right);
  }

  // Sorts layer r's vertices by the median of their neighbours in
  // `neighbours`; a vertex without any keeps its place. Ties keep their
  // order, or swap it when reverse.
  void reorder(int r, const std::vector<std::vector<int>>& neighbours, bool reverse) {
    auto& layer = order_[static_cast<std::size_t>(r)];
    movable_.clear();
    for (int v : layer) {
      const double median = medianOf(neighbours[static_cast<std::size_t>(v)]);
      median_[static_cast<std::size_t>(v)] = median;
      if (median >= 0) movable_.push_back(v);
    }
    std::sort(movable_.begin(), movable_.end(), [this, reverse](int a, int b) {
      const double ma = median_[static_cast<std::size_t>(a)], mb = median_[static_cast<std::size_t>(b)];
      if (ma != mb) return ma < mb;
      return reverse ? pos_[static_cast<std::size_t>(a)] > pos_[static_cast<std::size_t>(b)]
                     : pos_[static_cast<std::size_t>(a)] < pos_[static_cast<std::size_t>(b)];
    });
    std::size_t next = 0;
    for (int& slot : layer) {
      if (median_[static_cast<std::size_t>(slot)] >= 0) slot = movable_[next++];
    }
    for (std::size_t i = 0; i < layer.size(); ++i) pos_[static_cast<std::size_t>(layer[i])] = static_cast<int>(i);
  }

  // Crossings among the edges from v and w to one neighbouring layer with v
  // left of w.
  struct Sides {
    long long vLeft = 0, wLeft = 0;  // crossings with v left of w, and with w left of v
  };

  static void addCrossings(const std::vector<int>& ofV, const std::vector<int>& ofW, const std::vector<int>& pos,
                           Sides& sides) {
    for (int a : ofV) {
      const int pa = pos[static_cast<std::size_t>(a)];
      for (int b : ofW) {
        const int pb = pos[static_cast<std::size_t>(b)];
        sides.vLeft += pa > pb ? 1 : 0;
        sides.wLeft += pa < pb ? 1 : 0;
      }
    }
  }

  // Crossings among the lines of neighbours v and w to both neighbouring
  // layers, either way round.
  Sides crossingsOf(int v, int w) const {
    Sides sides;
    addCrossings(graph_.up[static_cast<std::size_t>(v)], graph_.up[static_cast<std::size_t>(w)], pos_, sides);
    addCrossings(graph_.down[static_cast<std::size_t>(v)], graph_.down[static_cast<std::size_t>(w)], pos_, sides);
    return sides;
  }

  // Swaps neighbours within a layer while that removes crossings (or, when
  // reverse, also where it keeps them equal and nonzero), layer by layer
  // until no layer changes.
  void transpose(bool reverse) {
    const auto layers = static_cast<std::size_t>(graph_.layerCount);
    std::vector<char> candidate(layers, 1);
    long long gained;
    do {
      gained = 0;
      for (std::size_t r = 0; r < layers; ++r) {
        if (!candidate[r]) continue;
        candidate[r] = 0;
        auto& layer = order_[r];
        for (std::size_t i = 0; i + 1 < layer.size(); ++i) {
          const int v = layer[i], w = layer[i + 1];
          const Sides sides = crossingsOf(v, w);
          const long long kept = sides.vLeft, swapped = sides.wLeft;
          if (swapped < kept || (reverse && kept > 0 && swapped == kept)) {
            std::swap(layer[i], layer[i + 1]);
            pos_[static_cast<std::size_t>(v)] = static_cast<int>(i + 1);
            pos_[static_cast<std::size_t>(w)] = static_cast<int>(i);
            gained += kept - swapped;
            candidate[r] = 1;
            if (r > 0) candidate[r - 1] = 1;
            if (r + 1 < layers) candidate[r + 1] = 1;
          }
        }
      }
    } while (gained > 0);
  }

  const LayeredGraph& graph_;
  Ordering order_;
  std::vector<int> pos_;
  std::vector<double> median_;
  std::vector<int> scratch_;
  std::vector<int> movable_;
};

// Breadth first over lines either way, from the vertices without neighbours
// above (fromTop) or below, in vertex order; each vertex placed where the
// walk meets it.
Ordering SpreadOrder(const LayeredGraph& graph, bool fromTop) {
  Ordering order(static_cast<std::size_t>(graph.layerCount));
  std::vector<char> seen(static_cast<std::size_t>(graph.vertexCount()), 0);
  std::deque<int> pending;
  for (int start = 0; start < graph.vertexCount(); ++start) {
    const auto& before = fromTop ? graph.up : graph.down;
    if (!before[static_cast<std::size_t>(start)].empty() || seen[static_cast<std::size_t>(start)]) continue;
    seen[static_cast<std::size_t>(start)] = 1;
    pending.assign(1, start);
    while (!pending.empty()) {
      const int v = pending.front();
      pending.pop_front();
      order[static_cast<std::size_t>(graph.layer[static_cast<std::size_t>(v)])].push_back(v);
      const auto& first = fromTop ? graph.down : graph.up;
      const auto& second = fromTop ? graph.up : graph.down;
      for (const auto* next : {&first[static_cast<std::size_t>(v)], &second[static_cast<std::size_t>(v)]}) {
        for (int u : *next) {
          if (seen[static_cast<std::size_t>(u)]) continue;
          seen[static_cast<std::size_t>(u)] = 1;
          pending.push_back(u);
        }
      }
    }
  }
  return order;
}

// Each vertex where a depth-first walk from the roots (in vertex order,
// children in vertex order) first meets it.
Ordering WalkOrder(const LayeredGraph& graph) {
  Ordering order(static_cast<std::size_t>(graph.layerCount));
  std::vector<char> seen(static_cast<std::size_t>(graph.vertexCount()), 0);
  std::vector<int> pending;
  for (int root = 0; root < graph.vertexCount(); ++root) {
    if (!graph.up[static_cast<std::size_t>(root)].empty()) continue;
    pending.assign(1, root);
    while (!pending.empty()) {
      const int v = pending.back();
      pending.pop_back();
      if (seen[static_cast<std::size_t>(v)]) continue;
      seen[static_cast<std::size_t>(v)] = 1;
      order[static_cast<std::size_t>(graph.layer[static_cast<std::size_t>(v)])].push_back(v);
      // Children pushed in reverse come off in vertex order.
      const auto& children = graph.down[static_cast<std::size_t>(v)];
      for (auto it = children.rbegin(); it != children.rend(); ++it) pending.push_back(*it);
    }
  }
  return order;
}

}  // namespace

Ordering ReduceCrossings(const LayeredGraph& graph) {
  Orderer orderer(graph);
  Ordering best;
  long long bestCrossings = -1;
  auto keep = [&](Ordering order) {
    const long long crossings = CountCrossings(graph, order);
    if (bestCrossings < 0 || crossings < bestCrossings) {
      best = std::move(order);
      bestCrossings = crossings;
    }
  };
  const int size = graph.vertexCount() + static_cast<int>(graph.chains.size());
  const int tries = size <= kSmall ? 4 : size <= 2 * kSmall ? 2 : 1;
  for (int attempt = 0; attempt < tries && bestCrossings != 0; ++attempt) {
    orderer.tiesFirst = attempt % 2 == 1;
    if (attempt < 2) {
      keep(orderer.improve(WalkOrder(graph), kMaxSweeps, true));
    } else {
      Ordering start = orderer.improve(SpreadOrder(graph, true), 4, false);
      Ordering other = orderer.improve(SpreadOrder(graph, false), 4, false);
      if (CountCrossings(graph, other) < CountCrossings(graph, start)) start = std::move(other);
      keep(orderer.improve(std::move(start), kMaxSweeps, true));
    }
  }
  return best;
}

}  // namespace pelorin::family_tree::detail
