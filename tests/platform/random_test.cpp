#include "platform/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "support/scripted_random.h"

namespace pelorin {
namespace {

TEST(Random, DrawsAreMultiplesOfTwoToTheMinus24BelowOne) {
  ClockMixedGenerator generator(42);
  for (int i = 0; i < 100000; ++i) {
    const double scaled = static_cast<double>(generator.next()) * 16777216.0;
    ASSERT_TRUE(scaled >= 0.0 && scaled < 16777216.0 && scaled == std::floor(scaled)) << scaled;
  }
}

TEST(Random, ReseedsWithinOneClockTickStayVaried) {
  std::set<float> seen;
  for (int i = 0; i < 1000; ++i) {
    Randomize();
    seen.insert(Rnd());
  }
  EXPECT_GT(seen.size(), 990u);
}

// Reseed before every draw, as the gene generators do.
std::vector<float> reseededDraws(ClockMixedGenerator generator, int count) {
  std::vector<float> draws;
  for (int i = 0; i < count; ++i) {
    generator.reseedFromClock();
    draws.push_back(generator.next());
  }
  return draws;
}

TEST(Random, CountingGeneratorRepeatsItsSeedAndStaysVaried) {
  const auto first = reseededDraws(ClockMixedGenerator::Counting(7), 1000);
  EXPECT_EQ(reseededDraws(ClockMixedGenerator::Counting(7), 1000), first);
  EXPECT_NE(reseededDraws(ClockMixedGenerator::Counting(8), 1000), first);
  EXPECT_GT(std::set<float>(first.begin(), first.end()).size(), 990u);
  // The clock still moves a generator that does not count.
  EXPECT_NE(reseededDraws(ClockMixedGenerator(7), 1000), first);
}

TEST(Random, ScriptedSourceTakesOverAndRecords) {
  {
    testing::ScriptedRandom script({0.25f, 0.75f});
    Randomize();
    EXPECT_EQ(Rnd(), 0.25f);
    EXPECT_EQ(Rnd(), 0.75f);
    EXPECT_EQ(Rnd(), 0.0f);
    EXPECT_EQ(script.trace(), "RDDD");
  }
  std::set<float> seen;
  for (int i = 0; i < 10; ++i) seen.insert(Rnd());
  EXPECT_GT(seen.size(), 5u);
}

}  // namespace
}  // namespace pelorin
