#pragma once

#include <cstdint>

#include "platform/seam.h"

namespace pelorin {

// A source of single-precision draws uniformly spread over [0, 1). The
// process-wide one is Seam<RandomSource>::current(): every reseed and draw
// of the program goes through it, so a test can script them.
class RandomSource {
 public:
  // The program's generator: a ClockMixedGenerator started from the clock.
  static RandomSource& standard();

  virtual ~RandomSource() = default;
  // Mixes the clock into the state; never restarts a fixed sequence.
  virtual void reseedFromClock() = 0;
  // Returns a multiple of 2^-24 in [0, 1): exactly representable as float.
  virtual float next() = 0;
};

// The program's own generator: splitmix64 over a 64-bit state. A reseed mixes
// the clock reading into the current state rather than replacing it, so many
// reseeds within one clock tick still give varied draws.
class ClockMixedGenerator final : public RandomSource {
 public:
  explicit ClockMixedGenerator(std::uint64_t state = 0x9E3779B97F4A7C15ull) : state_(state) {}
  // A generator that starts from seed and whose reseeds mix in how many
  // reseeds it has made (1, 2, 3, ...) instead of the clock: the same seed
  // and the same calls give the same draws on every run.
  static ClockMixedGenerator Counting(std::uint64_t seed);
  void reseedFromClock() override;
  float next() override;

 private:
  std::uint64_t step();
  std::uint64_t state_;
  bool counting_ = false;
  std::uint64_t reseeds_ = 0;
};

// Restarts the standard generator as ClockMixedGenerator::Counting(seed),
// so the rest of the run repeats exactly. The desktop program never calls it.
void SeedProcessRandom(std::uint64_t seed);

// Reseeds the process-wide generator from the clock.
void Randomize();
// One draw from the process-wide generator.
float Rnd();

}  // namespace pelorin
