#include "genetics/gene_sequence.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "platform/failure.h"

namespace pelorin {
namespace {

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
    ::testing::Combine(
        ::testing::Values(Accessor([](clsGenSeq& s, std::int16_t n) { s.GetGene(n); }),
                          Accessor([](clsGenSeq& s, std::int16_t n) { s.GetGLength(n); }),
                          Accessor([](clsGenSeq& s, std::int16_t n) { s.GetGAngle(n); }),
                          Accessor([](clsGenSeq& s, std::int16_t n) { s.GetGDraw(n); }),
                          Accessor([](clsGenSeq& s, std::int16_t n) { s.SetGColorWidth(n, 3); }),
                          Accessor([](clsGenSeq& s, std::int16_t n) { s.SetGAngle(n, 1.0); })),
        ::testing::Values<std::int16_t>(-1, 64, -32768, 32767)));

TEST(GeneSequence, GenesAreCreatedOnFirstTouchAndShared) {
  clsGenSeq sequence;
  sequence.Init();
  EXPECT_FALSE(sequence.HasGene(7));
  EXPECT_EQ(sequence.GetGColorRed(7), 0);
  EXPECT_EQ(sequence.GetGDraw(7), kFalse16);
  EXPECT_TRUE(sequence.HasGene(7));
  EXPECT_FALSE(sequence.HasGene(8));

  const auto gene = sequence.GetGene(63);
  EXPECT_EQ(gene, sequence.GetGene(63));
  gene->Angle = 2.5;
  gene->Draw = kTrue16;
  EXPECT_EQ(sequence.GetGAngle(63), 2.5);
  EXPECT_EQ(sequence.GetGDraw(63), kTrue16);
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
  using Traits = std::tuple<int, int, int, int, int, int, double>;
  EXPECT_EQ((Traits{sequence.GetGLength(5), sequence.GetGWidth(5), sequence.GetGColorRed(5), sequence.GetGColorGreen(5),
                    sequence.GetGColorBlue(5), sequence.GetGDraw(5), sequence.GetGAngle(5)}),
            (Traits{-7, 100, 300, -1, 32767, kTrue16, -1e300}));
}

}  // namespace
}  // namespace pelorin
