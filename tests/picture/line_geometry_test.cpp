#include "picture/line_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "genetics/gene_sequence.h"
#include "platform/failure.h"
#include "ui/mod_object.h"

namespace pelorin {

void PrintTo(const clsLine& l, std::ostream* os) {
  *os << "(" << l.StartX << ", " << l.StartY << ")-(" << l.EndX << ", " << l.EndY << ")";
}

namespace {

constexpr clsLine kSentinel{-1111, -2222, -3333, -4444};

SegmentTable sentinelTable() {
  SegmentTable table;
  table.fill(kSentinel);
  return table;
}

void setAll(clsGenSeq& code, std::int16_t length, double angle) {
  for (std::int16_t i = 0; i < 64; ++i) {
    code.SetGColorLength(i, length);
    code.SetGAngle(i, angle);
  }
}

struct FirstSegmentCase {
  const char* name;
  std::int16_t length;
  double angle;
  std::int16_t endX, endY;
};

class FirstSegment : public ::testing::TestWithParam<FirstSegmentCase> {};

TEST_P(FirstSegment, EndsWhereExpected) {
  const auto& c = GetParam();
  clsGenSeq code;
  code.SetGColorLength(0, c.length);
  code.SetGAngle(0, c.angle);
  SegmentTable lines = sentinelTable();
  ComputeSegments(code, lines);
  EXPECT_EQ(lines[0], (clsLine{850, 800, c.endX, c.endY}));
  // Genes 1..63 are new (length 0): the rest of the chain sits at the end.
  EXPECT_EQ(lines[63], (clsLine{c.endX, c.endY, c.endX, c.endY}));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FirstSegment,
    ::testing::Values(FirstSegmentCase{"LengthZero", 0, 4.2, 850, 800},
                      FirstSegmentCase{"AngleZero", 123, 0.0, 973, 800},
                      FirstSegmentCase{"AngleOne", 500, 1.0, 1120, 1221},
                      FirstSegmentCase{"StraightUp", 100, 3 * std::numbers::pi / 2, 850, 700},
                      FirstSegmentCase{"Left", 1, std::numbers::pi, 849, 800},
                      FirstSegmentCase{"NegativeLength", -100, 0.0, 750, 800},
                      // 419 * cos(a) + 850 is exactly 961.5 when the product is
                      // rounded first (half to even: 962); a fused multiply-add
                      // would give 961.4999999999999 and 961.
                      FirstSegmentCase{"UnfusedHalfGoesToEven", 419, 1.3014412892588936, 962, 1204}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineGeometry, ChainOfEqualSegments) {
  clsGenSeq code;
  setAll(code, 100, 0.0);
  SegmentTable lines = sentinelTable();
  ComputeSegments(code, lines);
  for (int i = 0; i < 64; ++i) {
    const auto x = static_cast<std::int16_t>(850 + 100 * i);
    EXPECT_EQ(lines[i], (clsLine{x, 800, static_cast<std::int16_t>(x + 100), 800})) << "segment " << i;
  }
  EXPECT_EQ(lines[63].EndX, 7250);
}

TEST(LineGeometry, HiddenSegmentCarriesTheChainAndAnglesAreAbsolute) {
  clsGenSeq code;
  code.SetGColorLength(0, 100);
  code.SetGAngle(0, std::numbers::pi / 2);  // down
  code.SetGColorDraw(0, 0);
  code.SetGColorLength(1, 100);
  code.SetGAngle(1, 0.0);  // right, not turned by segment 0's angle
  SegmentTable lines;
  ComputeSegments(code, lines);
  EXPECT_EQ(lines[0], (clsLine{850, 800, 850, 900}));
  EXPECT_EQ(lines[1], (clsLine{850, 900, 950, 900}));
}

TEST(LineGeometry, OriginIsReadAtEachCall) {
  clsGenSeq code;
  code.SetGColorLength(0, 10);
  SegmentTable lines;
  modObject::OriginX = 100;
  modObject::OriginY = 200;
  ComputeSegments(code, lines);
  modObject::ResetObjectState();
  EXPECT_EQ(lines[0], (clsLine{100, 200, 110, 200}));
  ComputeSegments(code, lines);
  EXPECT_EQ(lines[0], (clsLine{850, 800, 860, 800}));
}

TEST(LineGeometry, OverflowAtSegment31LeavesWhatWasWritten) {
  clsGenSeq code;
  setAll(code, 999, 0.0);
  SegmentTable lines = sentinelTable();
  try {
    ComputeSegments(code, lines);
    FAIL() << "no overflow";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::Overflow);
  }
  for (int i = 0; i <= 30; ++i) {
    EXPECT_EQ(lines[i], (clsLine{static_cast<std::int16_t>(850 + 999 * i), 800,
                                 static_cast<std::int16_t>(850 + 999 * (i + 1)), 800}));
  }
  EXPECT_EQ(lines[30].EndX, 31819);
  EXPECT_EQ(lines[31], (clsLine{31819, 800, kSentinel.EndX, kSentinel.EndY}));
  for (int i = 32; i < 64; ++i) EXPECT_EQ(lines[i], kSentinel) << "segment " << i;
}

TEST(LineGeometry, OverflowAtEndYKeepsNewEndX) {
  clsGenSeq code;
  code.SetGColorLength(0, 32767);
  code.SetGAngle(0, std::numbers::pi / 2);  // EndX = 850 + ~0, EndY = 33567
  SegmentTable lines = sentinelTable();
  EXPECT_THROW(ComputeSegments(code, lines), Failure);
  EXPECT_EQ(lines[0], (clsLine{850, 800, 850, kSentinel.EndY}));
  EXPECT_EQ(lines[1], kSentinel);
}

TEST(LineGeometry, LongFirstGeneFailsAtOnce) {
  clsGenSeq code;
  code.SetGColorLength(0, 32767);
  SegmentTable lines = sentinelTable();
  try {
    ComputeSegments(code, lines);
    FAIL() << "no overflow";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::Overflow);
  }
  EXPECT_EQ(lines[0], (clsLine{850, 800, kSentinel.EndX, kSentinel.EndY}));
}

class NonFiniteAngle : public ::testing::TestWithParam<double> {};

TEST_P(NonFiniteAngle, IsAnArithmeticFailure) {
  clsGenSeq code;
  code.SetGColorLength(3, 10);
  code.SetGAngle(3, GetParam());
  SegmentTable lines = sentinelTable();
  try {
    ComputeSegments(code, lines);
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::Arithmetic);
  }
  EXPECT_EQ(lines[3], (clsLine{850, 800, kSentinel.EndX, kSentinel.EndY}));
}

INSTANTIATE_TEST_SUITE_P(Angles, NonFiniteAngle,
                         ::testing::Values(std::nan(""), HUGE_VAL, -HUGE_VAL));

}  // namespace
}  // namespace pelorin
