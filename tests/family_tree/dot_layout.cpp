#include "dot_layout.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/failure.h"

namespace pelorin::family_tree::testing {
namespace {

// cgraph takes names and values as char* but never writes them.
char* Text(const std::string& text) { return const_cast<char*>(text.c_str()); }
char* Text(const char* text) { return const_cast<char*>(text); }

struct GraphClose {
  void operator()(Agraph_t* graph) const { agclose(graph); }
};

// gvFreeLayout on the way out, once gvLayout has run.
class LaidOut {
 public:
  LaidOut(GVC_t* context, Agraph_t* graph) : context_(context), graph_(graph) {}
  LaidOut(const LaidOut&) = delete;
  LaidOut& operator=(const LaidOut&) = delete;
  ~LaidOut() { gvFreeLayout(context_, graph_); }

 private:
  GVC_t* context_;
  Agraph_t* graph_;
};

[[noreturn]] void Fail(const char* why) { throw Failure(FailureKind::TypeMismatch, {}, QString::fromUtf8(why)); }

std::string Inches(double points) { return std::to_string(points / 72.0); }

}  // namespace

std::map<PictureKey, int> ExpectedLayers(const FamilyGraph& graph) {
  std::map<PictureKey, int> layer;
  std::map<PictureKey, std::vector<PictureKey>> parents;
  for (const TreeCell& cell : graph.cells) layer[cell.key] = -1;
  for (const TreeLine& line : graph.lines) parents[line.child].push_back(line.parent);
  // Relaxed until nothing changes: the graphs here are small and acyclic.
  bool changed = true;
  for (std::size_t round = 0; changed && round <= graph.cells.size(); ++round) {
    changed = false;
    for (auto& [key, value] : layer) {
      int wanted = 0;
      for (const PictureKey& parent : parents[key]) wanted = std::max(wanted, layer.at(parent) + 1);
      if (wanted != value) {
        value = wanted;
        changed = true;
      }
    }
  }
  if (changed) Fail("picture its own ancestor");
  std::map<PictureKey, int> highestChild;
  for (const TreeLine& line : graph.lines) {
    const auto [it, made] = highestChild.emplace(line.parent, layer.at(line.child));
    if (!made) it->second = std::min(it->second, layer.at(line.child));
  }
  for (const auto& [key, child] : highestChild) {
    if (parents[key].empty()) layer[key] = child - 1;
  }
  return layer;
}

void DotContext::Free::operator()(GVC_s* context) const { gvFreeContext(context); }

DotContext::DotContext() : context_(gvContext()) {
  if (!context_) Fail("no Graphviz context");
}

TreeLayout LayOutWithDot(const DotContext& context, const FamilyGraph& graph, const LayoutSpacing& spacing,
                         DotRanks ranks) {
  std::unique_ptr<Agraph_t, GraphClose> g(agopen(Text("family"), Agdirected, nullptr));
  if (!g) Fail("no Graphviz graph");
  agattr(g.get(), AGRAPH, Text("nodesep"), Text(Inches(spacing.cellGap)));
  agattr(g.get(), AGRAPH, Text("ranksep"), Text(Inches(spacing.layerGap)));
  agattr(g.get(), AGNODE, Text("shape"), Text("box"));
  agattr(g.get(), AGNODE, Text("fixedsize"), Text("true"));
  agattr(g.get(), AGNODE, Text("label"), Text(""));
  Agsym_t* width = agattr(g.get(), AGNODE, Text("width"), Text("1"));
  Agsym_t* height = agattr(g.get(), AGNODE, Text("height"), Text("1"));
  agattr(g.get(), AGEDGE, Text("arrowhead"), Text("none"));

  std::vector<const TreeCell*> cells;
  for (const TreeCell& cell : graph.cells) cells.push_back(&cell);
  std::sort(cells.begin(), cells.end(), [](const TreeCell* a, const TreeCell* b) { return a->key < b->key; });
  const std::map<PictureKey, int> layer = ExpectedLayers(graph);
  std::map<PictureKey, Agnode_t*> nodes;
  std::map<int, Agraph_t*> rankSets;
  for (const TreeCell* cell : cells) {
    const std::string name = std::to_string(cell->key.run) + "." + std::to_string(cell->key.number);
    Agnode_t* node = agnode(g.get(), Text(name), 1);
    agxset(node, width, Text(Inches(cell->size.width())));
    agxset(node, height, Text(Inches(cell->size.height())));
    nodes[cell->key] = node;
    if (ranks == DotRanks::Layers) {
      const int r = layer.at(cell->key);
      Agraph_t*& set = rankSets[r];
      if (!set) {
        set = agsubg(g.get(), Text("layer" + std::to_string(r)), 1);
        agsafeset(set, Text("rank"), Text("same"), Text(""));
      }
      agsubnode(set, node, 1);
    }
  }
  std::vector<Agedge_t*> edges;
  for (const TreeLine& line : graph.lines) {
    edges.push_back(agedge(g.get(), nodes.at(line.parent), nodes.at(line.child), nullptr, 1));
  }

  if (gvLayout(context.get(), g.get(), "dot") != 0) Fail("dot failed");
  LaidOut laidOut(context.get(), g.get());

  const boxf box = GD_bb(g.get());
  auto toLogical = [&box](pointf p) { return QPointF(p.x - box.LL.x, box.UR.y - p.y); };
  int least = 0;
  if (!cells.empty()) {
    least = ND_rank(nodes.begin()->second);
    for (const auto& [key, node] : nodes) least = std::min(least, ND_rank(node));
  }
  TreeLayout layout;
  for (const TreeCell& cell : graph.cells) {
    Agnode_t* node = nodes.at(cell.key);
    const int rank = ND_rank(node) - least;
    if (ranks == DotRanks::Layers && rank != layer.at(cell.key)) Fail("dot's rank is not the layer");
    const QPointF centre = toLogical(ND_coord(node));
    layout.cells.push_back({cell.key,
                            QRectF(centre.x() - cell.size.width() / 2, centre.y() - cell.size.height() / 2,
                                   cell.size.width(), cell.size.height()),
                            rank});
    layout.layerCount = std::max(layout.layerCount, rank + 1);
  }
  for (std::size_t i = 0; i < graph.lines.size(); ++i) {
    const TreeLine& line = graph.lines[i];
    QPolygonF points;
    const splines* spline = ED_spl(edges[i]);
    if (spline) {
      for (int b = 0; b < spline->size; ++b) {
        const bezier& curve = spline->list[b];
        for (int k = 0; k + 3 < curve.size; k += 3) {
          const pointf* p = curve.list + k;
          for (int step = k == 0 && b == 0 ? 0 : 1; step <= 16; ++step) {
            const double t = step / 16.0, s = 1 - t;
            const pointf at{s * s * s * p[0].x + 3 * s * s * t * p[1].x + 3 * s * t * t * p[2].x + t * t * t * p[3].x,
                            s * s * s * p[0].y + 3 * s * s * t * p[1].y + 3 * s * t * t * p[2].y + t * t * t * p[3].y};
            points.append(toLogical(at));
          }
        }
      }
    }
    layout.lines.push_back({line.parent, line.child, line.share, points});
  }
  layout.size = QSizeF(box.UR.x - box.LL.x, box.UR.y - box.LL.y);
  return layout;
}

}  // namespace pelorin::family_tree::testing
