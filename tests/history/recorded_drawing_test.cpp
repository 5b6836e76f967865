#include "history/recorded_drawing.h"

#include <gtest/gtest.h>

#include <limits>
#include <new>
#include <optional>

namespace pelorin::history {
namespace {

// Gene 0 alone moves the path: length twips at angle from the start point
// (850, 800 twips).
struct PathCase {
  const char* name;
  std::int16_t length;
  double angle;
  std::optional<std::int16_t> endX;  // none: the path cannot be computed
};

class DrawRecordedCodeTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(DrawRecordedCodeTest, DrawsAComputablePathAndTellsOfOneThatIsNot) {
  GeneticCodeValues code{};
  code[0].Length = GetParam().length;
  code[0].Angle = GetParam().angle;
  int calls = 0;
  const std::optional<std::int16_t> drawn = DrawRecordedCode(code, [&](clsGenSeq&, const SegmentTable& lines) {
    ++calls;
    return lines[0].EndX;
  });
  EXPECT_EQ(drawn, GetParam().endX);
  EXPECT_EQ(calls, GetParam().endX ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DrawRecordedCodeTest,
    ::testing::Values(PathCase{"Inside", 900, 0.0, 1750}, PathCase{"PastTheLargestCoordinate", 32767, 0.0, {}},
                      PathCase{"NonFiniteAngle", 10, std::numeric_limits<double>::quiet_NaN(), {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Only a path that cannot be computed is told as none; any other trouble
// is not hidden behind it.
TEST(DrawRecordedCode, LetsWhatTheDrawingThrowsThrough) {
  EXPECT_THROW(
      DrawRecordedCode(GeneticCodeValues{}, [](clsGenSeq&, const SegmentTable&) -> int { throw std::bad_alloc(); }),
      std::bad_alloc);
}

}  // namespace
}  // namespace pelorin::history
