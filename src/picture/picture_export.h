#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QXmlStreamWriter>
#include <functional>

#include "picture/line_geometry.h"

namespace pelorin {

class clsGene;
class clsGenSeq;

// Where a drawn segment lies on a picture, in logical pixels, and the width
// of its pen there (logical pixels, at least 1).
struct PlacedSegment {
  QPointF start, end;
  qreal penWidth;
};
using SegmentPlacement = std::function<PlacedSegment(const clsLine& line, const clsGene& gene)>;

// What every SVG this program writes shares: numbers written so they read
// back as the same doubles, colours as rgb(r,g,b), and the opening of the
// document: the <svg> element of width x height user units (logical pixels)
// with its viewBox and any further attributes, then a background rect over
// all of it. The caller writes the rest and ends the document.
QString SvgNumber(double value);
QString SvgColour(const QColor& colour);
void StartSvg(QXmlStreamWriter& xml, const QString& width, const QString& height, QColor background,
              const QXmlStreamAttributes& attributes = {});

// SVG text of a picture of logicalSize: a background rect over all of it,
// then one <line> per drawn segment in gene order where place puts it, with
// the gene's colour and square caps, coordinates written so they read back
// as the same doubles. UTF-8.
QByteArray SegmentsSvg(clsGenSeq& code, const SegmentTable& lines, QSize logicalSize, QColor background,
                       const SegmentPlacement& place);

// The picture drawn afresh from its segments at scale (> 0) times the
// window's picture size, on background: crisp at any scale, as the window
// would show it on a screen of that device pixel ratio.
QImage RenderPicture(clsGenSeq& code, const SegmentTable& lines, qreal scale, QColor background);

// The picture as SVG text: a background rect over the whole picture area,
// then one <line> per drawn segment in gene order, in logical pixels (twips
// / 15, written so they read back exactly), with the colour, clamped pen
// width and square caps the window draws it with. UTF-8.
QByteArray PictureSvg(clsGenSeq& code, const SegmentTable& lines, QColor background);

// The image as PNG bytes. Fails with FileSystem naming path when it cannot
// be encoded.
QByteArray PngBytes(const QImage& image, const QString& path);

enum class ImageFormat { Png, Svg };

// Window: the picture as its window shows it. WholePath: every drawn segment,
// framed to fit the window's picture size (FrameWholePath).
enum class ImageFraming { Window, WholePath };

// Writes the picture as a whole file: an existing file is replaced only once
// the new one is complete. scale applies to PNG only. Fails with FileSystem
// naming path.
void ExportPicture(clsGenSeq& code, const SegmentTable& lines, QColor background, const QString& path,
                   ImageFormat format, int scale, ImageFraming framing = ImageFraming::Window);

}  // namespace pelorin
