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
  setGene(code, 0, 600, 0.0, 1, kRed);   // (850,800)-(1450,800)
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
  setGene(code, 0, 300, 0.0, 16, kRed);           // row ~53
  setGene(code, 1, 300, kDown, 9, kRed, false);   // hidden: no width
  setGene(code, 2, -300, 0.0, 1, kBlue);          // row ~73
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

}  // namespace
}  // namespace pelorin
