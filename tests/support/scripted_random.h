#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/random.h"

namespace pelorin::testing {

// A random source that yields scripted draws and records every call:
// 'R' for a reseed, 'D' for a draw, in order. Installs itself as the
// process-wide source while alive.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> draws = {}, float whenEmpty = 0.0f);

  void reseedFromClock() override;
  float next() override;

  // Queues further draws.
  void push(std::vector<float> draws);
  // Every call so far, e.g. "RDRD".
  const std::string& trace() const { return trace_; }
  int reseeds() const;
  int draws() const;
  void clearTrace() { trace_.clear(); }

 private:
  std::deque<float> script_;
  float whenEmpty_;
  std::string trace_;
  ScopedRandomSource scope_;
};

}  // namespace pelorin::testing
