#include "breeding_trees.h"

#include <algorithm>
#include <random>
#include <vector>

namespace pelorin::family_tree::testing {

FamilyGraph BreedingTree(int pictures, std::uint32_t seed) {
  std::mt19937 random(seed);  // its sequence is fixed by the standard; the distributions' are not
  auto below = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  auto chance = [&random](double p) { return random() < p * 4294967296.0; };

  FamilyGraph graph;
  std::vector<std::vector<std::size_t>> generations;
  auto keyOf = [](std::size_t index) {
    return PictureKey{static_cast<std::int64_t>(index / 150 + 1), static_cast<std::int32_t>(index % 150 + 1)};
  };
  std::size_t made = 0;
  auto make = [&](std::vector<std::size_t>& generation) {
    graph.cells.push_back({keyOf(made), QSizeF(128, 148)});
    generation.push_back(made);
    return made++;
  };
  generations.emplace_back();
  for (int i = 0; i < 4 && static_cast<int>(made) < pictures; ++i) make(generations.back());

  while (static_cast<int>(made) < pictures) {
    const std::size_t previous = generations.size() - 1;
    std::vector<std::size_t> generation;
    const std::size_t size = 6 + below(7);
    for (std::size_t i = 0; i < size && static_cast<int>(made) < pictures; ++i) {
      const std::size_t child = make(generation);
      if (chance(1.0 / 30)) continue;
      const double kind = random() / 4294967296.0;
      const std::size_t wanted = kind < 0.22 ? 1 : kind < 0.77 ? 2 : kind < 0.95 ? 3 : 4 + below(5);
      std::vector<std::size_t> parents;
      for (int attempt = 0; parents.size() < wanted && attempt < 50; ++attempt) {
        const double where = random() / 4294967296.0;
        std::size_t from = previous;
        if (where >= 0.85) {
          from = where < 0.99 ? previous - std::min(previous, 1 + below(3)) : below(previous + 1);
        }
        const auto& pool = generations[from];
        const std::size_t parent = pool[below(pool.size())];
        if (std::find(parents.begin(), parents.end(), parent) == parents.end()) parents.push_back(parent);
      }
      for (std::size_t parent : parents) {
        graph.lines.push_back({keyOf(parent), keyOf(child), 0.95 / static_cast<double>(parents.size())});
      }
    }
    generations.push_back(std::move(generation));
  }
  return graph;
}

}  // namespace pelorin::family_tree::testing
