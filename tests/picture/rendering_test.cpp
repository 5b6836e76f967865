#include "picture/rendering.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "genetics/embedded_code.h"
#include "genetics/gene_sequence.h"
#include "picture/line_geometry.h"
#include "picture/picture_export.h"
#include "picture/picture_surface.h"

namespace pelorin {
namespace {

const QColor kBackground(10, 20, 30);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
constexpr double kDown = std::numbers::pi / 2;

void setGene(clsGenSeq& code, std::int16_t i, std::int16_t length, double angle, std::int16_t width, QRgb colour,
             bool draw = true) {
  code.SetGColorLength(i, length);
  code.SetGAngle(i, angle);
  code.SetGColorWidth(i, width);
  code.SetGColorRed(i, static_cast<std::int16_t>(qRed(colour)));
  code.SetGColorGreen(i, static_cast<std::int16_t>(qGreen(colour)));
  code.SetGColorBlue(i, static_cast<std::int16_t>(qBlue(colour)));
  code.SetGColorDraw(i, draw ? kTrue16 : kFalse16);
}

QImage render(clsGenSeq& code) {
  SegmentTable lines;
  ComputeSegments(code, lines);
  PictureSurface surface(1695, 1575, 1.0, kBackground);
  DrawSegments(surface, code, lines);
  return surface.image();
}

// Pixels of the colour in the whole image or in one column.
int count(const QImage& image, QRgb colour, int column = -1) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += (column < 0 || x == column) && image.pixel(x, y) == colour;
  return n;
}

TEST(PictureSurface, SizeAndDevicePixelRatio) {
  PictureSurface plain;
  EXPECT_EQ(plain.logicalSize(), QSize(113, 105));
  EXPECT_EQ(plain.image().size(), QSize(113, 105));
  PictureSurface sharp(1695, 1575, 2.0, kBackground);
  EXPECT_EQ(sharp.logicalSize(), QSize(113, 105));
  EXPECT_EQ(sharp.image().size(), QSize(226, 210));
  EXPECT_EQ(sharp.image().devicePixelRatio(), 2.0);
  sharp.DrawWidth(1);
  sharp.Line(150, 750, 1500, 750, QColor(kRed));  // logical row 50
  EXPECT_EQ(count(sharp.image(), kRed, 100), 2);
}

TEST(PictureSurface, PointIsASquareOfThePenAtEveryRatio) {
  for (const qreal ratio : {1.0, 2.0, 3.0}) {
    PictureSurface surface(1695, 1575, ratio, kBackground);
    surface.DrawWidth(5);
    surface.Line(850, 800, 850, 800, QColor(kRed));
    const int side = static_cast<int>(5 * ratio);
    EXPECT_EQ(count(surface.image(), kRed), side * side) << "ratio " << ratio;
    EXPECT_EQ(count(surface.image(), kRed, qRound(850 / 15.0 * ratio)), side) << "ratio " << ratio;
  }
}

TEST(PictureSurface, ClipsToTheArea) {
  PictureSurface surface(1695, 1575, 1.0, kBackground);
  surface.DrawWidth(3);
  surface.Line(-30000, -30000, -500, -500, QColor(kRed));
  surface.Line(32767, 32767, 30000, -32768, QColor(kRed));
  EXPECT_EQ(count(surface.image(), kBackground.rgb()), 113 * 105);
  surface.DrawWidth(1);
  surface.Line(-1500, 750, 30000, 750, QColor(kBlue));
  for (int x = 0; x < 113; ++x) EXPECT_EQ(surface.image().pixel(x, 50), kBlue) << x;
  surface.Cls();
  EXPECT_EQ(count(surface.image(), kBackground.rgb()), 113 * 105);
}

TEST(Rendering, RedAndBlueLinesWhereTheSegmentsRun) {
  clsGenSeq code;
  setGene(code, 0, 600, 0.0, 1, kRed);     // (850,800)-(1450,800)
  setGene(code, 1, 600, kDown, 1, kBlue);  // (1450,800)-(1450,1400)
  const QImage image = render(code);
  EXPECT_EQ(image.pixel(75, 53), kRed);
  EXPECT_EQ(image.pixel(96, 75), kBlue);
  EXPECT_GE(count(image, kRed), 38);
  EXPECT_GE(count(image, kBlue), 38);
  EXPECT_EQ(count(image, kRed) + count(image, kBlue) + count(image, kBackground.rgb()), 113 * 105);
}

TEST(Rendering, EverySegmentSetsItsOwnWidth) {
  clsGenSeq code;
  setGene(code, 0, 300, 0.0, 16, kRed);          // row ~53
  setGene(code, 1, 300, kDown, 9, kRed, false);  // hidden: no width
  setGene(code, 2, -300, 0.0, 1, kBlue);         // row ~73
  const QImage image = render(code);
  EXPECT_EQ(count(image, kRed, 66), 16);
  EXPECT_EQ(count(image, kBlue, 66), 1);
}

TEST(Rendering, NothingDrawnShowsOnlyTheBackground) {
  clsGenSeq code;
  for (std::int16_t i = 0; i < 64; ++i) setGene(code, i, 200, i * 0.7, 16, kRed, false);
  EXPECT_EQ(count(render(code), kBackground.rgb()), 113 * 105);
}

TEST(Rendering, LaterSegmentLiesOnTop) {
  clsGenSeq code;
  setGene(code, 0, 600, 0.0, 5, kRed);
  setGene(code, 1, -600, 0.0, 5, kBlue);  // back over the same path
  const QImage image = render(code);
  EXPECT_EQ(count(image, kRed), 0);
  EXPECT_GT(count(image, kBlue), 0);
}

TEST(Rendering, OddGenesAreDrawnClampedWithoutFailing) {
  struct Odd {
    std::int16_t width, red, green, blue;
    QRgb shown;
    int thickness;  // at column 66
  };
  for (const Odd& odd : {Odd{1, 300, -5, 32767, qRgb(255, 0, 255), 1}, Odd{0, 0, 255, 0, qRgb(0, 255, 0), 1},
                         Odd{-32768, 0, 255, 0, qRgb(0, 255, 0), 1}, Odd{32767, 1, 2, 3, qRgb(1, 2, 3), 105}}) {
    clsGenSeq code;
    setGene(code, 0, 300, 0.0, odd.width, 0);
    code.SetGColorRed(0, odd.red);
    code.SetGColorGreen(0, odd.green);
    code.SetGColorBlue(0, odd.blue);
    EXPECT_EQ(count(render(code), odd.shown, 66), odd.thickness) << "width " << odd.width;
  }
}

// x1, y1, x2, y2, stroke, stroke-width, stroke-linecap.
using SvgLine = std::tuple<double, double, double, double, std::string, std::string, std::string>;

class PictureExport : public ::testing::Test {
 protected:
  // Gene 0: plain; 1: hidden; 2: width and colours outside their ranges;
  // 3: a segment reaching past the area.
  void SetUp() override {
    const struct {
      std::int16_t width, red, green, blue;
      clsLine line;
    } genes[] = {{3, 255, 0, 0, {850, 800, 1000, 650}},
                 {5, 0, 255, 0, {1000, 650, 400, 400}},
                 {0, 300, -5, 128, {400, 400, 17, 1574}},
                 {16, 1, 2, 3, {17, 1574, -300, 32767}}};
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

// Text an XML or PNG writer could spoil: markup, quotes, CR LF and a lone CR,
// blanks at the ends, a character beyond Latin-1.
const ImageText kText{QStringLiteral("Picture <7> & \"8\""), QStringLiteral(" read from a\u00e9\u20ac.txt "),
                      QByteArray("1.5\r\n<2>&amp;\r\n\r\n3\r4\n")};

TEST_F(PictureExport, SvgHoldsExactlyTheDrawnSegmentsAndItsText) {
  QXmlStreamReader xml(PictureSvg(code, lines, kBackground, kText));
  std::vector<SvgLine> found;
  QString size, fill, title, description, geneticCode;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto a = xml.attributes();
    const QString name = xml.name().toString();
    if (name == QLatin1String("svg")) size = a.value("width").toString() + 'x' + a.value("height").toString();
    if (name == QLatin1String("title")) title = xml.readElementText();
    if (name == QLatin1String("desc")) description = xml.readElementText();
    if (name == QLatin1String("genetic-code") && xml.namespaceUri() == QLatin1String(kSvgCodeNamespace)) {
      geneticCode = xml.readElementText();
    }
    if (name == QLatin1String("rect")) fill = a.value("fill").toString();
    if (name == QLatin1String("line")) {
      found.emplace_back(a.value("x1").toDouble(), a.value("y1").toDouble(), a.value("x2").toDouble(),
                         a.value("y2").toDouble(), a.value("stroke").toString().toStdString(),
                         a.value("stroke-width").toString().toStdString(),
                         a.value("stroke-linecap").toString().toStdString());
    }
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
  EXPECT_EQ(title, kText.title);
  EXPECT_EQ(description, kText.description);
  EXPECT_EQ(geneticCode.toLatin1(), kText.geneticCode);
}

class PngExport : public PictureExport, public ::testing::WithParamInterface<int> {};

TEST_P(PngExport, IsThePictureDrawnAfreshAtTheScale) {
  const int scale = GetParam();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("picture.png"));
  ExportPicture(code, lines, kBackground, path, ImageFormat::Png, scale, ImageFraming::Window, kText);
  QImage written(path);
  ASSERT_FALSE(written.isNull());
  EXPECT_EQ(written.text(QStringLiteral("Title")), kText.title);
  EXPECT_EQ(written.text(QStringLiteral("Description")), kText.description);
  EXPECT_EQ(written.text(QStringLiteral("Software")), QStringLiteral("Pelorin 1.0"));
  EXPECT_EQ(written.text(QStringLiteral("pelorin_genetic_code")).toLatin1(), kText.geneticCode);
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
