#include "picture/picture_export.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <vector>

#include "genetics/gene_sequence.h"
#include "picture/picture_surface.h"

namespace pelorin {
namespace {

const QColor kBackground(10, 20, 30);

struct SvgLine {
  double x1, y1, x2, y2;
  QString stroke, width, cap;
  friend bool operator==(const SvgLine&, const SvgLine&) = default;
};

void PrintTo(const SvgLine& line, std::ostream* out) {
  *out << "(" << line.x1 << "," << line.y1 << ")-(" << line.x2 << "," << line.y2 << ") "
       << line.stroke.toStdString() << " w" << line.width.toStdString() << " " << line.cap.toStdString();
}

class PictureExport : public ::testing::Test {
 protected:
  // Gene 0: plain; 1: hidden; 2: width and colours outside their ranges;
  // 3: a segment reaching past the area.
  void SetUp() override {
    const struct {
      std::int16_t width, red, green, blue;
      clsLine line;
    } genes[] = {{3, 255, 0, 0, {850, 800, 1000, 650}}, {5, 0, 255, 0, {1000, 650, 400, 400}},
                 {0, 300, -5, 128, {400, 400, 17, 1574}}, {16, 1, 2, 3, {17, 1574, -300, 32767}}};
    for (std::int16_t i = 0; i < 4; ++i) {
      code.SetGColorWidth(i, genes[i].width);
      code.SetGColorRed(i, genes[i].red);
      code.SetGColorGreen(i, genes[i].green);
      code.SetGColorBlue(i, genes[i].blue);
      code.SetGColorDraw(i, i == 1 ? kFalse16 : kTrue16);
      lines[i] = genes[i].line;
    }
  }

  clsGenSeq code;
  SegmentTable lines;
};

TEST_F(PictureExport, SvgHoldsExactlyTheDrawnSegments) {
  QXmlStreamReader xml(PictureSvg(code, lines, kBackground));
  std::vector<SvgLine> found;
  QString size, fill;
  while (xml.readNextStartElement()) {
    const auto a = xml.attributes();
    if (xml.name() == QLatin1String("svg")) {
      size = a.value("width").toString() + QLatin1Char('x') + a.value("height").toString();
      continue;  // into its children
    }
    if (xml.name() == QLatin1String("rect")) fill = a.value("fill").toString();
    if (xml.name() == QLatin1String("line")) {
      found.push_back({a.value("x1").toDouble(), a.value("y1").toDouble(), a.value("x2").toDouble(),
                       a.value("y2").toDouble(), a.value("stroke").toString(), a.value("stroke-width").toString(),
                       a.value("stroke-linecap").toString()});
    }
    xml.skipCurrentElement();
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(size, QStringLiteral("113x105"));
  EXPECT_EQ(fill, QStringLiteral("rgb(10,20,30)"));
  const std::vector<SvgLine> expected = {
      {850 / 15.0, 800 / 15.0, 1000 / 15.0, 650 / 15.0, "rgb(255,0,0)", "3", "square"},
      {400 / 15.0, 400 / 15.0, 17 / 15.0, 1574 / 15.0, "rgb(255,0,128)", "1", "square"},
      {17 / 15.0, 1574 / 15.0, -300 / 15.0, 32767 / 15.0, "rgb(1,2,3)", "16", "square"},
  };
  EXPECT_EQ(found, expected);
}

class PngExport : public PictureExport, public ::testing::WithParamInterface<int> {};

TEST_P(PngExport, IsThePictureDrawnAfreshAtTheScale) {
  const int scale = GetParam();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("picture.png"));
  ExportPicture(code, lines, kBackground, path, ImageFormat::Png, scale);
  QImage written(path);
  ASSERT_FALSE(written.isNull());
  EXPECT_EQ(written.size(), QSize(113, 105) * scale);
  const QImage drawn = RenderPicture(code, lines, scale, kBackground);
  EXPECT_EQ(written.convertToFormat(drawn.format()), drawn);
  // Drawn at the scale, not enlarged: an enlarged picture would be made of
  // whole scale x scale blocks of one colour, the slanted lines' edges too.
  bool finerThanBlocks = false;
  for (int y = 0; y < written.height(); ++y)
    for (int x = 0; x < written.width(); ++x)
      finerThanBlocks |= written.pixel(x, y) != written.pixel(x - x % scale, y - y % scale);
  EXPECT_EQ(finerThanBlocks, scale > 1);
}

INSTANTIATE_TEST_SUITE_P(Scales, PngExport, ::testing::Values(1, 2, 4));

}  // namespace
}  // namespace pelorin
