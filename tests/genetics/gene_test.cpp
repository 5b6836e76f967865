#include "genetics/gene.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/scripted_random.h"

namespace pelorin {
namespace {

using testing::ScriptedRandom;

struct DrawCase {
  float u;
  int length, width, colour;
  Bool16 draw;
  double angle;
};

class GeneratorTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(GeneratorTest, EachGeneratorReseedsThenMakesOneDraw) {
  const DrawCase& c = GetParam();
  ScriptedRandom script({}, c.u);
  clsGene gene;
  gene.RndLength();
  gene.RndWidth();
  gene.RndAngle();
  gene.RndColorRed();
  gene.RndColorGreen();
  gene.RndColorBlue();
  gene.RndDraw();
  EXPECT_EQ(script.trace(), "RDRDRDRDRDRDRD");
  EXPECT_EQ(gene.Length, c.length);
  EXPECT_EQ(gene.Width, c.width);
  EXPECT_EQ(gene.ColorRed, c.colour);
  EXPECT_EQ(gene.ColorGreen, c.colour);
  EXPECT_EQ(gene.ColorBlue, c.colour);
  EXPECT_EQ(gene.Draw, c.draw);
  EXPECT_EQ(gene.Angle, c.angle);
}

const float kLargest = std::nextafter(1.0f, 0.0f);
const float kBelowHalf = std::nextafter(0.5f, 0.0f);
const double kPi1 = static_cast<double>(3.14159f);

INSTANTIATE_TEST_SUITE_P(
    Draws, GeneratorTest,
    ::testing::Values(DrawCase{0.0f, 0, 1, 0, kFalse16, 0.0},
                      DrawCase{kLargest, 999, 16, 255, kTrue16, 2.0 * kLargest * kPi1},
                      DrawCase{0.5f, 500, 9, 128, kTrue16, kPi1},
                      DrawCase{kBelowHalf, 499, 8, 127, kFalse16, 2.0 * kBelowHalf * kPi1}));

TEST(Gene, LargestAngleStaysBelowTwiceSinglePrecisionPi) {
  ScriptedRandom script({}, kLargest);
  clsGene gene;
  gene.RndAngle();
  EXPECT_LT(gene.Angle, 6.28318023681640625);
  EXPECT_LT(gene.Angle, 2 * M_PI);
}

TEST(Gene, RandomDrawsInItsFixedOrder) {
  // One distinct draw per trait shows which generator took which draw.
  ScriptedRandom script({0.001f, 0.25f, 0.5f, 0.75f, 0.125f, 0.9f, 0.0625f});
  clsGene gene;
  gene.Random();
  EXPECT_EQ(script.trace(), "RDRDRDRDRDRDRD");
  EXPECT_EQ(gene.Length, 1);                          // 0.001 * 1000
  EXPECT_EQ(gene.Angle, 0.5 * kPi1);                  // 0.25
  EXPECT_EQ(gene.ColorBlue, 128);                     // 0.5
  EXPECT_EQ(gene.ColorGreen, 192);                    // 0.75
  EXPECT_EQ(gene.ColorRed, 32);                       // 0.125
  EXPECT_EQ(gene.Draw, kTrue16);                      // 0.9
  EXPECT_EQ(gene.Width, 2);                           // 0.0625
}

TEST(Gene, NewGeneIsAllZeroAndHidden) {
  const clsGene gene;
  EXPECT_EQ(gene.Length, 0);
  EXPECT_EQ(gene.Width, 0);
  EXPECT_EQ(gene.Angle, 0.0);
  EXPECT_EQ(gene.ColorRed + gene.ColorGreen + gene.ColorBlue, 0);
  EXPECT_EQ(gene.Draw, kFalse16);
}

}  // namespace
}  // namespace pelorin
