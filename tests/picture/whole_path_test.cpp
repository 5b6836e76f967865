#include "picture/whole_path.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QPainter>

#include "genetics/gene_sequence.h"
#include "support/fixed_random.h"

namespace pelorin {
namespace {

const QColor kBackground(10, 20, 30);

// The paths framed: 0 a random picture from (850, 800), 1 wide pens at the
// extremes, 2 a file's huge pen, 3 points only, 4 nothing drawn.
struct Path {
  explicit Path(int kind) {
    testing::FixedRandom random(7);
    Seam<RandomSource>::Scope scope(random);
    for (std::int16_t i = 0; i < 64; ++i) {
      if (kind == 0) code.GetGene(i)->Random();
      if (kind == 3) set(i, {850, 800, 850, 800}, static_cast<std::int16_t>(1 + i % 16));
    }
    if (kind == 0) ComputeSegments(code, lines);
    if (kind == 1) set(0, {-32768, -32768, -32000, -32768}, 16).set(1, {32767, 32767, 32767, 32000}, 16);
    if (kind == 1) set(2, {-32768, 32767, 32767, -32768}, 1);
    if (kind == 2) set(5, {850, 800, 1500, 1200}, 32767);
    if (kind == 4) set(3, {850, 800, 900, 800}, 5, false);
  }
  // Segment i as given, drawn (or hidden) with a pen of width.
  Path& set(std::int16_t i, clsLine line, std::int16_t width, bool draw = true) {
    lines[static_cast<std::size_t>(i)] = line;
    code.SetGColorWidth(i, width);
    code.SetGColorDraw(i, draw ? kTrue16 : kFalse16);
    return *this;
  }
  clsGenSeq code;
  SegmentTable lines;
};

class WholePathFits : public ::testing::TestWithParam<std::tuple<int, QRectF, qreal>> {};

// Paints unclipped into a larger canvas, so any pixel the framing lets stray shows outside the target.
TEST_P(WholePathFits, EveryDrawnPixelLiesInsideTheTargetWhichItFills) {
  const auto [kind, rect, ratio] = GetParam();
  Path path(kind);
  QImage image(QSize(qCeil(rect.right()) + 20, qCeil(rect.bottom()) + 20) * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(kBackground);
  QPainter painter(&image);
  PaintWholePath(painter, path.code, path.lines, rect);
  painter.end();
  QRect drawn;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kBackground.rgb()) drawn |= QRect(x, y, 1, 1);
  ASSERT_EQ(drawn.isNull(), kind == 4);
  if (kind == 4) return;
  const QRectF device(rect.topLeft() * ratio, rect.size() * ratio), centres = QRectF(drawn) - QMarginsF(.5, .5, .5, .5);
  EXPECT_TRUE(device.contains(centres.topLeft()) && device.contains(centres.bottomRight()));
  // As large as fits and centred, but for the pixels an aliased edge may leave at either end.
  const int slack = 2 * qCeil(ratio);
  EXPECT_TRUE(drawn.width() >= device.width() - slack || drawn.height() >= device.height() - slack);
  EXPECT_NEAR(centres.center().x(), device.center().x(), slack);
  EXPECT_NEAR(centres.center().y(), device.center().y(), slack);
}

INSTANTIATE_TEST_SUITE_P(Paths, WholePathFits,
                         ::testing::Combine(::testing::Range(0, 5),
                                            ::testing::Values(QRectF(0, 0, 113, 105), QRectF(13.5, 7.25, 90, 30),
                                                              QRectF(0.3, 0.6, 37.7, 161.1), QRectF(0, 0, 7, 5)),
                                            ::testing::Values(1.0, 1.25, 3.0)));

// A dot or a short stroke is enlarged 8 times its size in the window (the
// target being the window's area at a zoom), centred: it stays small.
TEST(WholePath, TinyFiguresAreEnlargedAtMostEightTimes) {
  // The pen, the segment's length in twips, and its size at 8 times in pixels.
  const std::tuple<std::int16_t, std::int16_t, QSize> figures[] = {
      {1, 0, QSize(8, 8)}, {3, 0, QSize(24, 24)}, {1, 30, QSize(24, 8)}};
  for (const auto& [pen, length, size] : figures) {
    for (const int zoom : {1, 3}) {
      Path path(-1);
      path.set(0, {850, 800, static_cast<std::int16_t>(850 + length), 800}, pen);
      const QImage image = RenderWholePath(path.code, path.lines, QSize(113, 105) * zoom, 1.0, kBackground);
      QRect drawn;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (image.pixel(x, y) != kBackground.rgb()) drawn |= QRect(x, y, 1, 1);
      SCOPED_TRACE(::testing::Message() << "pen " << pen << ", length " << length << ", zoom " << zoom);
      EXPECT_NEAR(drawn.width(), size.width() * zoom, 1);
      EXPECT_NEAR(drawn.height(), size.height() * zoom, 1);
      EXPECT_NEAR(QRectF(drawn).center().x(), image.width() / 2.0, 1);
      EXPECT_NEAR(QRectF(drawn).center().y(), image.height() / 2.0, 1);
    }
  }
}

TEST(WholePath, SvgPlacesThePathByTheFrame) {
  Path path(2);  // one segment, from (850, 800)
  const PathFrame frame = FrameWholePath(path.code, path.lines, QRectF(0, 0, 100, 300));
  const QByteArray x1 = QByteArray::number(850 * frame.scale + frame.offset.x(), 'g', QLocale::FloatingPointShortest);
  EXPECT_TRUE(WholePathSvg(path.code, path.lines, QSize(100, 300), kBackground).contains("x1=\"" + x1 + '"'));
}

}  // namespace
}  // namespace pelorin
