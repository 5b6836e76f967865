#include "picture/whole_path.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QPainter>
#include <functional>

#include "genetics/gene_sequence.h"
#include "support/fixed_random.h"

namespace pelorin {
namespace {

const QColor kBackground(10, 20, 30);

struct Path {
  clsGenSeq code;
  SegmentTable lines;

  // Segment i as given, drawn (or hidden) in red with a pen of width.
  void set(std::int16_t i, clsLine line, std::int16_t width, bool draw = true) {
    lines[static_cast<std::size_t>(i)] = line;
    code.SetGColorWidth(i, width);
    code.SetGColorRed(i, 255);
    code.SetGColorDraw(i, draw ? kTrue16 : kFalse16);
  }
};

const std::function<void(Path&)> kPaths[] = {
    [](Path& p) {  // a random picture, from (850, 800)
      testing::FixedRandom random(7);
      ScopedRandomSource scope(random);
      for (std::int16_t i = 0; i < 64; ++i) p.code.GetGene(i)->Random();
      ComputeSegments(p.code, p.lines);
    },
    [](Path& p) {  // wide pens at the extremes
      p.set(0, {-32768, -32768, -32000, -32768}, 16);
      p.set(1, {32767, 32767, 32767, 32000}, 16);
      p.set(2, {-32768, 32767, 32767, -32768}, 1);
    },
    [](Path& p) {
      p.set(5, {850, 800, 1500, 1200}, 32767);
    },             // a file's huge pen
    [](Path& p) {  // points only
      for (std::int16_t i = 0; i < 64; ++i) p.set(i, {850, 800, 850, 800}, static_cast<std::int16_t>(1 + i % 16));
    },
};

struct Target {
  QRectF rect;  // logical pixels
  qreal ratio;
};
const Target kTargets[] = {{QRectF(0, 0, 113, 105), 1.0},
                           {QRectF(0, 0, 113, 105), 3.0},
                           {QRectF(13.5, 7.25, 90, 30), 2.0},
                           {QRectF(0.3, 0.6, 37.7, 161.1), 1.25},
                           {QRectF(0, 0, 7, 5), 2.0}};

class WholePathFits : public ::testing::TestWithParam<std::tuple<std::function<void(Path&)>, Target>> {};

// Paints into a canvas larger than the target, unclipped, so any pixel the
// framing lets stray shows outside it.
TEST_P(WholePathFits, EveryDrawnPixelLiesInsideTheTargetWhichItFills) {
  const auto& [make, target] = GetParam();
  Path path;
  make(path);
  QImage image(QSize(qCeil(target.rect.right()) + 20, qCeil(target.rect.bottom()) + 20) * target.ratio,
               QImage::Format_RGB32);
  image.setDevicePixelRatio(target.ratio);
  image.fill(kBackground);
  QPainter painter(&image);
  PaintWholePath(painter, path.code, path.lines, target.rect);
  painter.end();
  const QRectF device(target.rect.topLeft() * target.ratio, target.rect.size() * target.ratio);
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == kBackground.rgb()) continue;
      ASSERT_TRUE(device.contains(x + 0.5, y + 0.5)) << "pixel " << x << "," << y << " outside";
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  // As large as fits: the figure spans the target one way, but for the
  // pixels an aliased edge may leave at either end.
  const int slack = 2 * qCeil(target.ratio);
  EXPECT_TRUE(right - left + 1 >= device.width() - slack || bottom - top + 1 >= device.height() - slack)
      << "drawn " << left << ".." << right << " x " << top << ".." << bottom;
  EXPECT_NEAR((left + right + 1) / 2.0, device.center().x(), slack);  // centred
  EXPECT_NEAR((top + bottom + 1) / 2.0, device.center().y(), slack);
}

INSTANTIATE_TEST_SUITE_P(Paths, WholePathFits,
                         ::testing::Combine(::testing::ValuesIn(kPaths), ::testing::ValuesIn(kTargets)));

TEST(WholePath, SvgPlacesThePathByTheFrame) {
  Path path;
  path.set(0, {850, 800, 1850, 800}, 4);
  const PathFrame frame = FrameWholePath(path.code, path.lines, QRectF(0, 0, 100, 300));
  const QString x1 = QString::number(850 * frame.scale + frame.offset.x(), 'g', QLocale::FloatingPointShortest);
  EXPECT_TRUE(WholePathSvg(path.code, path.lines, QSize(100, 300), kBackground).contains("x1=\"" + x1.toUtf8() + '"'));
}

TEST(WholePath, NothingDrawnDividesByNothing) {
  Path hidden;
  hidden.set(3, {850, 800, 900, 800}, 5, false);
  const PathFrame none = FrameWholePath(hidden.code, hidden.lines, QRectF(0, 0, 50, 40));
  EXPECT_EQ(none.scale, 0.0);
  EXPECT_EQ(none.offset, QPointF(25, 20));
  QImage blank(50, 40, QImage::Format_RGB32);
  blank.fill(kBackground);
  EXPECT_EQ(RenderWholePath(hidden.code, hidden.lines, QSize(50, 40), 1.0, kBackground), blank);
}

}  // namespace
}  // namespace pelorin
