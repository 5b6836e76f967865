#include "picture/line_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <tuple>

#include "app_state/mod_object.h"
#include "genetics/gene_sequence.h"
#include "platform/failure.h"
#include "support/failure_of.h"

namespace pelorin {

void PrintTo(const clsLine& l, std::ostream* os) {
  *os << "(" << l.StartX << ", " << l.StartY << ")-(" << l.EndX << ", " << l.EndY << ")";
}

namespace {

using testing::failureOf;

constexpr clsLine kSentinel{-1111, -2222, -3333, -4444};

// Computes code's segments into a table of sentinels; the failure, if any, is ComputeSegments's.
SegmentTable compute(clsGenSeq& code, std::optional<FailureKind> failure = std::nullopt) {
  SegmentTable lines;
  lines.fill(kSentinel);
  if (failure) EXPECT_EQ(failureOf([&] { ComputeSegments(code, lines); }), *failure);
  else ComputeSegments(code, lines);
  return lines;
}

clsGenSeq allGenes(std::int16_t length, double angle) {
  clsGenSeq code;
  for (std::int16_t i = 0; i < 64; ++i) {
    code.SetGColorLength(i, length);
    code.SetGAngle(i, angle);
  }
  return code;
}

clsLine along(int from, int to) { return {static_cast<std::int16_t>(from), 800, static_cast<std::int16_t>(to), 800}; }

TEST(LineGeometry, FirstSegmentEndsWhereExpected) {
  using Case = std::tuple<std::int16_t, double, std::int16_t, std::int16_t>;  // length, angle, end
  for (auto [length, angle, endX, endY] :
       std::initializer_list<Case>{{0, 4.2, 850, 800},
                                   {123, 0.0, 973, 800},
                                   {500, 1.0, 1120, 1221},
                                   {100, 3 * std::numbers::pi / 2, 850, 700},
                                   {1, std::numbers::pi, 849, 800},
                                   {-100, 0.0, 750, 800},
                                   // 419 * cos(a) + 850 is exactly 961.5 when the product is rounded
                                   // first (half to even: 962); a fused multiply-add would give
                                   // 961.4999999999999 and 961.
                                   {419, 1.3014412892588936, 962, 1204}}) {
    clsGenSeq code;
    code.SetGColorLength(0, length);
    code.SetGAngle(0, angle);
    const SegmentTable lines = compute(code);
    EXPECT_EQ(lines[0], (clsLine{850, 800, endX, endY})) << length << " at " << angle;
    EXPECT_EQ(lines[63], (clsLine{endX, endY, endX, endY})) << length << " at " << angle;
  }
}

TEST(LineGeometry, ChainOfEqualSegments) {
  clsGenSeq code = allGenes(100, 0.0);
  const SegmentTable lines = compute(code);
  for (int i = 0; i < 64; ++i) EXPECT_EQ(lines[i], along(850 + 100 * i, 950 + 100 * i)) << "segment " << i;
  EXPECT_EQ(lines[63].EndX, 7250);
}

TEST(LineGeometry, HiddenSegmentCarriesTheChainAndAnglesAreAbsolute) {
  clsGenSeq code;
  code.SetGColorLength(0, 100);
  code.SetGAngle(0, std::numbers::pi / 2);
  code.SetGColorDraw(0, 0);
  code.SetGColorLength(1, 100);
  const SegmentTable lines = compute(code);
  EXPECT_EQ(lines[0], (clsLine{850, 800, 850, 900}));
  EXPECT_EQ(lines[1], (clsLine{850, 900, 950, 900}));
}

TEST(LineGeometry, OriginIsReadAtEachCall) {
  clsGenSeq code;
  code.SetGColorLength(0, 10);
  modObject::OriginX = 100;
  modObject::OriginY = 200;
  const SegmentTable moved = compute(code);
  modObject::ResetObjectState();
  EXPECT_EQ(moved[0], (clsLine{100, 200, 110, 200}));
  EXPECT_EQ(compute(code)[0], (clsLine{850, 800, 860, 800}));
}

TEST(LineGeometry, OverflowAtSegment31LeavesWhatWasWritten) {
  clsGenSeq code = allGenes(999, 0.0);
  const SegmentTable lines = compute(code, FailureKind::Overflow);
  for (int i = 0; i <= 30; ++i) EXPECT_EQ(lines[i], along(850 + 999 * i, 850 + 999 * (i + 1))) << "segment " << i;
  EXPECT_EQ(lines[31], (clsLine{31819, 800, kSentinel.EndX, kSentinel.EndY}));
  for (int i = 32; i < 64; ++i) EXPECT_EQ(lines[i], kSentinel) << "segment " << i;
}

TEST(LineGeometry, LongestFirstGeneOverflowsAtOnce) {
  clsGenSeq code;
  code.SetGColorLength(0, 32767);
  EXPECT_EQ(compute(code, FailureKind::Overflow)[0], (clsLine{850, 800, kSentinel.EndX, kSentinel.EndY}));
  code.SetGAngle(0, std::numbers::pi / 2);  // EndX 850 fits, EndY 33567 does not
  const SegmentTable lines = compute(code, FailureKind::Overflow);
  EXPECT_EQ(lines[0], (clsLine{850, 800, 850, kSentinel.EndY}));
  EXPECT_EQ(lines[1], kSentinel);
}

TEST(LineGeometry, NonFiniteAngleIsAnArithmeticFailure) {
  for (double angle : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
    clsGenSeq code;
    code.SetGColorLength(3, 10);
    code.SetGAngle(3, angle);
    EXPECT_EQ(compute(code, FailureKind::Arithmetic)[3], (clsLine{850, 800, kSentinel.EndX, kSentinel.EndY})) << angle;
  }
}

}  // namespace
}  // namespace pelorin
