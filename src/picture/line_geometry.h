#pragma once

#include <array>
#include <cstdint>

#include "genetics/gene_sequence.h"

namespace pelorin {

// One line segment, in twips, Y downwards. All zero until computed.
struct clsLine {
  std::int16_t StartX = 0, StartY = 0, EndX = 0, EndY = 0;
  friend bool operator==(const clsLine&, const clsLine&) = default;
};

// Segment i belongs to gene i.
using SegmentTable = std::array<clsLine, kGeneCount>;

// Calls visit(line, gene) for each segment of lines, in order, whose gene of
// code has Draw set. A failure of visit ends the walk.
template <typename Visit>
void ForEachDrawnSegment(clsGenSeq& code, const SegmentTable& lines, Visit&& visit) {
  for (std::int16_t i = 0; i < static_cast<std::int16_t>(lines.size()); ++i) {
    const auto gene = code.GetGene(i);
    if (gene->Draw != 0) visit(lines[static_cast<std::size_t>(i)], *gene);
  }
}

// Computes the chain of 64 segments from (modObject::OriginX, OriginY), read
// anew at each call. Segment i has its gene's Length (twips) in the absolute
// direction of its gene's Angle (radians, clockwise on screen), and starts at
// the stored end of segment i-1; hidden segments carry the chain on too.
// Each end coordinate is round-half-to-even(double(L)*cos/sin + double(start)),
// each step rounded to double. Fails with Overflow for an end outside
// -32768..32767 and with Arithmetic for a non-finite intermediate. Fields are
// written StartX, StartY, EndX, EndY, segment by segment, so after a failure
// the earlier segments are new, the failing one holds its new start (and its
// new EndX when EndY failed), and the later ones are untouched.
void ComputeSegments(clsGenSeq& code, SegmentTable& lines);

}  // namespace pelorin
