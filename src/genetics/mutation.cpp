#include "genetics/mutation.h"

#include <limits>

#include "platform/random.h"

namespace pelorin {

bool Mutates(double rate) {
  const float u = Rnd();
  // Converting a double beyond the float range is undefined, so such rates
  // are settled before the conversion: any finite float rate decides the
  // same way as its infinite neighbour would.
  constexpr double kLargest = std::numeric_limits<float>::max();
  if (rate > kLargest) return true;
  if (rate < -kLargest) return false;
  return static_cast<float>(rate) > u;
}

}  // namespace pelorin
