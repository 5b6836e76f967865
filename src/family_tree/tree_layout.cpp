#include "family_tree/tree_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <queue>

#include "family_tree/coordinates.h"
#include "family_tree/crossing_reduction.h"
#include "family_tree/layered_graph.h"
#include "platform/failure.h"

namespace pelorin::family_tree {
namespace {

using detail::LayeredGraph;

bool InRange(double value, double low, double high) { return std::isfinite(value) && value >= low && value <= high; }

void CheckSpacing(const LayoutSpacing& spacing) {
  const double limit = std::numeric_limits<double>::max();
  if (!InRange(spacing.cellGap, 0, limit) || !InRange(spacing.lineGap, 0, limit) ||
      !InRange(spacing.layerGap, 0, limit)) {
    throw Failure(FailureKind::Overflow, {}, QStringLiteral("layout gap out of range"));
  }
}

// The graph with cells numbered in key order and lines as distinct edges.
struct Indexed {
  std::vector<std::size_t> cellOf;         // key rank -> index in graph.cells
  std::vector<int> rankOf;                 // index in graph.cells -> key rank
  std::vector<std::pair<int, int>> edges;  // (parent, child) ranks, ascending, distinct
  std::vector<std::size_t> edgeOfLine;     // index in graph.lines -> index in edges
};

Indexed Index(const FamilyGraph& graph) {
  Indexed indexed;
  const std::size_t count = graph.cells.size();
  const double limit = std::numeric_limits<double>::max();
  for (const TreeCell& cell : graph.cells) {
    if (!InRange(cell.size.width(), 0, limit) || !InRange(cell.size.height(), 0, limit)) {
      throw Failure(FailureKind::Overflow, {}, QStringLiteral("cell size out of range"));
    }
  }
  indexed.cellOf.resize(count);
  std::iota(indexed.cellOf.begin(), indexed.cellOf.end(), std::size_t{0});
  std::sort(indexed.cellOf.begin(), indexed.cellOf.end(),
            [&graph](std::size_t a, std::size_t b) { return graph.cells[a].key < graph.cells[b].key; });
  indexed.rankOf.resize(count);
  for (std::size_t r = 0; r < count; ++r) {
    if (r > 0 && graph.cells[indexed.cellOf[r - 1]].key == graph.cells[indexed.cellOf[r]].key) {
      throw Failure(FailureKind::TypeMismatch, {}, QStringLiteral("picture given twice"));
    }
    indexed.rankOf[indexed.cellOf[r]] = static_cast<int>(r);
  }
  auto rankOfKey = [&](const PictureKey& key) {
    const auto it =
        std::lower_bound(indexed.cellOf.begin(), indexed.cellOf.end(), key,
                         [&graph](std::size_t cell, const PictureKey& k) { return graph.cells[cell].key < k; });
    if (it == indexed.cellOf.end() || graph.cells[*it].key != key) {
      throw Failure(FailureKind::SubscriptOutOfRange, {}, QStringLiteral("line to a picture not in the tree"));
    }
    return static_cast<int>(it - indexed.cellOf.begin());
  };
  std::vector<std::pair<int, int>> lineEdges;
  lineEdges.reserve(graph.lines.size());
  for (const TreeLine& line : graph.lines) {
    if (!InRange(line.share, 0, 1)) throw Failure(FailureKind::Overflow, {}, QStringLiteral("share out of range"));
    const int parent = rankOfKey(line.parent), child = rankOfKey(line.child);
    if (parent == child) throw Failure(FailureKind::TypeMismatch, {}, QStringLiteral("picture its own parent"));
    lineEdges.emplace_back(parent, child);
  }
  indexed.edges = lineEdges;
  std::sort(indexed.edges.begin(), indexed.edges.end());
  indexed.edges.erase(std::unique(indexed.edges.begin(), indexed.edges.end()), indexed.edges.end());
  for (const auto& edge : lineEdges) {
    indexed.edgeOfLine.push_back(static_cast<std::size_t>(
        std::lower_bound(indexed.edges.begin(), indexed.edges.end(), edge) - indexed.edges.begin()));
  }
  return indexed;
}

// Each cell's layer: one below its lowest parent (the longest path from a
// picture without parents); a picture without parents one above its highest
// child, or 0 without children.
std::vector<int> Layers(std::size_t count, const std::vector<std::pair<int, int>>& edges) {
  std::vector<std::vector<int>> children(count);
  std::vector<int> parents(count, 0);
  for (const auto& [parent, child] : edges) {
    children[static_cast<std::size_t>(parent)].push_back(child);
    ++parents[static_cast<std::size_t>(child)];
  }
  std::vector<int> layer(count, 0);
  std::vector<int> ready;
  std::vector<char> has(count, 0);  // has parents
  for (std::size_t v = 0; v < count; ++v) {
    has[v] = parents[v] > 0 ? 1 : 0;
    if (parents[v] == 0) ready.push_back(static_cast<int>(v));
  }
  std::size_t done = 0;
  while (!ready.empty()) {
    const auto v = static_cast<std::size_t>(ready.back());
    ready.pop_back();
    ++done;
    for (int child : children[v]) {
      const auto c = static_cast<std::size_t>(child);
      layer[c] = std::max(layer[c], layer[v] + 1);
      if (--parents[c] == 0) ready.push_back(child);
    }
  }
  if (done != count) throw Failure(FailureKind::TypeMismatch, {}, QStringLiteral("picture its own ancestor"));
  // A picture without parents but with children moves down to stand just
  // above its highest child, so a picture made late at random and bred with
  // a late one draws no line down through every layer. Pictures only move
  // down, to no lower than one above each child, so every child stays one
  // below its lowest parent.
  for (std::size_t v = 0; v < count; ++v) {
    if (has[v] || children[v].empty()) continue;
    int highest = layer[static_cast<std::size_t>(children[v].front())];
    for (int child : children[v]) highest = std::min(highest, layer[static_cast<std::size_t>(child)]);
    layer[v] = highest - 1;
  }
  return layer;
}

// Connected families: each a list of key ranks, ascending; families ordered
// by their smallest key.
std::vector<std::vector<int>> Families(std::size_t count, const std::vector<std::pair<int, int>>& edges) {
  std::vector<int> root(count);
  std::iota(root.begin(), root.end(), 0);
  auto find = [&root](int v) {
    while (root[static_cast<std::size_t>(v)] != v) {
      root[static_cast<std::size_t>(v)] = root[static_cast<std::size_t>(root[static_cast<std::size_t>(v)])];
      v = root[static_cast<std::size_t>(v)];
    }
    return v;
  };
  for (const auto& [a, b] : edges) {
    const int ra = find(a), rb = find(b);
    root[static_cast<std::size_t>(std::max(ra, rb))] = std::min(ra, rb);
  }
  std::vector<std::vector<int>> families;
  std::vector<int> familyOf(count, -1);
  for (std::size_t v = 0; v < count; ++v) {
    const auto r = static_cast<std::size_t>(find(static_cast<int>(v)));
    if (familyOf[r] < 0) {
      familyOf[r] = static_cast<int>(families.size());
      families.emplace_back();
    }
    families[static_cast<std::size_t>(familyOf[r])].push_back(static_cast<int>(v));
  }
  return families;
}

}  // namespace

TreeLayout LayOutFamily(const FamilyGraph& graph, const LayoutSpacing& spacing) {
  CheckSpacing(spacing);
  const Indexed indexed = Index(graph);
  const std::size_t count = graph.cells.size();
  const std::vector<int> layer = Layers(count, indexed.edges);
  auto sizeOf = [&](int rank) { return graph.cells[indexed.cellOf[static_cast<std::size_t>(rank)]].size; };

  TreeLayout layout;
  layout.layerCount = count == 0 ? 0 : *std::max_element(layer.begin(), layer.end()) + 1;
  // Bands: layer r spans [top[r], top[r] + height[r]]; cells centred in it.
  std::vector<double> height(static_cast<std::size_t>(layout.layerCount), 0.0);
  for (std::size_t v = 0; v < count; ++v) {
    double& band = height[static_cast<std::size_t>(layer[v])];
    band = std::max(band, sizeOf(static_cast<int>(v)).height());
  }
  std::vector<double> top(height.size(), 0.0);
  for (std::size_t r = 1; r < top.size(); ++r) top[r] = top[r - 1] + height[r - 1] + spacing.layerGap;

  std::vector<double> centreX(count, 0.0);
  std::vector<QPolygonF> edgePoints(indexed.edges.size());
  double familyLeft = 0.0, right = 0.0;
  // Which edges each family holds, in edge order.
  const std::vector<std::vector<int>> families = Families(count, indexed.edges);
  std::vector<int> familyOf(count);
  std::vector<int> local(count);
  for (std::size_t f = 0; f < families.size(); ++f) {
    for (std::size_t i = 0; i < families[f].size(); ++i) {
      familyOf[static_cast<std::size_t>(families[f][i])] = static_cast<int>(f);
      local[static_cast<std::size_t>(families[f][i])] = static_cast<int>(i);
    }
  }
  std::vector<std::vector<std::size_t>> familyEdges(families.size());
  for (std::size_t e = 0; e < indexed.edges.size(); ++e) {
    familyEdges[static_cast<std::size_t>(familyOf[static_cast<std::size_t>(indexed.edges[e].first)])].push_back(e);
  }

  for (std::size_t f = 0; f < families.size(); ++f) {
    const auto& members = families[f];
    std::vector<int> layers;
    std::vector<double> widths;
    for (int v : members) {
      layers.push_back(layer[static_cast<std::size_t>(v)]);
      widths.push_back(sizeOf(v).width());
    }
    std::vector<std::pair<int, int>> edges;
    for (std::size_t e : familyEdges[f]) {
      edges.emplace_back(local[static_cast<std::size_t>(indexed.edges[e].first)],
                         local[static_cast<std::size_t>(indexed.edges[e].second)]);
    }
    const LayeredGraph layered = detail::BuildLayeredGraph(layers, widths, edges);
    const detail::Ordering order = detail::ReduceCrossings(layered);
    std::vector<double> x = detail::AssignX(layered, order, spacing.cellGap, spacing.lineGap);
    double familyRight = 0.0;
    for (int v = 0; v < layered.vertexCount(); ++v) {
      x[static_cast<std::size_t>(v)] += familyLeft;
      familyRight =
          std::max(familyRight, x[static_cast<std::size_t>(v)] + layered.width[static_cast<std::size_t>(v)] / 2);
    }
    for (std::size_t i = 0; i < members.size(); ++i) centreX[static_cast<std::size_t>(members[i])] = x[i];

    for (std::size_t k = 0; k < familyEdges[f].size(); ++k) {
      const std::vector<int>& chain = layered.chains[k];
      const auto parent = static_cast<std::size_t>(members[static_cast<std::size_t>(chain.front())]);
      const auto child = static_cast<std::size_t>(members[static_cast<std::size_t>(chain.back())]);
      const auto parentLayer = static_cast<std::size_t>(layer[parent]);
      const auto childLayer = static_cast<std::size_t>(layer[child]);
      QPolygonF points;
      auto add = [&points](double px, double py) {
        const QPointF point(px, py);
        if (points.isEmpty() || points.back() != point) points.append(point);
      };
      const double parentX = x[static_cast<std::size_t>(chain.front())];
      add(parentX, top[parentLayer] + (height[parentLayer] + sizeOf(static_cast<int>(parent)).height()) / 2);
      add(parentX, top[parentLayer] + height[parentLayer]);
      for (std::size_t d = 1; d + 1 < chain.size(); ++d) {
        const auto r = static_cast<std::size_t>(layered.layer[static_cast<std::size_t>(chain[d])]);
        add(x[static_cast<std::size_t>(chain[d])], top[r]);
        add(x[static_cast<std::size_t>(chain[d])], top[r] + height[r]);
      }
      const double childX = x[static_cast<std::size_t>(chain.back())];
      add(childX, top[childLayer]);
      add(childX, top[childLayer] + (height[childLayer] - sizeOf(static_cast<int>(child)).height()) / 2);
      edgePoints[familyEdges[f][k]] = std::move(points);
    }
    right = std::max(right, familyRight);
    familyLeft = familyRight + spacing.cellGap;
  }

  layout.cells.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto v = static_cast<std::size_t>(indexed.rankOf[i]);
    const QSizeF size = graph.cells[i].size;
    const auto r = static_cast<std::size_t>(layer[v]);
    layout.cells.push_back(
        {graph.cells[i].key,
         QRectF(centreX[v] - size.width() / 2, top[r] + (height[r] - size.height()) / 2, size.width(), size.height()),
         layer[v]});
  }
  layout.lines.reserve(graph.lines.size());
  for (std::size_t i = 0; i < graph.lines.size(); ++i) {
    const TreeLine& line = graph.lines[i];
    layout.lines.push_back({line.parent, line.child, line.share, edgePoints[indexed.edgeOfLine[i]]});
  }
  layout.size = QSizeF(right, top.empty() ? 0.0 : top.back() + height.back());
  return layout;
}

}  // namespace pelorin::family_tree
