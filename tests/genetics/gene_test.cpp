#include "genetics/gene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <tuple>

#include "genetics/gene_sequence.h"
#include "genetics/mutation.h"
#include "platform/failure.h"
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

INSTANTIATE_TEST_SUITE_P(Draws, GeneratorTest,
                         ::testing::Values(DrawCase{0.0f, 0, 1, 0, kFalse16, 0.0},
                                           DrawCase{kLargest, 999, 16, 255, kTrue16, 2.0 * kLargest* kPi1},
                                           DrawCase{0.5f, 500, 9, 128, kTrue16, kPi1},
                                           DrawCase{kBelowHalf, 499, 8, 127, kFalse16, 2.0 * kBelowHalf* kPi1}));

TEST(Gene, RandomDrawsInItsFixedOrder) {
  ScriptedRandom script({0.001f, 0.25f, 0.5f, 0.75f, 0.125f, 0.9f, 0.0625f});  // one distinct draw per trait
  clsGene gene;
  gene.Random();
  EXPECT_EQ(script.trace(), "RDRDRDRDRDRDRD");
  EXPECT_EQ(traits(gene), (Traits{1, 2, 32, 192, 128, kTrue16, 0.5 * kPi1}));
}

using Accessor = std::function<void(clsGenSeq&, std::int16_t)>;

class SubscriptTest : public ::testing::TestWithParam<std::tuple<Accessor, std::int16_t>> {};

TEST_P(SubscriptTest, OutOfRangeFailsAndCreatesNothing) {
  const auto& [access, number] = GetParam();
  clsGenSeq sequence;
  try {
    access(sequence, number);
    FAIL() << "no failure for gene " << number;
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::SubscriptOutOfRange);
  }
  for (int i = 0; i < clsGenSeq::kGeneCount; ++i) EXPECT_FALSE(sequence.HasGene(i));
}

INSTANTIATE_TEST_SUITE_P(
    Accessors, SubscriptTest,
    ::testing::Combine(::testing::Values(Accessor([](clsGenSeq& s, std::int16_t n) { s.GetGene(n); }),
                                         Accessor([](clsGenSeq& s, std::int16_t n) { s.GetGLength(n); }),
                                         Accessor([](clsGenSeq& s, std::int16_t n) { s.GetGAngle(n); }),
                                         Accessor([](clsGenSeq& s, std::int16_t n) { s.GetGDraw(n); }),
                                         Accessor([](clsGenSeq& s, std::int16_t n) { s.SetGColorWidth(n, 3); }),
                                         Accessor([](clsGenSeq& s, std::int16_t n) { s.SetGAngle(n, 1.0); })),
                       ::testing::Values<std::int16_t>(-1, 64, -32768, 32767)));

TEST(GeneSequence, GenesAreCreatedOnFirstTouchAndShared) {
  clsGenSeq sequence;
  EXPECT_FALSE(sequence.HasGene(7));
  EXPECT_EQ(sequence.GetGColorRed(7), 0);
  EXPECT_EQ(sequence.GetGDraw(7), kFalse16);
  EXPECT_TRUE(sequence.HasGene(7));
  EXPECT_FALSE(sequence.HasGene(8));
  const auto gene = sequence.GetGene(63);
  EXPECT_EQ(gene, sequence.GetGene(63));
  gene->Angle = 2.5;
  EXPECT_EQ(sequence.GetGAngle(63), 2.5);
}

TEST(GeneSequence, SettersStoreValuesUnchanged) {
  clsGenSeq sequence;
  sequence.SetGColorLength(5, -7);
  sequence.SetGColorWidth(5, 100);
  sequence.SetGColorRed(5, 300);
  sequence.SetGColorGreen(5, -1);
  sequence.SetGColorBlue(5, 32767);
  sequence.SetGColorDraw(5, kTrue16);
  sequence.SetGAngle(5, -1e300);
  EXPECT_EQ((Traits{sequence.GetGLength(5), sequence.GetGWidth(5), sequence.GetGColorRed(5), sequence.GetGColorGreen(5),
                    sequence.GetGColorBlue(5), sequence.GetGDraw(5), sequence.GetGAngle(5)}),
            (Traits{-7, 100, 300, -1, 32767, kTrue16, -1e300}));
}

struct MutationCase {
  const char* name;
  double rate;
  float draw;
  bool mutates;
};

class MutationTest : public ::testing::TestWithParam<MutationCase> {};

TEST_P(MutationTest, ComparesTheSingleRateWithOneDraw) {
  const auto& c = GetParam();
  ScriptedRandom script({c.draw});
  EXPECT_EQ(Mutates(c.rate), c.mutates);
  EXPECT_EQ(script.trace(), "D");
}

constexpr float kJustBelowOne = 0.99999994f;

INSTANTIATE_TEST_SUITE_P(
    Rates, MutationTest,
    ::testing::Values(
        MutationCase{"EqualIsNotGreater", 0.5, 0.5f, false}, MutationCase{"Greater", 0.5, 0.49999997f, true},
        MutationCase{"ZeroNeverAtZeroDraw", 0.0, 0.0f, false}, MutationCase{"NegativeNever", -0.5, 0.0f, false},
        MutationCase{"RoundsUpToOne", 0.99999999, kJustBelowOne, true},
        // Above the draw as a double, equal to it in single precision.
        MutationCase{"ComparedInSinglePrecision", 0.5 + 1e-12, 0.5f, false},
        MutationCase{"TinyRoundsToZero", 1e-50, 0.0f, false}, MutationCase{"TinyDenormalBeatsZero", 1e-45, 0.0f, true},
        MutationCase{"RoundsToLargestFloat", 3.4028235677973366e38, kJustBelowOne, true},
        MutationCase{"HugePositiveAlways", 1e300, kJustBelowOne, true},
        MutationCase{"HugeNegativeNever", -1e300, 0.0f, false},
        MutationCase{"NaNNever", std::numeric_limits<double>::quiet_NaN(), 0.0f, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pelorin
