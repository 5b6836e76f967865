#include "family_tree/family_graph.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "history/history_fixture.h"

namespace pelorin::family_tree {
namespace {

using history::NewPicture;
using history::PictureId;
using history::RecordedPicture;

// Each gene's traits from a parent position: genes[p] genes in a row from
// position p, in order; the genes left over are mutated.
TraitSources GenesFrom(const std::vector<int>& genes) {
  TraitSources sources;
  int gene = 0;
  for (std::size_t p = 0; p < genes.size(); ++p) {
    for (int n = 0; n < genes[p]; ++n, ++gene) {
      for (int t = 0; t < kTraitCount; ++t) sources.setParent(gene, static_cast<Trait>(t), static_cast<int>(p));
    }
  }
  for (; gene < kGeneCount; ++gene) {
    for (int t = 0; t < kTraitCount; ++t) sources.setMutated(gene, static_cast<Trait>(t));
  }
  return sources;
}

NewPicture Bred(std::int16_t number, std::vector<std::int16_t> parents, const std::vector<int>& genes) {
  NewPicture picture = history::testing::MadePicture(number, std::move(parents));
  picture.origin.sources = GenesFrom(genes);
  return picture;
}

// Read (or copied) from a file saved by saver: every trait read but the
// first `mutatedGenes` genes'.
NewPicture ReadFrom(std::int16_t number, PictureId saver, PictureOrigin::How how, int mutatedGenes) {
  NewPicture picture = history::testing::MadePicture(number);
  picture.origin.how = how;
  picture.origin.sources = TraitSources();
  for (int gene = 0; gene < kGeneCount; ++gene) {
    for (int t = 0; t < kTraitCount; ++t) {
      if (gene < mutatedGenes) {
        picture.origin.sources.setMutated(gene, static_cast<Trait>(t));
      } else {
        picture.origin.sources.setRead(gene, static_cast<Trait>(t));
      }
    }
  }
  picture.savedFrom = saver;
  return picture;
}

// Three runs:
//   A: a0, a1, a2 at random; a3 bred from a0 (48 genes) and a1 (16);
//      a4 from a3 (32), a1 (16), a0 (15), one gene mutated; a5 at random.
//   B: b0 read from the file a4 saved, one gene mutated; b1 at random;
//      b2 from b0 and b1 (32 each); b3 from b1 alone; b4 bred from a
//      picture 9 never recorded.
//   C: c0 a copy of b2 (as History's Open makes one).
class FamilyTest : public history::testing::HistoryTest {
 protected:
  FamilyTest() {
    {
      history::HistoryStore a(path);
      for (std::int16_t n : {0, 1, 2})
        ids["a" + std::to_string(n)] = *a.recordPicture(history::testing::MadePicture(n));
      ids["a3"] = *a.recordPicture(Bred(3, {0, 1}, {48, 16}));
      ids["a4"] = *a.recordPicture(Bred(4, {3, 1, 0}, {32, 16, 15}));
      ids["a5"] = *a.recordPicture(history::testing::MadePicture(5));
      a.recordSaved(4, dir.filePath("a4.txt"), "a4's code");
      a.endRun();
    }
    {
      history::HistoryStore b(path);
      const PictureId saver = b.savedBy("a4's code")->id;
      ids["b0"] = *b.recordPicture(ReadFrom(0, saver, PictureOrigin::How::Read, 1));
      ids["b1"] = *b.recordPicture(history::testing::MadePicture(1));
      ids["b2"] = *b.recordPicture(Bred(2, {0, 1}, {32, 32}));
      ids["b3"] = *b.recordPicture(Bred(3, {1}, {64}));
      ids["b4"] = *b.recordPicture(Bred(4, {9}, {64}));
      b.endRun();
    }
    store = std::make_unique<history::HistoryStore>(path);
    ids["c0"] = *store->recordPicture(ReadFrom(0, ids["b2"], PictureOrigin::How::Copied, 0));
  }

  std::string nameOf(PictureId id) const {
    for (const auto& [name, known] : ids) {
      if (known == id) return name;
    }
    return "?";
  }
  std::set<std::string> namesOf(const std::vector<RecordedPicture>& records) const {
    std::set<std::string> names;
    for (const RecordedPicture& record : records) names.insert(nameOf(record.id));
    return names;
  }

