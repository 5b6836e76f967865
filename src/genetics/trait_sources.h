#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "genetics/traits.h"

namespace pelorin {

// Where each trait of each of the 64 genes of one genetic code came from.
// One byte per trait while every parent position is below kNarrowParents;
// a later parent position widens the whole table to two bytes per trait.
class TraitSources {
 public:
  static constexpr int kCount = kGeneCount * kTraitCount;
  static constexpr int kNarrowParents = 253;

  enum class Kind : std::uint8_t {
    Unset,    // never written: a gene that the reading did not reach
    Mutated,  // a new random value
    Read,     // converted from its line of the text
    Parent,   // copied from the same trait of a parent
  };
  struct Source {
    Kind kind = Kind::Unset;
    int parent = -1;  // the parent's position in breeding's parent list; -1 unless kind is Parent
    bool operator==(const Source&) const = default;
  };

  // gene 0..63; parent 0..32767. Out-of-range arguments are the caller's
  // fault and not checked.
  void setMutated(int gene, Trait trait) { set(gene, trait, kMutatedCode); }
  void setRead(int gene, Trait trait) { set(gene, trait, kReadCode); }
  void setParent(int gene, Trait trait, int parent) { set(gene, trait, kParentCode + parent); }
  // Every trait of every gene mutated: a wholly random genetic code.
  void setAllMutated();

  Source at(int gene, Trait trait) const;

  // How many traits have each source: [0] Unset, [1] Mutated, [2] Read, then
  // [3 + p] for parent position p, up to the last parent that gave a trait.
  std::vector<int> counts() const;
  // How many traits have source kind: Unset, Mutated or Read (0 for Parent).
  int count(Kind kind) const;
  int mutatedCount() const { return count(Kind::Mutated); }
  // How many traits each parent position gave: [p] for position p, up to
  // the last parent that gave a trait.
  std::vector<int> parentCounts() const;

 private:
  static constexpr int kUnsetCode = 0, kMutatedCode = 1, kReadCode = 2, kParentCode = 3;
  static std::size_t index(int gene, Trait trait) {
    return static_cast<std::size_t>(gene * kTraitCount + static_cast<int>(trait));
  }
  int code(std::size_t i) const { return wide_.empty() ? narrow_[i] : wide_[i]; }
  void set(int gene, Trait trait, int code) {
    if (code < kParentCode + kNarrowParents && wide_.empty()) {
      narrow_[index(gene, trait)] = static_cast<std::uint8_t>(code);
    } else {
      setWide(index(gene, trait), code);
    }
  }
  void setWide(std::size_t i, int code);

  std::array<std::uint8_t, kCount> narrow_{};
  std::vector<std::uint16_t> wide_;  // empty, or all kCount codes
};

}  // namespace pelorin
