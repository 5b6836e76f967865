#include "genetics/trait_sources.h"

namespace pelorin {

void TraitSources::setAllMutated() {
  wide_.clear();
  narrow_.fill(kMutatedCode);
}

void TraitSources::setWide(std::size_t i, int code) {
  if (wide_.empty()) wide_.assign(narrow_.begin(), narrow_.end());
  wide_[i] = static_cast<std::uint16_t>(code);
}

TraitSources::Source TraitSources::at(int gene, Trait trait) const {
  const int c = code(index(gene, trait));
  switch (c) {
    case kUnsetCode: return {Kind::Unset};
    case kMutatedCode: return {Kind::Mutated};
    case kReadCode: return {Kind::Read};
    default: return {Kind::Parent, c - kParentCode};
  }
}

std::vector<int> TraitSources::counts() const {
  std::vector<int> result(kParentCode, 0);
  for (std::size_t i = 0; i < kCount; ++i) {
    const auto c = static_cast<std::size_t>(code(i));
    if (c >= result.size()) result.resize(c + 1, 0);
    ++result[c];
  }
  return result;
}

int TraitSources::count(Kind kind) const {
  int wanted = kUnsetCode;
  switch (kind) {
    case Kind::Unset: break;
    case Kind::Mutated: wanted = kMutatedCode; break;
    case Kind::Read: wanted = kReadCode; break;
    case Kind::Parent: return 0;
  }
  int n = 0;
  for (std::size_t i = 0; i < kCount; ++i) n += code(i) == wanted;
  return n;
}

std::vector<int> TraitSources::parentCounts() const {
  const std::vector<int> all = counts();
  return std::vector<int>(all.begin() + kParentCode, all.end());
}

}  // namespace pelorin
