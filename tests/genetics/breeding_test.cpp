#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "platform/numbers.h"
#include "support/fake_picture_window.h"
#include "support/fixed_random.h"
#include "support/scripted_random.h"

namespace pelorin {
namespace {

using testing::FakeWindows;
using testing::ScriptedRandom;

std::string repeat(const std::string& part, int times) {
  std::string whole;
  for (int i = 0; i < times; ++i) whole += part;
  return whole;
}

// Gives every trait of every gene a distinct, awkward value.
void fillDistinct(clsGenSeq& code, int seed) {
  for (std::int16_t i = 0; i < 64; ++i) {
    clsGene& gene = *code.GetGene(i);
    gene.Angle = std::nextafter(0.1 * (i + 1) * (seed + 1), 10.0);
    gene.ColorBlue = static_cast<std::int16_t>(seed * 1000 + i);
    gene.ColorGreen = static_cast<std::int16_t>(seed * 1000 + i + 100);
    gene.ColorRed = static_cast<std::int16_t>(-(seed * 1000 + i));
    gene.Draw = bool16((i + seed) % 2 == 0);
    gene.Length = static_cast<std::int16_t>(seed * 1000 + i + 300);
    gene.Width = static_cast<std::int16_t>(seed * 1000 + i + 400);
  }
}

class Breeding : public ::testing::Test {
 protected:
  // A registered picture with a distinct genetic code, its box ticked or not.
  std::shared_ptr<clsObject> parent(int seed, bool ticked) {
    auto picture = windows.open();
    fillDistinct(picture->GenCode, seed);
    windows.setParentBox(picture->ID, ticked ? 1 : 0);
    return picture;
  }

  clsGenSeq& bred() {
    child = clsGenSeq();
    BreedFromRequest(child, windows.request());
    return child;
  }