  std::map<std::string, PictureId> ids;
  std::unique_ptr<history::HistoryStore> store;
};

struct FamilyCase {
  std::string focus;
  std::set<std::string> members;
};

class FamilyMembersTest : public FamilyTest, public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(FamilyMembersTest, AncestorsAndDescendantsAcrossRuns) {
  const std::vector<RecordedPicture> family = store->familyOf(ids.at(GetParam().focus));
  EXPECT_EQ(namesOf(family), GetParam().members);
  EXPECT_TRUE(std::is_sorted(family.begin(), family.end(), [](auto& x, auto& y) { return x.id < y.id; }));
  // The same through a connection of its own, while the store holds the file.
  EXPECT_EQ(namesOf(history::HistoryStore::ReadFamily(path, ids.at(GetParam().focus))), GetParam().members);
  const Family built = BuildFamily(family, ids.at(GetParam().focus), QSizeF(80, 90));
  ASSERT_EQ(built.graph.cells.size(), family.size());
  EXPECT_EQ(built.records[built.indexOf(built.focus)].id, ids.at(GetParam().focus));
  // The layout takes it: no loop, no line to a picture outside.
  EXPECT_NO_THROW(LayOutFamily(built.graph));
}

INSTANTIATE_TEST_SUITE_P(ScriptedHistory, FamilyMembersTest,
                         ::testing::Values(FamilyCase{"a3", {"a0", "a1", "a3", "a4", "b0", "b2", "c0"}},
                                           FamilyCase{"b2", {"a0", "a1", "a3", "a4", "b0", "b1", "b2", "c0"}},
                                           FamilyCase{"a0", {"a0", "a3", "a4", "b0", "b2", "c0"}},
                                           FamilyCase{"b1", {"b1", "b2", "b3", "c0"}}, FamilyCase{"a2", {"a2"}},
                                           FamilyCase{"b4", {"b4"}}),
                         [](const auto& info) { return info.param.focus; });

TEST_F(FamilyTest, AnUnknownPictureOrFileHasNoFamily) {
  EXPECT_TRUE(store->familyOf(9999).empty());
  EXPECT_TRUE(history::HistoryStore::ReadFamily(path, 9999).empty());
  const QString missing = dir.filePath(QStringLiteral("missing.sqlite"));
  EXPECT_TRUE(history::HistoryStore::ReadFamily(missing, ids["a3"]).empty());
  EXPECT_FALSE(QFile::exists(missing));
  EXPECT_TRUE(history::HistoryStore::ReadFamily(QString(), ids["a3"]).empty());
}

TEST_F(FamilyTest, EachLineCarriesItsParentsShareAndTheChildsMutations) {
  const Family family = BuildFamily(store->familyOf(ids["b2"]), ids["b2"], QSizeF(80, 90));
  std::map<std::pair<std::string, std::string>, std::pair<double, int>> lines;
  for (std::size_t i = 0; i < family.graph.lines.size(); ++i) {
    const TreeLine& line = family.graph.lines[i];
    const auto name = [&](PictureKey key) { return nameOf(family.records[family.indexOf(key)].id); };
    lines[{name(line.parent), name(line.child)}] = {line.share, family.mutated[i]};
  }
  const std::map<std::pair<std::string, std::string>, std::pair<double, int>> expected{
      {{"a0", "a3"}, {48.0 / 64, 0}}, {{"a1", "a3"}, {16.0 / 64, 0}}, {{"a3", "a4"}, {32.0 / 64, 7}},
      {{"a1", "a4"}, {16.0 / 64, 7}}, {{"a0", "a4"}, {15.0 / 64, 7}}, {{"a4", "b0"}, {63.0 / 64, 7}},
      {{"b0", "b2"}, {32.0 / 64, 0}}, {{"b1", "b2"}, {32.0 / 64, 0}}, {{"b2", "c0"}, {1.0, 0}},
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(FamilyTest, HoverKinAreAncestorsAndDescendantsOnly) {
  const Family family = BuildFamily(store->familyOf(ids["b2"]), ids["b2"], QSizeF(80, 90));
  const auto kinOf = [&](const std::string& name) {
    std::size_t cell = Family::npos;
    for (std::size_t i = 0; i < family.records.size(); ++i) {
      if (family.records[i].id == ids[name]) cell = i;
    }
    std::set<std::string> kin;
    const std::vector<bool> marked = KinOf(family.graph, cell);
    for (std::size_t i = 0; i < marked.size(); ++i) {
      if (marked[i]) kin.insert(nameOf(family.records[i].id));
    }
    return kin;
  };
  EXPECT_EQ(kinOf("b1"), (std::set<std::string>{"b1", "b2", "c0"}));
  EXPECT_EQ(kinOf("a4"), (std::set<std::string>{"a0", "a1", "a3", "a4", "b0", "b2", "c0"}));
  EXPECT_EQ(kinOf("a1"), (std::set<std::string>{"a1", "a3", "a4", "b0", "b2", "c0"}));
}

TEST_F(FamilyTest, ANumberRecordedTwiceInOneRunIsOneCell) {
  NewPicture again = history::testing::MadePicture(0, {0});
  again.origin.sources = GenesFrom({64});
  store->recordPicture(again);  // c0 made again, bred from c0
  const Family family = BuildFamily(store->familyOf(ids["c0"]), ids["c0"], QSizeF(80, 90));
  EXPECT_EQ(family.records.size(), 8u);  // the eight of c0's family, the second c0 not again
  EXPECT_NO_THROW(LayOutFamily(family.graph));
}

}  // namespace
}  // namespace pelorin::family_tree
