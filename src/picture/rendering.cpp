#include "picture/rendering.h"

#include <algorithm>

#include "genetics/gene_sequence.h"
#include "picture/picture_surface.h"

namespace pelorin {

namespace {

// Genes read from a file may carry any 16-bit component.
int component(std::int16_t value) { return std::clamp<int>(value, 0, 255); }

}  // namespace

QColor GeneColour(const clsGene& gene) {
  return QColor(component(gene.ColorRed), component(gene.ColorGreen), component(gene.ColorBlue));
}

void DrawSegments(PictureSurface& surface, clsGenSeq& code, const SegmentTable& lines) {
  surface.Cls();
  const PictureSurface::Painting painting(surface);
  ForEachDrawnSegment(code, lines, [&surface](const clsLine& line, const clsGene& gene) {
    surface.DrawWidth(gene.Width);
    surface.Line(static_cast<float>(line.StartX), static_cast<float>(line.StartY), static_cast<float>(line.EndX),
                 static_cast<float>(line.EndY), GeneColour(gene));
  });
}

}  // namespace pelorin