  ScopedNumberFormat english_{{u'.', u','}};  // the rates below are written so
  FakeWindows windows;
  clsGenSeq child;
};

class WhollyRandom : public Breeding, public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(WhollyRandom, EveryGeneTakesRandomInItsOrder) {
  const auto& [rate, withParents] = GetParam();
  if (withParents) {
    parent(1, true);
    parent(2, true);
  }
  windows.rate = QString::fromLatin1(rate);
  ScriptedRandom script({}, 0.5f);
  bred();
  EXPECT_EQ(script.trace(), repeat("RDRDRDRDRDRDRD", 64));
  EXPECT_EQ(child.GetGLength(63), 500);
}

INSTANTIATE_TEST_SUITE_P(Rates, WhollyRandom,
                         ::testing::Values(std::pair{"0", false}, std::pair{"0.5", false}, std::pair{"1", true},
                                           std::pair{"5", true}, std::pair{"1e39", true}));

class CopyRate : public Breeding, public ::testing::WithParamInterface<const char*> {};

TEST_P(CopyRate, OneParentIsCopiedTraitForTrait) {
  auto only = parent(1, true);
  parent(2, false);
  windows.rate = QString::fromLatin1(GetParam());
  bred();
  EXPECT_EQ(GeneticCodeText(child), GeneticCodeText(only->GenCode));
  for (std::int16_t i = 0; i < 64; ++i)  // bit for bit
    ASSERT_EQ(std::bit_cast<std::uint64_t>(child.GetGAngle(i)),
              std::bit_cast<std::uint64_t>(only->GenCode.GetGAngle(i)));
}

INSTANTIATE_TEST_SUITE_P(NeverMutating, CopyRate, ::testing::Values("0", "-3", "-1e39"));

TEST_F(Breeding, TwoParentsBothSupplyEveryKindOfTrait) {
  const QList<QByteArray> first = GeneticCodeText(parent(1, true)->GenCode).split('\n');
  const QList<QByteArray> second = GeneticCodeText(parent(2, true)->GenCode).split('\n');
  int fromFirst[8] = {}, fromSecond[8] = {};
  for (int round = 0; round < 20; ++round) {
    const QList<QByteArray> lines = GeneticCodeText(bred()).split('\n');
    for (int i = 0; i < 512; ++i) {
      ASSERT_TRUE(lines[i] == first[i] || lines[i] == second[i]) << "line " << i;
      fromFirst[i % 8] += lines[i] == first[i];
      fromSecond[i % 8] += lines[i] == second[i];
    }
  }
  for (int trait = 0; trait < 7; ++trait) EXPECT_TRUE(fromFirst[trait] > 100 && fromSecond[trait] > 100) << trait;
  EXPECT_EQ(modObject::ParentList().count(), 2u);  // kept until the next breeding
}

TEST_F(Breeding, ClosedParentIsNeverUsedAgainButStaysRegistered) {
  parent(1, true);
  auto closing = parent(2, true);
  windows.windows.back()->closed = true;
  for (int round = 0; round < 5; ++round) {
    bred();
    for (std::int16_t i = 0; i < 64; ++i) ASSERT_NE(child.GetGLength(i), closing->GenCode.GetGLength(i));
  }
  EXPECT_EQ(modObject::Registry().count(), 2u);
  EXPECT_EQ(modObject::ParentList().count(), 1u);
}

TEST_F(Breeding, OneGeneDrawsAndReseedsInTraitOrder) {
  parent(1, true);
  auto second = parent(2, true);
  windows.rate = QStringLiteral("0.5");
  // Gene 0: Angle from the second parent (0.75), ColorBlue mutates (0.25 < 0.5)
  // and draws 0.5 -> 128, the rest from the first parent (0.0).
  ScriptedRandom script({0.75f, 0.75f, 0.25f, 0.5f, 0.5f, 0.0f, 0.5f, 0.0f, 0.5f, 0.0f, 0.5f, 0.0f, 0.5f, 0.0f}, 0.9f);
  bred();
  // clang-format off
  EXPECT_EQ(script.trace().substr(0, 16), "R" "DD" "DRD" "DD" "DD" "DD" "DD" "DD");
  // clang-format on
  EXPECT_EQ(child.GetGAngle(0), second->GenCode.GetGAngle(0));
  EXPECT_EQ(child.GetGColorBlue(0), 128);
  EXPECT_EQ(child.GetGColorGreen(0), 100 + 1000);
  // Later genes draw 0.9: nothing mutates, 14 draws and one reseed each.
  EXPECT_EQ(script.trace().size(), 16u + 63u * 15u);
  EXPECT_EQ(script.reseeds(), 64 + 1);
}

TEST_F(Breeding, RateJustBelowOneMutatesTraitByTraitInRecordOrder) {
  parent(1, true);
  windows.rate = QStringLiteral("0.99999999");  // rounds to 1 in single precision
  ScriptedRandom script({}, std::nextafter(1.0f, 0.0f));
  bred();
  const std::string gene = std::string("R") + repeat("DRD", 7);
  EXPECT_EQ(script.trace(), repeat(gene, 64));
}

TEST_F(Breeding, UntouchedParentGeneGivesZeros) {
  auto empty = windows.open();
  windows.setParentBox(empty->ID, 1);
  empty->GenCode = clsGenSeq();  // a parent whose genes were never touched
  bred();
  EXPECT_EQ(child.GetGLength(10), 0);
  EXPECT_EQ(child.GetGDraw(10), kFalse16);
  EXPECT_TRUE(empty->GenCode.HasGene(10));
}

TEST_F(Breeding, GreyedBoxIsNotAParent) {
  const auto greyed = parent(1, false);
  windows.setParentBox(greyed->ID, 2);
  ScriptedRandom script({}, 0.5f);
  bred();
  EXPECT_EQ(modObject::ParentList().count(), 0u);
  EXPECT_EQ(script.reseeds(), 64 * 7);
}

class RecordedSources : public Breeding, public ::testing::WithParamInterface<std::pair<int, const char*>> {};

// Recording changes no draw. The trace tells whether a trait mutated ("DRD") or was copied ("DD"), a
// copied trait's second draw which parent it came from. Beyond 253 parents the table widens on the way.
TEST_P(RecordedSources, NameTheParentEachDrawChoseOrTheMutation) {
  const auto& [parentCount, rate] = GetParam();
  for (int p = 0; p <= parentCount; ++p) parent(p + 1, false);
  for (std::size_t k = 1; k < windows.windows.size(); ++k)
    windows.setParentBox(static_cast<PictureNumber>(k), 1);  // once all exist; not 0
  windows.rate = QString::fromLatin1(rate);
  testing::FixedRandom varied(static_cast<std::uint64_t>(parentCount));
  std::vector<float> draws(64 * 14);
  for (float& draw : draws) draw = varied.next();
  ScriptedRandom plain(draws);
  const QByteArray unrecorded = GeneticCodeText(bred());
  ScriptedRandom recording(draws);
  TraitSources sources;
  clsGenSeq recorded;
  ASSERT_EQ(BreedFromRequest(recorded, windows.request(), &sources), parentCount);
  ASSERT_EQ((std::pair{recording.trace(), GeneticCodeText(recorded)}), (std::pair{plain.trace(), unrecorded}));

  std::size_t at = 1, drawn = 1;  // past gene 0's reseed; at a trait's second draw
  int mutated = 0, lastParent = 0;
  for (int i = 0; i < 64; ++i, ++at) {
    for (int t = 0; t < kTraitCount; ++t, drawn += 2) {
      const int j = static_cast<int>(static_cast<double>(draws[drawn]) * parentCount);
      const bool mutates = recording.trace().compare(at, 3, "DRD") == 0;
      const TraitSources::Source expected{mutates ? TraitSources::Kind::Mutated : TraitSources::Kind::Parent,
                                          mutates ? -1 : j};
      ASSERT_EQ(sources.at(i, static_cast<Trait>(t)), expected) << i << ' ' << t;
      at += mutates ? 3 : 2, mutated += mutates, lastParent = std::max(lastParent, mutates ? 0 : j);
    }
  }
  EXPECT_EQ((std::pair{sources.mutatedCount(), mutated > 0 && mutated < 448}), (std::pair{mutated, true}));
  EXPECT_EQ(lastParent >= TraitSources::kNarrowParents, parentCount > TraitSources::kNarrowParents);
}

INSTANTIATE_TEST_SUITE_P(ParentsAndRates, RecordedSources,
                         ::testing::Values(std::pair{1, "0.3"}, std::pair{2, "0.05"}, std::pair{3, "0.9"},
                                           std::pair{300, "0.3"}));

// The one-byte table holds parent positions up to 252; 253 widens it first.
TEST(TraitSourcesTable, ParentPositionsBesideTheNarrowLimitComeBack) {
  for (const int parent : {TraitSources::kNarrowParents - 1, TraitSources::kNarrowParents}) {
    TraitSources sources;
    sources.setMutated(0, Trait::Angle);
    sources.setParent(63, Trait::Width, parent);
    EXPECT_EQ(sources.at(63, Trait::Width), (TraitSources::Source{TraitSources::Kind::Parent, parent}));
    EXPECT_EQ(sources.at(0, Trait::Angle).kind, TraitSources::Kind::Mutated) << parent;
  }
}

}  // namespace
}  // namespace pelorin
