#include "family_tree/tree_drawing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "history/history_fixture.h"

namespace pelorin::family_tree {
namespace {

// The mean of each colour component over the whole image, 0..255.
std::array<double, 3> MeanColour(const QImage& image) {
  std::array<double, 3> sum{};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb pixel = rgb.pixel(x, y);
      sum[0] += qRed(pixel);
      sum[1] += qGreen(pixel);
      sum[2] += qBlue(pixel);
    }
  }
  for (double& component : sum) component /= static_cast<double>(rgb.width()) * rgb.height();
  return sum;
}

struct ScaleCase {
  CellFraming framing;
  qreal scale;
};
class CellPictureTest : public ::testing::TestWithParam<ScaleCase> {};

// A cell's picture at any scale is the same picture: its size follows the
// scale, and its colours average as those of a large one do (a picture
// painted at the wrong scale, or cut off, averages otherwise).
TEST_P(CellPictureTest, IsTheSamePictureAtEveryScale) {
  history::RecordedPicture record;
  record.code = history::testing::SampleCode(5);
  for (clsGene& gene : record.code) gene.Length = static_cast<std::int16_t>(gene.Length % 300);
  const auto [framing, scale] = GetParam();
  const QImage large = CellPicture(record, framing, 8, Qt::white);
  const QImage image = CellPicture(record, framing, scale, Qt::white);
  EXPECT_EQ(image.devicePixelRatio(), scale);
  const QSizeF logical = large.deviceIndependentSize();
  EXPECT_NEAR(image.width(), logical.width() * scale, 1.0);
  EXPECT_NEAR(image.height(), logical.height() * scale, 1.0);
  const auto want = MeanColour(large), got = MeanColour(image);
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(got[c], want[c], 12.0) << c;
}

INSTANTIATE_TEST_SUITE_P(Scales, CellPictureTest,
                         ::testing::Values(ScaleCase{CellFraming::Window, 0.25}, ScaleCase{CellFraming::Window, 1},
                                           ScaleCase{CellFraming::Window, 2}, ScaleCase{CellFraming::Window, 3},
                                           ScaleCase{CellFraming::WholePath, 0.5}, ScaleCase{CellFraming::WholePath, 1},
                                           ScaleCase{CellFraming::WholePath, 2}),
                         [](const auto& info) {
                           return std::string(info.param.framing == CellFraming::Window ? "Window" : "WholePath") +
                                  std::to_string(static_cast<int>(info.param.scale * 100));
                         });

}  // namespace
}  // namespace pelorin::family_tree
