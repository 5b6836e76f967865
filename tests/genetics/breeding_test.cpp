#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "genetics/gene_sequence.h"
#include "picture/picture_object.h"
#include "support/fake_main_boxes.h"
#include "support/fake_picture_window.h"
#include "support/scripted_random.h"
#include "ui/mod_genes.h"

namespace pelorin {
namespace {

using testing::FakeMainBoxes;
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

void expectSameCode(clsGenSeq& a, clsGenSeq& b) {
  for (std::int16_t i = 0; i < 64; ++i) {
    ASSERT_EQ(std::bit_cast<std::uint64_t>(a.GetGAngle(i)), std::bit_cast<std::uint64_t>(b.GetGAngle(i)));
    ASSERT_EQ(a.GetGColorBlue(i), b.GetGColorBlue(i));
    ASSERT_EQ(a.GetGColorGreen(i), b.GetGColorGreen(i));
    ASSERT_EQ(a.GetGColorRed(i), b.GetGColorRed(i));
    ASSERT_EQ(a.GetGDraw(i), b.GetGDraw(i));
    ASSERT_EQ(a.GetGLength(i), b.GetGLength(i));
    ASSERT_EQ(a.GetGWidth(i), b.GetGWidth(i));
  }
}

class Breeding : public ::testing::Test {
 protected:
  // A registered picture with a distinct genetic code, its box ticked or not.
  std::shared_ptr<clsObject> parent(int seed, bool ticked) {
    auto picture = windows.open();
    fillDistinct(picture->GenCode, seed);
    windows.windows.back()->parent = ticked ? 1 : 0;
    return picture;
  }

  FakeMainBoxes boxes;
  FakeWindows windows;
};

class WhollyRandom : public Breeding, public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(WhollyRandom, EveryGeneTakesRandomInItsOrder) {
  const auto& [rate, withParents] = GetParam();
  if (withParents) {
    parent(1, true);
    parent(2, true);
  }
  boxes.rate = QString::fromLatin1(rate);
  ScriptedRandom script({}, 0.5f);
  clsGenSeq child;
  child.Make();
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
  boxes.rate = QString::fromLatin1(GetParam());
  clsGenSeq child;
  child.Make();
  expectSameCode(child, only->GenCode);
}

INSTANTIATE_TEST_SUITE_P(NeverMutating, CopyRate, ::testing::Values("0", "-3", "-1e39"));

TEST_F(Breeding, TwoParentsBothSupplyEveryKindOfTrait) {
  auto first = parent(1, true);
  auto second = parent(2, true);
  int fromFirst = 0, fromSecond = 0;
  for (int round = 0; round < 20; ++round) {
    clsGenSeq child;
    child.Make();
    for (std::int16_t i = 0; i < 64; ++i) {
      const bool a = child.GetGLength(i) == first->GenCode.GetGLength(i) &&
                     child.GetGColorRed(i) == first->GenCode.GetGColorRed(i);
      const bool b = child.GetGLength(i) == second->GenCode.GetGLength(i) &&
                     child.GetGColorRed(i) == second->GenCode.GetGColorRed(i);
      ASSERT_TRUE(child.GetGAngle(i) == first->GenCode.GetGAngle(i) ||
                  child.GetGAngle(i) == second->GenCode.GetGAngle(i));
      ASSERT_TRUE(child.GetGWidth(i) == first->GenCode.GetGWidth(i) ||
                  child.GetGWidth(i) == second->GenCode.GetGWidth(i));
      fromFirst += a;
      fromSecond += b;
    }
  }
  EXPECT_GT(fromFirst, 100);
  EXPECT_GT(fromSecond, 100);
  EXPECT_EQ(modObject::ParentList().count(), 2u);  // kept until the next breeding
}

TEST_F(Breeding, ClosedParentIsNeverUsedAgainButStaysRegistered) {
  parent(1, true);
  auto closing = parent(2, true);
  windows.windows.back()->closed = true;
  for (int round = 0; round < 5; ++round) {
    clsGenSeq child;
    child.Make();
    for (std::int16_t i = 0; i < 64; ++i) ASSERT_NE(child.GetGLength(i), closing->GenCode.GetGLength(i));
  }
  EXPECT_EQ(modObject::Registry().count(), 2u);
  EXPECT_EQ(modObject::ParentList().count(), 1u);
}

TEST_F(Breeding, OneGeneDrawsAndReseedsInTraitOrder) {
  parent(1, true);
  auto second = parent(2, true);
  boxes.rate = QStringLiteral("0.5");
  // Gene 0: Angle inherited from parent 1 (0.75 * 2 = 1.5 -> second), ColorBlue
  // mutates (0.25 < 0.5, generator draws 0.5 -> 128), the rest inherited from
  // the first parent (0.0 -> 0).
  ScriptedRandom script({0.75f, 0.75f, 0.25f, 0.5f, 0.5f, 0.0f, 0.5f, 0.0f, 0.5f, 0.0f, 0.5f, 0.0f, 0.5f, 0.0f},
                        0.9f);
  clsGenSeq child;
  child.Make();
  EXPECT_EQ(script.trace().substr(0, 16), "R" "DD" "DRD" "DD" "DD" "DD" "DD" "DD");
  EXPECT_EQ(child.GetGAngle(0), second->GenCode.GetGAngle(0));
  EXPECT_EQ(child.GetGColorBlue(0), 128);
  EXPECT_EQ(child.GetGColorGreen(0), 100 + 1000);
  // Later genes: every draw is 0.9, so nothing mutates: 14 draws, one reseed.
  EXPECT_EQ(script.trace().size(), 16u + 63u * 15u);
  EXPECT_EQ(script.reseeds(), 64 + 1);
}

TEST_F(Breeding, RateJustBelowOneMutatesTraitByTraitInRecordOrder) {
  parent(1, true);
  boxes.rate = QStringLiteral("0.99999999");  // rounds to 1 in single precision
  ScriptedRandom script({}, std::nextafter(1.0f, 0.0f));
  clsGenSeq child;
  child.Make();
  EXPECT_EQ(script.trace(), repeat("R" + repeat("DRD", 7), 64));
}

TEST_F(Breeding, UntouchedParentGeneGivesZeros) {
  auto empty = windows.open();
  windows.windows.back()->parent = 1;
  clsGenSeq fresh;
  std::swap(empty->GenCode, fresh);  // a parent whose genes were never touched
  clsGenSeq child;
  child.Make();
  EXPECT_EQ(child.GetGLength(10), 0);
  EXPECT_EQ(child.GetGDraw(10), kFalse16);
  EXPECT_TRUE(empty->GenCode.HasGene(10));
}

TEST_F(Breeding, GreyedBoxIsNotAParent) {
  parent(1, false);
  windows.windows.back()->parent = 2;
  ScriptedRandom script({}, 0.5f);
  clsGenSeq child;
  child.Make();
  EXPECT_EQ(modObject::ParentList().count(), 0u);
  EXPECT_EQ(script.reseeds(), 64 * 7);
}

}  // namespace
}  // namespace pelorin
