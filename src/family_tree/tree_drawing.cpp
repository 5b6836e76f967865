#include "family_tree/tree_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "history/recorded_drawing.h"
#include "picture/picture_export.h"
#include "picture/picture_surface.h"
#include "picture/whole_path.h"
#include "platform/twips.h"

namespace pelorin::family_tree {

namespace {

constexpr qreal kMargin = 4;
constexpr qreal kGap = 2;
// Device pixels: a line of text lower than this is left out.
constexpr qreal kSmallestText = 6;
const QSizeF kPictureSize = QSizeF(twipsSize(kPictureWidthTwips, kPictureHeightTwips)) / 2;

struct TextRows {
  QRectF number, run;
};
TextRows RowsIn(const QRectF& cell, qreal height) {
  const QRectF picture = PictureRectIn(cell);
  const QRectF number(cell.left() + kMargin, picture.bottom() + kGap, cell.width() - 2 * kMargin, height);
  return {number, number.translated(0, height)};
}

bool Meets(const QPolygonF& points, const QRectF& area, qreal width) {
  return points.boundingRect().adjusted(-width, -width, width, width).intersects(area);
}

}  // namespace

QSizeF FamilyCellSize(const QFont& font) {
  const QFontMetricsF metrics(font);
  const qreal dateWidth = metrics.horizontalAdvance(QStringLiteral("28 Dec 2026 14:02"));
  const qreal width = std::ceil(std::max(kPictureSize.width(), dateWidth)) + 2 * kMargin;
  return QSizeF(width, std::ceil(kMargin + kPictureSize.height() + kGap + 2 * metrics.height() + kMargin));
}

QRectF PictureRectIn(const QRectF& cell) {
  // On whole logical pixels: at a whole zoom the image is copied, not scaled.
  return QRectF(QPointF(std::round(cell.center().x() - kPictureSize.width() / 2), std::round(cell.top() + kMargin)),
                kPictureSize);
}

qreal LineWidth(double share) { return 1.0 + 5.0 * std::clamp(share, 0.0, 1.0); }

QImage CellPicture(const history::RecordedPicture& record, CellFraming framing, qreal pixelScale, QColor background) {
  // Painting scales by a device pixel ratio of 1 or more only: a smaller
  // image is drawn at 1 and scaled down.
  const bool whole = framing == CellFraming::WholePath;
  const qreal wanted = whole ? pixelScale : pixelScale / 2;  // the window's picture is twice the cell's
  const qreal drawn = std::max(1.0, wanted);
  std::optional<QImage> image = history::DrawRecordedCode(record.code, [&](clsGenSeq& code, const SegmentTable& lines) {
    return whole ? RenderWholePath(code, lines, kPictureSize.toSize(), drawn, background)
                 : RenderPicture(code, lines, drawn, background);
  });
  // A path that leaves the coordinates: its window drew nothing either.
  if (!image) return BlankImage(kPictureSize.toSize(), pixelScale, background);
  if (drawn != wanted) {
    const QSizeF logical = whole ? QSizeF(kPictureSize.toSize()) : kPictureSize;
    image = image->scaled(QSizeF(logical * pixelScale).toSize().expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation);
  }
  image->setDevicePixelRatio(pixelScale);
  return *std::move(image);
}

void PaintFamilyTree(QPainter& painter, const TreeDrawing& drawing, const TreeMarks& marks, const QRectF& area,
                     qreal pixelScale, const CellImages& images) {
  const Family& family = *drawing.family;
  const TreeLayout& layout = *drawing.layout;
  const auto kin = [&](std::size_t cell) { return marks.kin.empty() || marks.kin[cell]; };
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setBrush(Qt::NoBrush);
  for (const PlacedLine& line : layout.lines) {
    const qreal width = LineWidth(line.share);
    if (!Meets(line.points, area, width)) continue;
    const bool near = kin(family.indexOf(line.parent)) && kin(family.indexOf(line.child));
    painter.setOpacity(near ? 1.0 : kFadedOpacity);
    painter.setPen(QPen(drawing.line, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    // y grows along a line: only the points from the last above the area
    // to the first below it can show.
    const QPolygonF& points = line.points;
    const auto begin = std::upper_bound(points.begin(), points.end(), area.top() - width,
                                        [](qreal y, const QPointF& p) { return y < p.y(); });
    const auto end = std::lower_bound(points.begin(), points.end(), area.bottom() + width,
                                      [](const QPointF& p, qreal y) { return p.y() < y; });
    const qsizetype first = std::max<qsizetype>(0, (begin - points.begin()) - 1);
    const qsizetype last = std::min<qsizetype>(points.size() - 1, end - points.begin());
    if (last > first) painter.drawPolyline(points.constData() + first, static_cast<int>(last - first + 1));
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setFont(drawing.font);
  QFont bold = drawing.font;
  bold.setBold(true);
  const qreal textHeight = QFontMetricsF(drawing.font).height();
  // Text too small to read is not worth its shaping (a tree zoomed out).
  const bool texts = textHeight * pixelScale >= kSmallestText;
  const PictureKey focus = family.focus;
  for (std::size_t i = 0; i < layout.cells.size(); ++i) {
    const QRectF cell = layout.cells[i].rect;
    if (!cell.intersects(area)) continue;
    const history::RecordedPicture& record = family.records[i];
    painter.setOpacity((kin(i) ? 1.0 : kFadedOpacity) * (record.open ? 1.0 : kClosedOpacity));
    const QRectF picture = PictureRectIn(cell);
    // At its own size: images come at their scale (see CellImages).
    const QImage image = images(i, pixelScale);
    if (image.devicePixelRatio() == pixelScale) {
      painter.drawImage(picture.topLeft(), image);
    } else {
      painter.drawImage(picture, image);
    }
    painter.setPen(drawing.line);
    painter.drawRect(picture.adjusted(-0.5, -0.5, 0.5, 0.5));
    if (texts) {
      const TextRows rows = RowsIn(cell, textHeight);
      painter.setPen(drawing.text);
      painter.setFont(bold);
      painter.drawText(rows.number, Qt::AlignHCenter | Qt::AlignVCenter, drawing.numbers[i]);
      painter.setFont(drawing.font);
      if (!drawing.runs[i].isEmpty()) painter.drawText(rows.run, Qt::AlignHCenter | Qt::AlignVCenter, drawing.runs[i]);
    }
    painter.setOpacity(1.0);
    if (family.graph.cells[i].key == focus) {
      painter.setPen(QPen(drawing.outline, 2));
      painter.drawRect(cell.adjusted(1, 1, -1, -1));
    }
    if (i == marks.current) {
      painter.setPen(QPen(drawing.text, 1, Qt::DotLine));
      painter.drawRect(cell.adjusted(3, 3, -3, -3));
    }
  }
  painter.restore();
}

QByteArray FamilyTreeSvg(const TreeDrawing& drawing) {
  const Family& family = *drawing.family;
  const TreeLayout& layout = *drawing.layout;
  const QSize pictureSize = twipsSize(kPictureWidthTwips, kPictureHeightTwips);
  QByteArray svg;
  QXmlStreamWriter xml(&svg);
  StartSvg(xml, SvgNumber(std::ceil(layout.size.width())), SvgNumber(std::ceil(layout.size.height())),
           drawing.background);
  for (const PlacedLine& line : layout.lines) {
    QStringList points;
    for (const QPointF& point : line.points) points << SvgNumber(point.x()) + QLatin1Char(',') + SvgNumber(point.y());
    xml.writeEmptyElement(QStringLiteral("polyline"));
    xml.writeAttribute(QStringLiteral("points"), points.join(QLatin1Char(' ')));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke"), SvgColour(drawing.line));
    xml.writeAttribute(QStringLiteral("stroke-width"), SvgNumber(LineWidth(line.share)));
  }
  for (std::size_t i = 0; i < layout.cells.size(); ++i) {
    const history::RecordedPicture& record = family.records[i];
    const QRectF cell = layout.cells[i].rect;
    const QRectF place = PictureRectIn(cell);
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("picture-%1-%2").arg(record.run).arg(record.number));
    if (!record.open) xml.writeAttribute(QStringLiteral("opacity"), SvgNumber(kClosedOpacity));
    // A path that leaves the coordinates draws nothing, as in its window.
    const QByteArray picture = history::DrawRecordedCode(record.code, [&](clsGenSeq& code, const SegmentTable& lines) {
                                 return drawing.framing == CellFraming::WholePath
                                            ? WholePathSvg(code, lines, pictureSize, drawing.background)
                                            : PictureSvg(code, lines, drawing.background);
                               }).value_or(QByteArray());
    // A nested svg clips what it holds to its viewport: the segments stay in
    // the cell.
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeAttribute(QStringLiteral("x"), SvgNumber(place.x()));
    xml.writeAttribute(QStringLiteral("y"), SvgNumber(place.y()));
    xml.writeAttribute(QStringLiteral("width"), SvgNumber(place.width()));
    xml.writeAttribute(QStringLiteral("height"), SvgNumber(place.height()));
    xml.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("0 0 %1 %2").arg(pictureSize.width()).arg(pictureSize.height()));
    xml.writeAttribute(QStringLiteral("overflow"), QStringLiteral("hidden"));
    // The picture's own elements: what lies inside its root element.
    QXmlStreamReader reader(picture);
    int depth = 0;
    while (!reader.atEnd()) {
      reader.readNext();
      if (reader.isStartElement()) {
        if (depth++ > 0) {
          xml.writeStartElement(reader.name().toString());
          xml.writeAttributes(reader.attributes());
        }
      } else if (reader.isEndElement()) {
        if (--depth > 0) xml.writeEndElement();
      }
    }
    xml.writeEndElement();
    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("x"), SvgNumber(place.x() - 0.5));
    xml.writeAttribute(QStringLiteral("y"), SvgNumber(place.y() - 0.5));
    xml.writeAttribute(QStringLiteral("width"), SvgNumber(place.width() + 1));
    xml.writeAttribute(QStringLiteral("height"), SvgNumber(place.height() + 1));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke"), SvgColour(drawing.line));
    const auto text = [&](const QString& content, qreal y, bool bold) {
      if (content.isEmpty()) return;
      xml.writeStartElement(QStringLiteral("text"));
      xml.writeAttribute(QStringLiteral("x"), SvgNumber(cell.center().x()));
      xml.writeAttribute(QStringLiteral("y"), SvgNumber(y));
      xml.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
      xml.writeAttribute(QStringLiteral("font-family"), drawing.font.family());
      xml.writeAttribute(
          QStringLiteral("font-size"),
          SvgNumber(drawing.font.pointSizeF() > 0 ? drawing.font.pointSizeF() : 9.0) + QStringLiteral("pt"));
      if (bold) xml.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
      xml.writeAttribute(QStringLiteral("fill"), SvgColour(drawing.text));
      xml.writeCharacters(content);
      xml.writeEndElement();
    };
    const qreal rowHeight = (cell.bottom() - place.bottom() - kGap - kMargin) / 2;
    text(drawing.numbers[i], place.bottom() + kGap + rowHeight * 0.8, true);
    text(drawing.runs[i], place.bottom() + kGap + rowHeight * 1.8, false);
    xml.writeEndElement();
    if (KeyOf(record) == family.focus) {
      xml.writeEmptyElement(QStringLiteral("rect"));
      xml.writeAttribute(QStringLiteral("x"), SvgNumber(cell.x() + 1));
      xml.writeAttribute(QStringLiteral("y"), SvgNumber(cell.y() + 1));
      xml.writeAttribute(QStringLiteral("width"), SvgNumber(cell.width() - 2));
      xml.writeAttribute(QStringLiteral("height"), SvgNumber(cell.height() - 2));
      xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
      xml.writeAttribute(QStringLiteral("stroke"), SvgColour(drawing.outline));
      xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("2"));
    }
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  return svg;
}

QImage FamilyTreeImage(const TreeDrawing& drawing, int scale) {
  const QSize size = drawing.layout->size.toSize().expandedTo(QSize(1, 1)) * scale;
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(drawing.background);
  QPainter painter(&image);
  const QRectF whole(QPointF(0, 0), drawing.layout->size);
  PaintFamilyTree(painter, drawing, TreeMarks{}, whole, scale, [&](std::size_t cell, qreal pixelScale) {
    return CellPicture(drawing.family->records[cell], drawing.framing, pixelScale, drawing.background);
  });
  painter.end();
  return image;
}

}  // namespace pelorin::family_tree
