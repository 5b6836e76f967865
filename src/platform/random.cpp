#include "platform/random.h"

#include <chrono>

namespace pelorin {

namespace {

std::uint64_t mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

ClockMixedGenerator& processGenerator() {
  static ClockMixedGenerator generator(
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  return generator;
}

}  // namespace

std::uint64_t ClockMixedGenerator::step() {
  state_ += 0x9E3779B97F4A7C15ull;
  return mix(state_);
}

ClockMixedGenerator ClockMixedGenerator::Counting(std::uint64_t seed) {
  ClockMixedGenerator generator(seed);
  generator.counting_ = true;
  return generator;
}

void ClockMixedGenerator::reseedFromClock() {
  const auto ticks =
      counting_ ? ++reseeds_ : static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  state_ = mix(state_ ^ mix(ticks));
}

float ClockMixedGenerator::next() {
  // The top 24 bits, scaled by 2^-24: every value is an exact float below 1.
  return static_cast<float>(step() >> 40) * 0x1p-24f;
}

RandomSource& RandomSource::standard() { return processGenerator(); }
void SeedProcessRandom(std::uint64_t seed) { processGenerator() = ClockMixedGenerator::Counting(seed); }
void Randomize() { Seam<RandomSource>::current().reseedFromClock(); }
float Rnd() { return Seam<RandomSource>::current().next(); }

}  // namespace pelorin
