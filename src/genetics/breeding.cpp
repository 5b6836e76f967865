// Breeding: clsGenSeq::Make.
#include <limits>

#include "genetics/gene_sequence.h"
#include "genetics/mutation.h"
#include "platform/failure.h"
#include "platform/numbers.h"
#include "platform/random.h"

namespace pelorin {

namespace {

// The position of one parent drawn for one trait: floor(v * P), P taken in
// single precision.
std::int16_t drawParent(std::int16_t parentCount) {
  const double v = static_cast<double>(Rnd());
  return floorToInt16(v * static_cast<double>(static_cast<float>(parentCount)));
}

}  // namespace

int clsGenSeq::Make(double rate, const std::vector<clsGenSeq*>& parents, TraitSources* sources) {
  if (parents.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
    throw Failure(FailureKind::Overflow);
  const auto parentCount = static_cast<std::int16_t>(parents.size());

  if (rate >= 1.0 || parentCount == 0) {
    for (std::int16_t i = 0; i < kGeneCount; ++i) GetGene(i)->Random();
    if (sources != nullptr) sources->setAllMutated();
    return 0;
  }

  for (std::int16_t i = 0; i < kGeneCount; ++i) {
    Randomize();
    clsGene& child = gene(i);
    // Each trait mutates, or takes the same trait of gene i of one parent
    // drawn for this trait alone.
    ForEachTrait([&](const auto& field) {
      if (Mutates(rate)) {
        (child.*field.generate)();
        if (sources != nullptr) sources->setMutated(i, field.trait);
      } else {
        const std::int16_t j = drawParent(parentCount);
        child.*field.value = parents[static_cast<std::size_t>(j)]->gene(i).*field.value;
        if (sources != nullptr) sources->setParent(i, field.trait, j);
      }
    });
  }
  return parentCount;
}

}  // namespace pelorin
