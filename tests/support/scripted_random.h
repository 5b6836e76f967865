#pragma once

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "platform/random.h"

namespace pelorin::testing {

// The process-wide random source while alive: yields scripted draws (then
// whenEmpty) and traces every call, 'R' for a reseed and 'D' for a draw.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> draws = {}, float whenEmpty = 0.0f)
      : script_(draws.begin(), draws.end()), whenEmpty_(whenEmpty), scope_(*this) {}

  void reseedFromClock() override { trace_ += 'R'; }
  float next() override {
    trace_ += 'D';
    if (script_.empty()) return whenEmpty_;
    const float value = script_.front();
    script_.pop_front();
    return value;
  }

  const std::string& trace() const { return trace_; }
  int reseeds() const { return static_cast<int>(std::count(trace_.begin(), trace_.end(), 'R')); }
  int draws() const { return static_cast<int>(std::count(trace_.begin(), trace_.end(), 'D')); }

 private:
  std::deque<float> script_;
  float whenEmpty_;
  std::string trace_;
  Seam<RandomSource>::Scope scope_;
};

}  // namespace pelorin::testing
