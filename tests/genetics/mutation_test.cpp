#include "genetics/mutation.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/scripted_random.h"

namespace pelorin {
namespace {

struct MutationCase {
  const char* name;
  double rate;
  float draw;
  bool mutates;
};

class MutationTest : public ::testing::TestWithParam<MutationCase> {};

TEST_P(MutationTest, ComparesTheSingleRateWithOneDraw) {
  const auto& c = GetParam();
  testing::ScriptedRandom script({c.draw});
  EXPECT_EQ(Mutates(c.rate), c.mutates);
  EXPECT_EQ(script.trace(), "D");
}

constexpr float kJustBelowOne = 0.99999994f;

INSTANTIATE_TEST_SUITE_P(
    Rates, MutationTest,
    ::testing::Values(MutationCase{"EqualIsNotGreater", 0.5, 0.5f, false},
                      MutationCase{"Greater", 0.5, 0.49999997f, true},
                      MutationCase{"ZeroNeverAtZeroDraw", 0.0, 0.0f, false},
                      MutationCase{"NegativeNever", -0.5, 0.0f, false},
                      MutationCase{"RoundsUpToOne", 0.99999999, kJustBelowOne, true},
                      // Above the draw as a double, equal to it in single precision.
                      MutationCase{"ComparedInSinglePrecision", 0.5 + 1e-12, 0.5f, false},
                      MutationCase{"TinyRoundsToZero", 1e-50, 0.0f, false},
                      MutationCase{"TinyDenormalBeatsZero", 1e-45, 0.0f, true},
                      MutationCase{"RoundsToLargestFloat", 3.4028235677973366e38, kJustBelowOne, true},
                      MutationCase{"HugePositiveAlways", 1e300, kJustBelowOne, true},
                      MutationCase{"HugeNegativeNever", -1e300, 0.0f, false},
                      MutationCase{"NaNNever", std::numeric_limits<double>::quiet_NaN(), 0.0f, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pelorin
