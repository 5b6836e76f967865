#include "drawing_measures.h"

#include <map>
#include <vector>

namespace pelorin::family_tree::testing {
namespace {

// Where points first reaches height y, or its last x if it never does.
double XAt(const QPolygonF& points, double y) {
  for (qsizetype i = 1; i < points.size(); ++i) {
    const QPointF a = points[i - 1], b = points[i];
    if ((a.y() <= y && y <= b.y()) || (b.y() <= y && y <= a.y())) {
      if (a.y() == b.y()) return a.x();
      return a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y());
    }
  }
  return points.isEmpty() ? 0.0 : points.back().x();
}

}  // namespace

long long CountDrawnCrossings(const TreeLayout& layout) {
  std::map<PictureKey, const PlacedCell*> cells;
  std::map<int, double> layerY;
  for (const PlacedCell& cell : layout.cells) {
    cells[cell.key] = &cell;
    layerY.emplace(cell.layer, cell.rect.center().y());
  }
  struct Segment {
    double top, bottom;
  };
  std::map<int, std::vector<Segment>> between;  // by the upper layer
  for (const PlacedLine& line : layout.lines) {
    const PlacedCell& parent = *cells.at(line.parent);
    const PlacedCell& child = *cells.at(line.child);
    double x = parent.rect.center().x();
    for (int r = parent.layer + 1; r <= child.layer; ++r) {
      const double next = r == child.layer ? child.rect.center().x() : XAt(line.points, layerY.at(r));
      between[r - 1].push_back({x, next});
      x = next;
    }
  }
  long long crossings = 0;
  for (const auto& [layer, segments] : between) {
    for (std::size_t i = 0; i < segments.size(); ++i) {
      for (std::size_t j = i + 1; j < segments.size(); ++j) {
        const double top = segments[i].top - segments[j].top, bottom = segments[i].bottom - segments[j].bottom;
        if ((top < 0 && bottom > 0) || (top > 0 && bottom < 0)) ++crossings;
      }
    }
  }
  return crossings;
}

}  // namespace pelorin::family_tree::testing
