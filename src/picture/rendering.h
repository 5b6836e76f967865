#pragma once

#include <QColor>

#include "picture/line_geometry.h"

namespace pelorin {

class clsGene;
class clsGenSeq;
class PictureSurface;

// The colour a drawn gene's segment takes: its ColorRed, ColorGreen and
// ColorBlue, each clamped to 0..255 (genes read from a file may hold any).
QColor GeneColour(const clsGene& gene);

// The drawing pass: clears the surface, then for i = 0..63 draws segment i
// when gene i has Draw set, with the gene's Width and GeneColour. A hidden
// gene leaves the pen width alone. A failure ends the pass; what is drawn
// stays.
void DrawSegments(PictureSurface& surface, clsGenSeq& code, const SegmentTable& lines);

}  // namespace pelorin
