#pragma once

#include <QSizeF>
#include <cstddef>
#include <map>
#include <vector>

#include "family_tree/tree_layout.h"
#include "history/history_store.h"

namespace pelorin::family_tree {

// A picture's family as the tree draws it: one cell per recorded picture,
// one line from each parent (and from the picture that saved the file a
// picture was read from) to the child.
struct Family {
  PictureKey focus;                               // the picture whose family this is
  std::vector<history::RecordedPicture> records;  // records[i] is graph.cells[i]
  FamilyGraph graph;
  // mutated[i]: how many of the child's traits of graph.lines[i] were new
  // random values, of TraitSources::kCount.
  std::vector<int> mutated;

  // The index of the cell of key; npos when it is not in the family.
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
  std::size_t indexOf(PictureKey key) const;

  std::map<PictureKey, std::size_t> cellOfKey;  // what indexOf looks up
};

inline PictureKey KeyOf(const history::RecordedPicture& picture) { return PictureKey{picture.run, picture.number}; }

// The family of focus from the records HistoryStore::familyOf read, every
// cell of cellSize (logical pixels). A line's share is what its parent gave
// of the child's TraitSources::kCount traits; a picture read from a file
// (or copied) gets the share its Read traits make from the picture that
// saved the file, or 1 when its sources name none. Two lines from one parent
// to one child become one, their shares added. Lines run only from an
// earlier record to a later one, so the graph has no loop; a number recorded
// twice in one run keeps its first record only.
Family BuildFamily(std::vector<history::RecordedPicture> records, history::PictureId focus, QSizeF cellSize);

// For each cell of graph: whether it is cell itself, one of its ancestors or
// one of its descendants (its kin). Lines must name cells of graph.
std::vector<bool> KinOf(const FamilyGraph& graph, std::size_t cell);

}  // namespace pelorin::family_tree
