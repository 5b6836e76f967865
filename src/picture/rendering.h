#pragma once

#include "picture/line_geometry.h"

namespace pelorin {

class clsGenSeq;
class PictureSurface;

// The drawing pass: clears the surface, then for i = 0..63 draws segment i
// when gene i has Draw set, with the gene's Width and the colour of its
// ColorRed/ColorGreen/ColorBlue (each clamped to 0..255). A hidden gene
// leaves the pen width alone. A failure ends the pass; what is drawn stays.
void DrawSegments(PictureSurface& surface, clsGenSeq& code, const SegmentTable& lines);

}  // namespace pelorin
