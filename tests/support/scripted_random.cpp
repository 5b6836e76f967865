#include "support/scripted_random.h"

#include <algorithm>

namespace pelorin::testing {

ScriptedRandom::ScriptedRandom(std::vector<float> draws, float whenEmpty)
    : script_(draws.begin(), draws.end()), whenEmpty_(whenEmpty), scope_(*this) {}

void ScriptedRandom::reseedFromClock() { trace_ += 'R'; }

float ScriptedRandom::next() {
  trace_ += 'D';
  if (script_.empty()) return whenEmpty_;
  const float value = script_.front();
  script_.pop_front();
  return value;
}

void ScriptedRandom::push(std::vector<float> draws) { script_.insert(script_.end(), draws.begin(), draws.end()); }

int ScriptedRandom::reseeds() const { return static_cast<int>(std::count(trace_.begin(), trace_.end(), 'R')); }
int ScriptedRandom::draws() const { return static_cast<int>(std::count(trace_.begin(), trace_.end(), 'D')); }

}  // namespace pelorin::testing
