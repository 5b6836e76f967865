#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include "picture/line_geometry.h"
#include "picture/picture_export.h"

class QPainter;

namespace pelorin {

class clsGenSeq;

// Where the whole path goes in target (logical pixels): logical = twips * scale + offset.
struct PathFrame {
  qreal scale;
  QPointF offset;
};

// The largest frame that puts every drawn segment, square-capped pen extent
// included, inside target and centres it there, keeping the aspect ratio,
// but enlarging the path at most 8 times as much as fitting the window's
// drawing area into target would: a tiny figure (a dot) stays small. Pens
// scale with the path (a pen of w pixels in the window is w * 15 * scale
// wide) but never fall below one pixel. Without a drawn segment, or in a
// target too small for a one-pixel pen, scale is 0 and offset is the
// target's centre.
PathFrame FrameWholePath(clsGenSeq& code, const SegmentTable& lines, const QRectF& target);

// Draws the drawn segments framed into target on painter (no background
// fill), aliased, with square caps and each gene's colour, in gene order.
// The painter's state is as it was afterwards.
void PaintWholePath(QPainter& painter, clsGenSeq& code, const SegmentTable& lines, const QRectF& target);

// The whole path on background, logicalSize (at least 1 x 1) logical pixels
// drawn afresh at devicePixelRatio (> 0).
QImage RenderWholePath(clsGenSeq& code, const SegmentTable& lines, QSize logicalSize, qreal devicePixelRatio,
                       QColor background);

// The whole path as SVG text of logicalSize logical pixels (see SegmentsSvg).
QByteArray WholePathSvg(clsGenSeq& code, const SegmentTable& lines, QSize logicalSize, QColor background,
                        const ImageText& text = {});

}  // namespace pelorin
