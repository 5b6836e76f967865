#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <compare>
#include <cstdint>
#include <vector>

namespace pelorin::family_tree {

// A picture as the tree names it: its run and its number in that run. Keys
// order the drawing: the same set of pictures and lines, given in any order,
// is always drawn the same.
struct PictureKey {
  std::int64_t run = 0;
  std::int32_t number = 0;
  auto operator<=>(const PictureKey&) const = default;
};

// One picture's cell; size in logical pixels, each side finite and >= 0.
struct TreeCell {
  PictureKey key;
  QSizeF size;
};

// A parent line: parent gave share (0..1) of child's traits.
struct TreeLine {
  PictureKey parent;
  PictureKey child;
  double share = 0.0;
};

struct FamilyGraph {
  std::vector<TreeCell> cells;
  std::vector<TreeLine> lines;
};

// Gaps in logical pixels, each finite and >= 0.
struct LayoutSpacing {
  double cellGap = 16.0;   // between two cells side by side
  double lineGap = 8.0;    // between a line passing through a layer and its neighbours
  double layerGap = 48.0;  // between the bottom of one layer and the top of the next
};

struct PlacedCell {
  PictureKey key;
  QRectF rect;  // logical pixels, the drawing's top left at (0, 0)
  // One below its lowest parent; without parents, one above its highest
  // child (0 without children either). The top layer is 0.
  int layer = 0;
};

struct PlacedLine {
  PictureKey parent;
  PictureKey child;
  double share = 0.0;
  // From the middle of the parent's bottom edge to the middle of the child's
  // top edge, y growing at every point; it enters no other cell.
  QPolygonF points;
};

struct TreeLayout {
  std::vector<PlacedCell> cells;  // cells[i] is graph.cells[i]
  std::vector<PlacedLine> lines;  // lines[i] is graph.lines[i]
  QSizeF size;                    // bounds every cell and line
  int layerCount = 0;
};

// Lays graph out in layers, parents above children: a cell's layer is one
// below its lowest-standing parent (the longest path from a picture without
// parents), and a picture without parents stands one above its
// highest-standing child (in the top layer when it has none). Cells never
// overlap; line crossings are reduced by median sweeps
// with transposition. Unconnected families stand side by side, ordered by
// their smallest key.
// Throws Failure: SubscriptOutOfRange for a line naming a picture not among
// the cells; TypeMismatch for a key given twice, a line from a picture to
// itself, or lines that make a picture its own ancestor; Overflow for a size,
// gap or share outside its range (or not a number).
TreeLayout LayOutFamily(const FamilyGraph& graph, const LayoutSpacing& spacing = {});

}  // namespace pelorin::family_tree
