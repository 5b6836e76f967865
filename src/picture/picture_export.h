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
class clsObject;

// What an image file of a picture carries beside the image: a PNG's Title,
// Description and code text chunks, an SVG's <title>, <desc> and code in its
// <metadata>. Empty fields are left out. Every file also names the program
// (SoftwareText) where its format has a place for it.
struct ImageText {
  QString title;           // "Picture 7"
  QString description;     // the picture's origin line
  QByteArray geneticCode;  // the genetic code file's bytes, as Save writes them
};

// The picture's text: its title, origin line and genetic code.
ImageText ImageTextOf(clsObject& picture);

// "Pelorin 1.0": the program and its version, as a PNG's Software names it.
QString SoftwareText();

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
// With text, the <title>, <desc> and <metadata> come before the rect.
void StartSvg(QXmlStreamWriter& xml, const QString& width, const QString& height, QColor background,
              const QXmlStreamAttributes& attributes = {}, const ImageText& text = {});

// SVG text of a picture of logicalSize: a background rect over all of it,
// then one <line> per drawn segment in gene order where place puts it, with
// the gene's colour and square caps, coordinates written so they read back
// as the same doubles. UTF-8.
QByteArray SegmentsSvg(clsGenSeq& code, const SegmentTable& lines, QSize logicalSize, QColor background,
                       const SegmentPlacement& place, const ImageText& text = {});

// The picture drawn afresh from its segments at scale (> 0) times the
// window's picture size, on background: crisp at any scale, as the window
// would show it on a screen of that device pixel ratio.
QImage RenderPicture(clsGenSeq& code, const SegmentTable& lines, qreal scale, QColor background);

// The picture as SVG text: a background rect over the whole picture area,
// then one <line> per drawn segment in gene order, in logical pixels (twips
// / 15, written so they read back exactly), with the colour, clamped pen
// width and square caps the window draws it with. UTF-8.
QByteArray PictureSvg(clsGenSeq& code, const SegmentTable& lines, QColor background, const ImageText& text = {});

// The image as PNG bytes with text's chunks (the code compressed) and
// Software. Fails with FileSystem naming path when it cannot be encoded.
QByteArray PngBytes(const QImage& image, const QString& path, const ImageText& text = {});

enum class ImageFormat { Png, Svg };

// Window: the picture as its window shows it. WholePath: every drawn segment,
// framed to fit the window's picture size (FrameWholePath).
enum class ImageFraming { Window, WholePath };

// Writes the picture as a whole file: an existing file is replaced only once
// the new one is complete. scale applies to PNG only. Fails with FileSystem
// naming path.
void ExportPicture(clsGenSeq& code, const SegmentTable& lines, QColor background, const QString& path,
                   ImageFormat format, int scale, ImageFraming framing = ImageFraming::Window,
                   const ImageText& text = {});

}  // namespace pelorin
