#include "picture/picture_export.h"

#include <zlib.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QXmlStreamWriter>
#include <new>

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

// The PNG signature (8 bytes) and the IHDR chunk (12 + 13) that every PNG
// begins with.
constexpr qsizetype kIhdrEnd = 8 + 12 + 13;

QByteArray Chunk(const char (&type)[5], const QByteArray& data) {
  QByteArray chunk;
  chunk.reserve(data.size() + 12);
  const auto length = static_cast<quint32>(data.size());
  for (int shift = 24; shift >= 0; shift -= 8) chunk += static_cast<char>((length >> shift) & 0xff);
  chunk += QByteArray(type, 4) + data;
  const auto crc = static_cast<quint32>(
      crc32(0, reinterpret_cast<const Bytef*>(chunk.constData() + 4), static_cast<uInt>(chunk.size() - 4)));
  for (int shift = 24; shift >= 0; shift -= 8) chunk += static_cast<char>((crc >> shift) & 0xff);
  return chunk;
}

// tEXt for Latin-1 text, else an uncompressed iTXt of its UTF-8.
QByteArray TextChunk(const QByteArray& keyword, const QString& text) {
  const QByteArray latin1 = text.toLatin1();
  if (QString::fromLatin1(latin1) == text && !latin1.contains('\0')) return Chunk("tEXt", keyword + '\0' + latin1);
  return Chunk("iTXt", keyword + QByteArray("\0\0\0\0\0", 5) + text.toUtf8());
}

// zTXt of bytes (Latin-1 by the format; the code is ASCII).
QByteArray CompressedTextChunk(const QByteArray& keyword, const QByteArray& text) {
  z_stream stream{};
  // Fastest, a 4 KiB window and little memory: the code repeats within a few
  // records, and level 6 would add a tenth to a 1x export for 15 % less size.
  if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 12, 5, Z_DEFAULT_STRATEGY) != Z_OK) throw std::bad_alloc();
  QByteArray data = keyword + QByteArray("\0\0", 2);
  const qsizetype start = data.size();
  data.resize(start + static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(text.size()))));
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.constData()));
  stream.avail_in = static_cast<uInt>(text.size());
  stream.next_out = reinterpret_cast<Bytef*>(data.data() + start);
  stream.avail_out = static_cast<uInt>(data.size() - start);
  const int done = deflate(&stream, Z_FINISH);
  deflateEnd(&stream);
  if (done != Z_STREAM_END) throw std::bad_alloc();  // deflateBound leaves room: only memory can fail
  data.resize(start + static_cast<qsizetype>(stream.total_out));
  return Chunk("zTXt", data);
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

QByteArray PngBytes(const QImage& image, const QString& path, const ImageText& text) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    throw Failure(FailureKind::FileSystem, path,
                  QCoreApplication::translate("pelorin::PictureExport", "The image could not be encoded as PNG"));
  }
  // Qt's own text chunks would cost a full-size deflate each: ours go right
  // after IHDR, the code deflated with a window fit for its few kilobytes.
  QByteArray chunks = TextChunk(QByteArrayLiteral("Software"), SoftwareText());
  if (!text.title.isEmpty()) chunks += TextChunk(QByteArrayLiteral("Title"), text.title);
  if (!text.description.isEmpty()) chunks += TextChunk(QByteArrayLiteral("Description"), text.description);
  if (!text.geneticCode.isEmpty()) chunks += CompressedTextChunk(QByteArray(kPngCodeKeyword), text.geneticCode);
  bytes.insert(kIhdrEnd, chunks);
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
