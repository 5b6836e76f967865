// Built with -ffp-contract=off (see CMakeLists.txt): the product and the sum
// must each be rounded to double, never fused into one multiply-add.
#include "picture/line_geometry.h"

#include <cmath>

#include "app_state/mod_object.h"
#include "genetics/gene_sequence.h"
#include "platform/failure.h"
#include "platform/numbers.h"

namespace pelorin {

namespace {

std::int16_t endCoordinate(std::int16_t length, double cosOrSin, std::int16_t start) {
  // volatile keeps each intermediate a rounded double even if contraction
  // were switched back on.
  const volatile double product = static_cast<double>(length) * cosOrSin;
  const volatile double sum = product + static_cast<double>(start);
  const double value = sum;
  if (!std::isfinite(value)) throw Failure(FailureKind::Arithmetic);
  return roundToInt16(value);
}

}  // namespace

void ComputeSegments(clsGenSeq& code, SegmentTable& lines) {
  for (std::int16_t i = 0; i < static_cast<std::int16_t>(lines.size()); ++i) {
    clsLine& line = lines[static_cast<std::size_t>(i)];
    if (i == 0) {
      line.StartX = modObject::OriginX;
      line.StartY = modObject::OriginY;
    } else {
      const clsLine& previous = lines[static_cast<std::size_t>(i - 1)];
      line.StartX = previous.EndX;
      line.StartY = previous.EndY;
    }
    const auto gene = code.GetGene(i);
    const std::int16_t length = gene->Length;
    const double angle = gene->Angle;
    line.EndX = endCoordinate(length, std::cos(angle), line.StartX);
    line.EndY = endCoordinate(length, std::sin(angle), line.StartY);
  }
}

}  // namespace pelorin
