#include "picture/picture_export.h"

#include <QBuffer>
#include <QLocale>
#include <QXmlStreamWriter>

#include "genetics/gene_sequence.h"
#include "picture/picture_surface.h"
#include "picture/rendering.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/twips.h"

namespace pelorin {

namespace {

// The shortest text that reads back as the same double.
QString exact(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

QString pixels(std::int16_t twips) { return exact(twipsToPixelsF(twips)); }

QString rgb(const QColor& colour) {
  return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

}  // namespace

QImage RenderPicture(clsGenSeq& code, const SegmentTable& lines, qreal scale, QColor background) {
  PictureSurface surface(kPictureWidthTwips, kPictureHeightTwips, scale, background);
  DrawSegments(surface, code, lines);
  return surface.image();
}

QByteArray PictureSvg(clsGenSeq& code, const SegmentTable& lines, QColor background) {
  const PictureSurface area(kPictureWidthTwips, kPictureHeightTwips, 1.0, background);
  const QString width = QString::number(area.logicalSize().width());
  const QString height = QString::number(area.logicalSize().height());
  QByteArray svg;
  QXmlStreamWriter xml(&svg);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("svg"));
  xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
  xml.writeAttribute(QStringLiteral("width"), width);
  xml.writeAttribute(QStringLiteral("height"), height);
  xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(width, height));
  // The window draws without anti-aliasing.
  xml.writeAttribute(QStringLiteral("shape-rendering"), QStringLiteral("crispEdges"));
  xml.writeEmptyElement(QStringLiteral("rect"));
  xml.writeAttribute(QStringLiteral("width"), width);
  xml.writeAttribute(QStringLiteral("height"), height);
  xml.writeAttribute(QStringLiteral("fill"), rgb(area.background()));
  for (std::int16_t i = 0; i < static_cast<std::int16_t>(lines.size()); ++i) {
    const auto gene = code.GetGene(i);
    if (gene->Draw == 0) continue;
    const clsLine& line = lines[static_cast<std::size_t>(i)];
    xml.writeEmptyElement(QStringLiteral("line"));
    xml.writeAttribute(QStringLiteral("x1"), pixels(line.StartX));
    xml.writeAttribute(QStringLiteral("y1"), pixels(line.StartY));
    xml.writeAttribute(QStringLiteral("x2"), pixels(line.EndX));
    xml.writeAttribute(QStringLiteral("y2"), pixels(line.EndY));
    xml.writeAttribute(QStringLiteral("stroke"), rgb(GeneColour(*gene)));
    xml.writeAttribute(QStringLiteral("stroke-width"), QString::number(PictureSurface::PenWidth(gene->Width)));
    xml.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("square"));
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  return svg;
}

QByteArray PngBytes(const QImage& image, const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    throw Failure(FailureKind::FileSystem, path, QStringLiteral("The image could not be encoded as PNG"));
  }
  return bytes;
}

void ExportPicture(clsGenSeq& code, const SegmentTable& lines, QColor background, const QString& path,
                   ImageFormat format, int scale) {
  switch (format) {
    case ImageFormat::Png:
      WriteFileAtomically(path, PngBytes(RenderPicture(code, lines, scale, background), path));
      return;
    case ImageFormat::Svg: WriteFileAtomically(path, PictureSvg(code, lines, background)); return;
  }
}

}  // namespace pelorin
