#pragma once

#include <cstdint>

#include "platform/random.h"

namespace pelorin::testing {

// Reproducible draws (a 64-bit linear congruential sequence, top 24 bits):
// the same pictures on every run. Reseeds change nothing.
class FixedRandom final : public RandomSource {
 public:
  explicit FixedRandom(std::uint64_t seed = 1) : state_(seed) {}
  void reseedFromClock() override {}
  float next() override {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<float>(state_ >> 40) / 16777216.0f;
  }

 private:
  std::uint64_t state_;
};

}  // namespace pelorin::testing
