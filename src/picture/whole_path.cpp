#include "picture/whole_path.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "genetics/gene_sequence.h"
#include "picture/picture_export.h"
#include "picture/picture_surface.h"
#include "picture/rendering.h"
#include "platform/twips.h"

namespace pelorin {

namespace {

// Aliased strokes fill a pixel whose left or top edge they just reach, so the
// path keeps this far (logical pixels) off the target's right and bottom.
constexpr qreal kEdgeGap = 0.5;
// Bisection stops once the scale is known to this relative precision.
constexpr qreal kScalePrecision = 1e-9;
// How far a small figure is enlarged at most, relative to its window's
// drawing area fitted into the target: a dot stays a dot, not a square
// filling the target.
constexpr qreal kMaxMagnification = 8.0;

// A pen of the window's width in twips at scale, in logical pixels.
qreal penAt(qreal penTwips, qreal scale) { return std::max<qreal>(1.0, penTwips * scale); }

qreal penTwips(const clsGene& gene) { return PictureSurface::PenWidth(gene.Width) * kTwipsPerPixel; }

// What framing needs of one drawn segment.
struct Extent {
  qreal minX, maxX, minY, maxY;  // twips
  qreal penTwips;
  // A square cap reaches half the pen width past each end, and the pen half
  // its width to each side: along either axis that is (|dx| + |dy|) / 2 of
  // the pen width for a unit direction (dx, dy). A point is an upright square.
  qreal reach;
};

struct Extents {
  std::array<Extent, kGeneCount> items;
  std::size_t count = 0;
};

Extents drawnExtents(clsGenSeq& code, const SegmentTable& lines) {
  Extents extents;
  ForEachDrawnSegment(code, lines, [&extents](const clsLine& line, const clsGene& gene) {
    const qreal dx = line.EndX - line.StartX;
    const qreal dy = line.EndY - line.StartY;
    const qreal length = std::hypot(dx, dy);
    const qreal reach = length > 0 ? (std::abs(dx) + std::abs(dy)) / length / 2 : 0.5;
    extents.items[extents.count++] = {std::min<qreal>(line.StartX, line.EndX),
                                      std::max<qreal>(line.StartX, line.EndX),
                                      std::min<qreal>(line.StartY, line.EndY),
                                      std::max<qreal>(line.StartY, line.EndY),
                                      penTwips(gene),
                                      reach};
  });
  return extents;
}

// The box the drawn segments cover at scale, in logical pixels, before the
// offset is added.
QRectF coveredAt(const Extents& extents, qreal scale) {
  qreal left = 0, right = 0, top = 0, bottom = 0;
  for (std::size_t i = 0; i < extents.count; ++i) {
    const Extent& e = extents.items[i];
    const qreal half = penAt(e.penTwips, scale) * e.reach;
    const qreal l = e.minX * scale - half, r = e.maxX * scale + half;
    const qreal t = e.minY * scale - half, b = e.maxY * scale + half;
    if (i == 0 || l < left) left = l;
    if (i == 0 || r > right) right = r;
    if (i == 0 || t < top) top = t;
    if (i == 0 || b > bottom) bottom = b;
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPointF place(const PathFrame& frame, std::int16_t x, std::int16_t y) {
  return QPointF(x * frame.scale + frame.offset.x(), y * frame.scale + frame.offset.y());
}

}  // namespace

PathFrame FrameWholePath(clsGenSeq& code, const SegmentTable& lines, const QRectF& target) {
  const Extents extents = drawnExtents(code, lines);
  const PathFrame none{0.0, target.center()};
  if (extents.count == 0) return none;
  const QRectF inside = target.adjusted(0, 0, -kEdgeGap, -kEdgeGap);
  const auto fits = [&](qreal scale) {
    const QRectF covered = coveredAt(extents, scale);
    return covered.width() <= inside.width() && covered.height() <= inside.height();
  };
  if (!fits(0.0)) return none;
  // The covered box grows with the scale (pens and path alike), and every
  // pen covers at least 15 * scale pixels each way, so the largest scale
  // that fits lies below this bound and bisection finds it.
  qreal low = 0.0;
  qreal high = std::min(inside.width(), inside.height()) / kTwipsPerPixel;
  high = std::min(
      high, kMaxMagnification * std::min(target.width() / kPictureWidthTwips, target.height() / kPictureHeightTwips));
  while (high - low > high * kScalePrecision) {
    const qreal middle = (low + high) / 2;
    if (fits(middle)) low = middle;
    else high = middle;
  }
  const QRectF covered = coveredAt(extents, low);
  return PathFrame{low, inside.center() - covered.center()};
}

void PaintWholePath(QPainter& painter, clsGenSeq& code, const SegmentTable& lines, const QRectF& target) {
  const PathFrame frame = FrameWholePath(code, lines, target);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  ForEachDrawnSegment(code, lines, [&](const clsLine& line, const clsGene& gene) {
    StrokeSquareCapped(painter, place(frame, line.StartX, line.StartY), place(frame, line.EndX, line.EndY),
                       penAt(penTwips(gene), frame.scale), GeneColour(gene));
  });
  painter.restore();
}

QImage RenderWholePath(clsGenSeq& code, const SegmentTable& lines, QSize logicalSize, qreal devicePixelRatio,
                       QColor background) {
  const QSize size = logicalSize.expandedTo(QSize(1, 1));
  QImage image = BlankImage(size, devicePixelRatio, background);
  QPainter painter(&image);
  PaintWholePath(painter, code, lines, QRectF(QPointF(0, 0), size));
  return image;
}

QByteArray WholePathSvg(clsGenSeq& code, const SegmentTable& lines, QSize logicalSize, QColor background,
                        const ImageText& text) {
  const QSize size = logicalSize.expandedTo(QSize(1, 1));
  const PathFrame frame = FrameWholePath(code, lines, QRectF(QPointF(0, 0), size));
  return SegmentsSvg(
      code, lines, size, BackgroundOrWhite(background),
      [&frame](const clsLine& line, const clsGene& gene) {
        return PlacedSegment{place(frame, line.StartX, line.StartY), place(frame, line.EndX, line.EndY),
                             penAt(penTwips(gene), frame.scale)};
      },
      text);
}

}  // namespace pelorin
