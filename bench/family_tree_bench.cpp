// The family tree's layout against Graphviz's dot on generated breeding
// trees of 100 and 1,000 pictures. Counters: the
// pictures, lines and line crossings of the drawing (counted from its
// geometry the same way for both, tests/family_tree/drawing_measures.h).
#include <benchmark/benchmark.h>

#include <map>

#include "family_tree/breeding_trees.h"
#include "family_tree/dot_layout.h"
#include "family_tree/drawing_measures.h"
#include "family_tree/tree_layout.h"

namespace pelorin::family_tree {
namespace {

using testing::BreedingTree;
using testing::DotContext;
using testing::DotRanks;
using testing::LayOutWithDot;

void Report(benchmark::State& state, const FamilyGraph& graph, const TreeLayout& layout) {
  state.counters["pictures"] = static_cast<double>(graph.cells.size());
  state.counters["lines"] = static_cast<double>(graph.lines.size());
  state.counters["layers"] = layout.layerCount;
  state.counters["crossings"] = static_cast<double>(testing::CountDrawnCrossings(layout));
  std::map<PictureKey, int> layer;
  for (const PlacedCell& cell : layout.cells) layer[cell.key] = cell.layer;
  double passing = 0;  // layers lines pass through: the layered graph's dummies
  for (const PlacedLine& line : layout.lines) passing += layer.at(line.child) - layer.at(line.parent) - 1;
  state.counters["dummies"] = passing;
}

// Times layOut over the breeding tree of state.range(0) pictures, reports
// the last layout's measures and returns it.
template <typename LayOut>
TreeLayout TimeLayout(benchmark::State& state, const FamilyGraph& graph, LayOut layOut) {
  TreeLayout layout;
  for (auto _ : state) {
    layout = layOut();
    benchmark::DoNotOptimize(layout);
  }
  Report(state, graph, layout);
  return layout;
}

// Our own layered layout: layering, dummies, crossing reduction, x.
void BM_LayOutFamily(benchmark::State& state) {
  const FamilyGraph graph = BreedingTree(static_cast<int>(state.range(0)));
  TimeLayout(state, graph, [&] { return LayOutFamily(graph); });
}
BENCHMARK(BM_LayOutFamily)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// dot through libgvc: the graph built, gvLayout with ranks forced to the
// layers (rank=same per layer; fails if a rank differs), positions and
// splines read back. The context is made once, as a program would.
void BM_Dot(benchmark::State& state) {
  const FamilyGraph graph = BreedingTree(static_cast<int>(state.range(0)));
  const DotContext context;
  TimeLayout(state, graph, [&] { return LayOutWithDot(context, graph); });
}
BENCHMARK(BM_Dot)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// dot with its own ranking, for comparison: "moved" counts the pictures
// whose rank is not their layer (dot also pulls a picture with parents down
// towards its children).
void BM_DotFreeRanks(benchmark::State& state) {
  const FamilyGraph graph = BreedingTree(static_cast<int>(state.range(0)));
  const DotContext context;
  const TreeLayout layout = TimeLayout(state, graph, [&] { return LayOutWithDot(context, graph, {}, DotRanks::Free); });
  const TreeLayout ours = LayOutFamily(graph);
  int moved = 0;
  for (std::size_t i = 0; i < ours.cells.size(); ++i) moved += ours.cells[i].layer != layout.cells[i].layer ? 1 : 0;
  state.counters["moved"] = moved;
}
BENCHMARK(BM_DotFreeRanks)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelorin::family_tree

BENCHMARK_MAIN();
