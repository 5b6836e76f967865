#include "genetics/gene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "support/scripted_random.h"

namespace pelorin {
namespace {

using testing::ScriptedRandom;
using Traits = std::tuple<int, int, int, int, int, int, double>;

// Length, Width, ColorRed, ColorGreen, ColorBlue, Draw, Angle.
Traits traits(const clsGene& g) { return {g.Length, g.Width, g.ColorRed, g.ColorGreen, g.ColorBlue, g.Draw, g.Angle}; }

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
  EXPECT_EQ(traits(gene), (Traits{c.length, c.width, c.colour, c.colour, c.colour, c.draw, c.angle}));
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

TEST(Gene, RandomDrawsInItsFixedOrder) {
  ScriptedRandom script({0.001f, 0.25f, 0.5f, 0.75f, 0.125f, 0.9f, 0.0625f});  // one distinct draw per trait
  clsGene gene;
  gene.Random();
  EXPECT_EQ(script.trace(), "RDRDRDRDRDRDRD");
  EXPECT_EQ(traits(gene), (Traits{1, 2, 32, 192, 128, kTrue16, 0.5 * kPi1}));
}

}  // namespace
}  // namespace pelorin
