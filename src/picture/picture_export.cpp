#include "picture/picture_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QXmlStreamWriter>

#include "genetics/embedded_code.h"
#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "picture/picture_origin.h"
#include "picture/picture_surface.h"
#include "picture/rendering.h"
#include "picture/whole_path.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/twips.h"

namespace pelorin {

namespace {

QPointF pixels(std::int16_t x, std::int16_t y) { return QPointF(twipsToPixelsF(x), twipsToPixelsF(y)); }

// An XML reader turns CR LF into LF: carriage returns go as references.
void writeCodeText(QXmlStreamWriter& xml, const QByteArray& code) {
  const QList<QByteArray> pieces = code.split('\r');
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) xml.writeEntityReference(QStringLiteral("#13"));
    if (!pieces[i].isEmpty()) xml.writeCharacters(QString::fromLatin1(pieces[i]));
  }
}

void writeSvgText(QXmlStreamWriter& xml, const ImageText& text) {
  if (!text.title.isEmpty()) xml.writeTextElement(QStringLiteral("title"), text.title);
  if (!text.description.isEmpty()) xml.writeTextElement(QStringLiteral("desc"), text.description);
  if (text.geneticCode.isEmpty()) return;
  xml.writeStartElement(QStringLiteral("metadata"));
  xml.writeNamespace(QString::fromLatin1(kSvgCodeNamespace), QString::fromLatin1(kSvgCodePrefix));
  xml.writeStartElement(QString::fromLatin1(kSvgCodeNamespace), QString::fromLatin1(kSvgCodeElement));
  // Indentation inside the element would become part of the code.
  const bool formatting = xml.autoFormatting();
  xml.setAutoFormatting(false);
  writeCodeText(xml, text.geneticCode);
  xml.writeEndElement();
  xml.setAutoFormatting(formatting);
  xml.writeEndElement();
}

}  // namespace

ImageText ImageTextOf(clsObject& picture) {
  return ImageText{QCoreApplication::translate("pelorin::PictureExport", "Picture %1").arg(picture.ID),
                   OriginLine(picture), GeneticCodeText(picture.GenCode)};
}

QString SoftwareText() { return QStringLiteral("Pelorin " PELORIN_VERSION); }

// The shortest text that reads back as the same double.
QString SvgNumber(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

QString SvgColour(const QColor& colour) {
  return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

void StartSvg(QXmlStreamWriter& xml, const QString& width, const QString& height, QColor background,
              const QXmlStreamAttributes& attributes, const ImageText& text) {
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("svg"));
  xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
  xml.writeAttribute(QStringLiteral("width"), width);
  xml.writeAttribute(QStringLiteral("height"), height);
  xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(width, height));
  xml.writeAttributes(attributes);
  writeSvgText(xml, text);
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
                       const SegmentPlacement& place, const ImageText& text) {
  const QString width = QString::number(logicalSize.width());
  const QString height = QString::number(logicalSize.height());
  QByteArray svg;
  QXmlStreamWriter xml(&svg);
  QXmlStreamAttributes crisp;
  // The window draws without anti-aliasing.
  crisp.append(QStringLiteral("shape-rendering"), QStringLiteral("crispEdges"));
  StartSvg(xml, width, height, background, crisp, text);
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

QByteArray PictureSvg(clsGenSeq& code, const SegmentTable& lines, QColor background, const ImageText& text) {
  const PictureSurface area(kPictureWidthTwips, kPictureHeightTwips, 1.0, background);
  return SegmentsSvg(
      code, lines, area.logicalSize(), area.background(),
      [](const clsLine& line, const clsGene& gene) {
        return PlacedSegment{pixels(line.StartX, line.StartY), pixels(line.EndX, line.EndY),
                             static_cast<qreal>(PictureSurface::PenWidth(gene.Width))};
      },
      text);
}

QByteArray PngBytes(QImage image, const QString& path, const ImageText& text) {
  image.setText(QStringLiteral("Software"), SoftwareText());
  if (!text.title.isEmpty()) image.setText(QStringLiteral("Title"), text.title);
  if (!text.description.isEmpty()) image.setText(QStringLiteral("Description"), text.description);
  // Qt compresses a text this long; its carriage returns make it an iTXt.
  if (!text.geneticCode.isEmpty()) {
    image.setText(QString::fromLatin1(kPngCodeKeyword), QString::fromLatin1(text.geneticCode));
  }
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
                   ImageFormat format, int scale, ImageFraming framing, const ImageText& text) {
  const bool whole = framing == ImageFraming::WholePath;
  const QSize size = twipsSize(kPictureWidthTwips, kPictureHeightTwips);
  switch (format) {
    case ImageFormat::Png: {
      const QImage image =
          whole ? RenderWholePath(code, lines, size, scale, background) : RenderPicture(code, lines, scale, background);
      WriteFileAtomically(path, PngBytes(image, path, text));
      return;
    }
    case ImageFormat::Svg:
      WriteFileAtomically(
          path, whole ? WholePathSvg(code, lines, size, background, text) : PictureSvg(code, lines, background, text));
      return;
  }
}

}  // namespace pelorin
