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
  for (std::int16_t i = 0; i < static_cast<std::int16_t>(lines.size()); ++i) {
    const auto gene = code.GetGene(i);
    if (gene->Draw == 0) continue;
    surface.DrawWidth(gene->Width);
    const clsLine& line = lines[static_cast<std::size_t>(i)];
    const QColor colour = GeneColour(*gene);
    surface.Line(static_cast<float>(line.StartX), static_cast<float>(line.StartY), static_cast<float>(line.EndX),
                 static_cast<float>(line.EndY), colour);
  }
}

}  // namespace pelorin
