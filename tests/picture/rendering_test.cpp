#include "picture/rendering.h"

#include <gtest/gtest.h>

#include <numbers>

#include "genetics/gene_sequence.h"
#include "picture/line_geometry.h"
#include "picture/picture_surface.h"

namespace pelorin {
namespace {

const QColor kBackground(10, 20, 30);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

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

QImage render(clsGenSeq& code, qreal ratio = 1.0) {
  SegmentTable lines;
  ComputeSegments(code, lines);
  PictureSurface surface(1695, 1575, ratio, kBackground);
  DrawSegments(surface, code, lines);
  return surface.image();
}

int count(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
  return n;
}

int countInColumn(const QImage& image, int x, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) n += image.pixel(x, y) == colour;
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
  EXPECT_EQ(countInColumn(sharp.image(), 100, kRed), 2);
}

TEST(Rendering, RedAndBlueLinesWhereTheSegmentsRun) {
  clsGenSeq code;
  setGene(code, 0, 600, 0.0, 1, kRed);                       // (850,800)-(1450,800)
  setGene(code, 1, 600, std::numbers::pi / 2, 1, kBlue);    // (1450,800)-(1450,1400)
  const QImage image = render(code);
  EXPECT_EQ(image.pixel(75, 53), kRed);
  EXPECT_EQ(image.pixel(96, 75), kBlue);
  EXPECT_GE(count(image, kRed), 38);
  EXPECT_GE(count(image, kBlue), 38);
  EXPECT_EQ(count(image, kRed) + count(image, kBlue) + count(image, kBackground.rgb()),
            image.width() * image.height());
}

TEST(Rendering, EverySegmentSetsItsOwnWidth) {
  clsGenSeq code;
  setGene(code, 0, 300, 0.0, 16, kRed);                                   // row ~53
  setGene(code, 1, 300, std::numbers::pi / 2, 9, kRed, /*draw=*/false);  // hidden: no width
  setGene(code, 2, -300, 0.0, 1, kBlue);                                  // row ~73
  const QImage image = render(code);
  EXPECT_EQ(countInColumn(image, 66, kRed), 16);
  EXPECT_EQ(countInColumn(image, 66, kBlue), 1);
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

struct OddGeneCase {
  const char* name;
  std::int16_t width, red, green, blue;
  QRgb expected;
  int thickness;  // at column 66
};

class OddGene : public ::testing::TestWithParam<OddGeneCase> {};

TEST_P(OddGene, IsDrawnClampedWithoutFailing) {
  const auto& c = GetParam();
  clsGenSeq code;
  setGene(code, 0, 300, 0.0, c.width, 0);
  code.SetGColorRed(0, c.red);
  code.SetGColorGreen(0, c.green);
  code.SetGColorBlue(0, c.blue);
  const QImage image = render(code);
  EXPECT_EQ(countInColumn(image, 66, c.expected), c.thickness);
}

INSTANTIATE_TEST_SUITE_P(
    Values, OddGene,
    ::testing::Values(OddGeneCase{"ComponentsClamped", 1, 300, -5, 32767, qRgb(255, 0, 255), 1},
                      OddGeneCase{"ZeroWidth", 0, 0, 255, 0, qRgb(0, 255, 0), 1},
                      OddGeneCase{"NegativeWidth", -32768, 0, 255, 0, qRgb(0, 255, 0), 1},
                      OddGeneCase{"HugeWidthCoversAll", 32767, 1, 2, 3, qRgb(1, 2, 3), 105}),
    [](const auto& info) { return std::string(info.param.name); });

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

}  // namespace
}  // namespace pelorin
