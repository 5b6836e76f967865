#include "family_tree/family_graph.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace pelorin::family_tree {

std::size_t Family::indexOf(PictureKey key) const {
  const auto found = cellOfKey.find(key);
  return found != cellOfKey.end() ? found->second : npos;
}

Family BuildFamily(std::vector<history::RecordedPicture> records, history::PictureId focus, QSizeF cellSize) {
  std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
  Family family;
  std::map<PictureKey, std::size_t>& byKey = family.cellOfKey;
  std::unordered_map<history::PictureId, PictureKey> keyOfId;
  for (history::RecordedPicture& record : records) {
    const PictureKey key = KeyOf(record);
    if (!byKey.emplace(key, family.records.size()).second) continue;
    keyOfId[record.id] = key;
    if (record.id == focus) family.focus = key;
    family.graph.cells.push_back(TreeCell{key, cellSize});
    family.records.push_back(std::move(record));
  }

  // (parent, child) -> the line's share and the child's mutated traits.
  std::map<std::pair<PictureKey, PictureKey>, std::pair<double, int>> lines;
  const auto link = [&](const history::PictureRef& parent, const history::RecordedPicture& child, double share) {
    const auto from = keyOfId.find(parent.id);
    if (from == keyOfId.end() || parent.id >= child.id) return;
    auto& line = lines[{from->second, KeyOf(child)}];
    line.first = std::min(1.0, line.first + share);
    line.second = child.origin.sources.mutatedCount();
  };
  for (const history::RecordedPicture& child : family.records) {
    const std::vector<int> given = child.origin.sources.parentCounts();
    for (std::size_t p = 0; p < child.parentRecords.size(); ++p) {
      if (!child.parentRecords[p]) continue;
      const int traits = p < given.size() ? given[p] : 0;
      link(*child.parentRecords[p], child, static_cast<double>(traits) / TraitSources::kCount);
    }
    if (child.savedFrom) {
      const int read = child.origin.sources.count(TraitSources::Kind::Read);
      link(*child.savedFrom, child, read > 0 ? static_cast<double>(read) / TraitSources::kCount : 1.0);
    }
  }
  for (const auto& [ends, line] : lines) {
    family.graph.lines.push_back(TreeLine{ends.first, ends.second, line.first});
    family.mutated.push_back(line.second);
  }
  return family;
}

std::vector<bool> KinOf(const FamilyGraph& graph, std::size_t cell) {
  std::map<PictureKey, std::size_t> index;
  for (std::size_t i = 0; i < graph.cells.size(); ++i) index[graph.cells[i].key] = i;
  std::vector<std::vector<std::size_t>> parents(graph.cells.size()), children(graph.cells.size());
  for (const TreeLine& line : graph.lines) {
    const std::size_t parent = index.at(line.parent), child = index.at(line.child);
    parents[child].push_back(parent);
    children[parent].push_back(child);
  }
  std::vector<bool> kin(graph.cells.size(), false);
  if (cell >= kin.size()) return kin;
  kin[cell] = true;
  for (const auto* links : {&parents, &children}) {
    std::vector<std::size_t> next{cell};
    std::vector<bool> seen(kin.size(), false);
    while (!next.empty()) {
      const std::size_t at = next.back();
      next.pop_back();
      for (std::size_t other : (*links)[at]) {
        if (seen[other]) continue;
        seen[other] = kin[other] = true;
        next.push_back(other);
      }
    }
  }
  return kin;
}

}  // namespace pelorin::family_tree
