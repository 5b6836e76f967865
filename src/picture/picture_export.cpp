#include "picture/picture_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QXmlStreamWriter>

#include "genetics/gene_sequence.h"
#include "picture/picture_surface.h"
#include "picture/rendering.h"
#include "picture/whole_path.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/twips.h"

namespace pelorin {

namespace {

QPointF pixels(std::int16_t x, std::int16_t y) { return QPointF(twipsToPixelsF(x), twipsToPixelsF(y)); }

}  // namespace

// The shortest text that reads back as the same double.
QString SvgNumber(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

QString SvgColour(const QColor& colour) {
  return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

void StartSvg(QXmlStreamWriter& xml, const QString& width, const QString& height, QColor background,
              const QXmlStreamAttributes& attributes) {
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("svg"));
  xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
  xml.writeAttribute(QStringLiteral("width"), width);
  xml.writeAttribute(QStringLiteral("height"), height);
  xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(width, height));
  xml.writeAttributes(attributes);
  xml.writeEmptyElement(QStringLiteral("rect"));
  xml.writeAttribute(QStringLiteral("width"), width);
  xml.writeAttribute(QStringLiteral("height"), height);
  xml.writeAttribute(QStringLiteral("fill"), SvgColour(background));
}

QImage RenderPicture(clsGenSeq& code, const SegmentTable& lines, qreal scale, QColor background) {
  PictureSurface surface(kPictureWidthTwips, kPictureHeightTwips, scale, background);
  DrawSegments(surface, code, lines);
  return surface.image();
}

QByteArray SegmentsSvg(clsGenSeq& code, const SegmentTable& lines, QSize logicalSize, QColor background,
                       const SegmentPlacement& place) {
  const QString width = QString::number(logicalSize.width());
  const QString height = QString::number(logicalSize.height());
  QByteArray svg;
  QXmlStreamWriter xml(&svg);
  QXmlStreamAttributes crisp;
  // The window draws without anti-aliasing.
  crisp.append(QStringLiteral("shape-rendering"), QStringLiteral("crispEdges"));
  StartSvg(xml, width, height, background, crisp);
  ForEachDrawnSegment(code, lines, [&](const clsLine& line, const clsGene& gene) {
    const PlacedSegment placed = place(line, gene);
    xml.writeEmptyElement(QStringLiteral("line"));
    xml.writeAttribute(QStringLiteral("x1"), SvgNumber(placed.start.x()));
    xml.writeAttribute(QStringLiteral("y1"), SvgNumber(placed.start.y()));
    xml.writeAttribute(QStringLiteral("x2"), SvgNumber(placed.end.x()));
    xml.writeAttribute(QStringLiteral("y2"), SvgNumber(placed.end.y()));
    xml.writeAttribute(QStringLiteral("stroke"), SvgColour(GeneColour(gene)));
    xml.writeAttribute(QStringLiteral("stroke-width"), SvgNumber(placed.penWidth));
    xml.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("square"));
  });
  xml.writeEndElement();
  xml.writeEndDocument();
  return svg;
}

QByteArray PictureSvg(clsGenSeq& code, const SegmentTable& lines, QColor background) {
  const PictureSurface area(kPictureWidthTwips, kPictureHeightTwips, 1.0, background);
  return SegmentsSvg(code, lines, area.logicalSize(), area.background(), [](const clsLine& line, const clsGene& gene) {
    return PlacedSegment{pixels(line.StartX, line.StartY), pixels(line.EndX, line.EndY),
                         static_cast<qreal>(PictureSurface::PenWidth(gene.Width))};
  });
}

QByteArray PngBytes(const QImage& image, const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    throw Failure(FailureKind::FileSystem, path,
                  QCoreApplication::translate("pelorin::PictureExport", "The image could not be encoded as PNG"));
  }
  return bytes;
}

void ExportPicture(clsGenSeq& code, const SegmentTable& lines, QColor background, const QString& path,
                   ImageFormat format, int scale, ImageFraming framing) {
  const bool whole = framing == ImageFraming::WholePath;
  const QSize size = twipsSize(kPictureWidthTwips, kPictureHeightTwips);
  switch (format) {
    case ImageFormat::Png: {
      const QImage image =
          whole ? RenderWholePath(code, lines, size, scale, background) : RenderPicture(code, lines, scale, background);
      WriteFileAtomically(path, PngBytes(image, path));
      return;
    }
    case ImageFormat::Svg:
      WriteFileAtomically(path,
                          whole ? WholePathSvg(code, lines, size, background) : PictureSvg(code, lines, background));
      return;
  }
}

}  // namespace pelorin
