#include "picture/whole_path.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

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

struct PathCase {
  std::string name;
  std::function<void(Path&)> make;
};
void PrintTo(const PathCase& path, std::ostream* out) { *out << path.name; }

// A random picture (thin pens only when thin), segments from (850, 800).
PathCase randomPicture(std::uint64_t seed, bool thin = false) {
  return {"random_" + std::to_string(seed) + (thin ? "_thin" : ""), [seed, thin](Path& path) {
            testing::FixedRandom random(seed);
            ScopedRandomSource scope(random);
            for (std::int16_t i = 0; i < 64; ++i) path.code.GetGene(i)->Random();
            for (std::int16_t i = 0; thin && i < 64; ++i) path.code.SetGColorWidth(i, 1);
            ComputeSegments(path.code, path.lines);
          }};
}

const std::vector<PathCase> kPaths = {
    randomPicture(1),
    randomPicture(7),
    randomPicture(299, true),
    randomPicture(2024, true),
    {"wide_pens_at_the_extremes",
     [](Path& p) {
       p.set(0, {-32768, -32768, -32000, -32768}, 16);
       p.set(1, {32767, 32767, 32767, 32000}, 16);
       p.set(2, {-32768, 32767, 32767, -32768}, 1);
     }},
    {"diagonal_wide_pens_and_a_hidden_one",
     [](Path& p) {
       p.set(0, {850, 800, 950, 900}, 16);
       p.set(1, {950, 900, 850, 1000}, 16);
       p.set(2, {850, 1000, -750, 900}, 3, false);
     }},
    {"huge_pen_of_a_file",
     [](Path& p) {
       p.set(5, {850, 800, 1500, 1200}, 32767);
     }},
    {"single_point",
     [](Path& p) {
       for (std::int16_t i = 0; i < 64; ++i) p.set(i, {850, 800, 850, 800}, static_cast<std::int16_t>(1 + i % 16));
     }},
};

struct Target {
  QRectF rect;  // logical pixels
  qreal ratio;
};
void PrintTo(const Target& t, std::ostream* out) {
  *out << t.rect.x() << "," << t.rect.y() << " " << t.rect.width() << "x" << t.rect.height() << " at " << t.ratio;
}

const std::vector<Target> kTargets = {
    {QRectF(0, 0, 113, 105), 1.0}, {QRectF(0, 0, 113, 105), 3.0},     {QRectF(0, 0, 113, 105), 1.5},
    {QRectF(0, 0, 40, 200), 1.0},  {QRectF(13.5, 7.25, 90, 30), 2.0}, {QRectF(0.3, 0.6, 97.7, 61.1), 1.25},
    {QRectF(0, 0, 7, 5), 2.0},
};

class WholePathFits : public ::testing::TestWithParam<std::tuple<PathCase, Target>> {};

// Paints into a canvas larger than the target, unclipped, so any pixel the
// framing lets stray shows outside it.
TEST_P(WholePathFits, EveryDrawnPixelLiesInsideTheTargetWhichItFills) {
  const auto& [pathCase, target] = GetParam();
  Path path;
  pathCase.make(path);
  QImage image(QSize(qCeil(target.rect.right()) + 20, qCeil(target.rect.bottom()) + 20) * target.ratio,
               QImage::Format_RGB32);
  image.setDevicePixelRatio(target.ratio);
  image.fill(kBackground);
  {
    QPainter painter(&image);
    PaintWholePath(painter, path.code, path.lines, target.rect);
  }
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
}

INSTANTIATE_TEST_SUITE_P(Paths, WholePathFits,
                         ::testing::Combine(::testing::ValuesIn(kPaths), ::testing::ValuesIn(kTargets)),
                         [](const auto& info) {
                           std::string name = std::get<0>(info.param).name;
                           name += '_';
                           name += std::to_string(info.index);
                           return name;
                         });

TEST(WholePath, FrameKeepsTheAspectAndCentresThePath) {
  Path path;
  path.set(0, {850, 800, 1850, 800}, 4);  // 1000 twips right, pen 60 twips
  path.set(1, {1850, 800, 1850, 1300}, 4);
  const QRectF target(10, 20, 100, 300);
  const PathFrame frame = FrameWholePath(path.code, path.lines, target);
  // Across, 1000 twips of path and the caps of a 60 twip pen fill the 100
  // pixels to within one; the middle of the path sits in the middle.
  EXPECT_NEAR(frame.scale, 100.0 / 1060, 1.0 / 1060);
  EXPECT_NEAR(1350 * frame.scale + frame.offset.x(), target.center().x(), 0.5);
  EXPECT_NEAR(1050 * frame.scale + frame.offset.y(), target.center().y(), 0.5);
  // The SVG places the path by the same frame.
  const PathFrame svg = FrameWholePath(path.code, path.lines, QRectF(0, 0, 100, 300));
  const QString x1 = QString::number(850 * svg.scale + svg.offset.x(), 'g', QLocale::FloatingPointShortest);
  EXPECT_TRUE(WholePathSvg(path.code, path.lines, QSize(100, 300), kBackground).contains("x1=\"" + x1.toUtf8() + '"'));
}

TEST(WholePath, NothingDrawnOrOnePointDividesByNothing) {
  Path hidden;
  hidden.set(3, {850, 800, 900, 800}, 5, false);
  const PathFrame none = FrameWholePath(hidden.code, hidden.lines, QRectF(0, 0, 50, 40));
  EXPECT_EQ(none.scale, 0.0);
  EXPECT_EQ(none.offset, QPointF(25, 20));
  QImage blank(50, 40, QImage::Format_RGB32);
  blank.fill(kBackground);
  EXPECT_EQ(RenderWholePath(hidden.code, hidden.lines, QSize(50, 40), 1.0, kBackground), blank);

  Path point;
  point.set(0, {850, 800, 850, 800}, 2);
  // The pen, 30 twips wide, fills the shorter side.
  EXPECT_NEAR(FrameWholePath(point.code, point.lines, QRectF(0, 0, 50, 40)).scale, 40.0 / 30, 1.0 / 30);
}

}  // namespace
}  // namespace pelorin
