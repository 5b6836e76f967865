#pragma once

#include <optional>
#include <type_traits>

#include "genetics/gene_sequence.h"
#include "history/code_blob.h"
#include "picture/line_geometry.h"
#include "platform/failure.h"

namespace pelorin::history {

// A recorded genetic code drawn by draw(code, lines) (an image, SVG text,
// ...): its path computed from the start point as its window computed it.
// nullopt when that path cannot be computed (a Failure: an end outside the
// 16-bit coordinates, or not finite), so its window drew nothing either; the
// caller decides how such a record shows. Anything else thrown, by the
// computation or by draw, passes through.
template <typename Draw>
auto DrawRecordedCode(const GeneticCodeValues& values, Draw&& draw)
    -> std::optional<std::invoke_result_t<Draw&, clsGenSeq&, const SegmentTable&>> {
  clsGenSeq code;
  CopyInto(values, code);
  SegmentTable lines;
  try {
    ComputeSegments(code, lines);
  } catch (const Failure&) {
    return std::nullopt;
  }
  return draw(code, lines);
}

}  // namespace pelorin::history
