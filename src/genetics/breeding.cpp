// Breeding: clsGenSeq::Make.
#include "genetics/gene_sequence.h"
#include "genetics/mutation.h"
#include "picture/picture_object.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "ui/mod_genes.h"
#include "ui/mod_object.h"

namespace pelorin {

namespace {

// Gathers the pictures whose Parent box is ticked, in registry order, into
// the parent list under keys " 0", " 1", ...; returns their count.
std::int16_t gatherParents() {
  auto& parents = modObject::ParentList();
  parents.clear();
  std::int16_t k = 0;
  for (const auto& [key, picture] : modObject::Registry()) {
    if (picture->ParentBoxValue() == 1) {
      parents.add(modObject::RegistryKey(k), picture);
      k = checkedAdd16(k, 1);
    }
  }
  return static_cast<std::int16_t>(parents.count());
}

// One parent drawn for one trait: floor(v * P), P taken in single precision.
clsGenSeq& drawParent(std::int16_t parentCount) {
  const double v = static_cast<double>(Rnd());
  const std::int16_t j = floorToInt16(v * static_cast<double>(static_cast<float>(parentCount)));
  // gatherParents adds the parent of key " j" as the j-th entry, so the
  // position finds it without making the key's text for every trait.
  return modObject::ParentList().at(static_cast<std::size_t>(j))->GenCode;
}

// One trait of gene i: the mutation test, then either the trait's generator
// or the same trait of gene i of one parent drawn for this trait alone.
template <typename T>
void breedTrait(double rate, std::int16_t parentCount, std::int16_t i, T& trait, void (clsGene::*generator)(),
                T (clsGenSeq::*getter)(std::int16_t), clsGene& gene) {
  if (Mutates(rate)) {
    (gene.*generator)();
  } else {
    trait = (drawParent(parentCount).*getter)(i);
  }
}

}  // namespace

void clsGenSeq::Make() {
  modGenes::RefreshMutationRate();
  const std::int16_t parentCount = gatherParents();
  const double rate = modGenes::MutationRate;

  if (rate >= 1.0 || parentCount == 0) {
    for (std::int16_t i = 0; i < kGeneCount; ++i) GetGene(i)->Random();
    return;
  }

  for (std::int16_t i = 0; i < kGeneCount; ++i) {
    Randomize();
    clsGene& gene = *GetGene(i);
    // The record order of the genetic code file, not the gene's own order.
    breedTrait(rate, parentCount, i, gene.Angle, &clsGene::RndAngle, &clsGenSeq::GetGAngle, gene);
    breedTrait(rate, parentCount, i, gene.ColorBlue, &clsGene::RndColorBlue, &clsGenSeq::GetGColorBlue, gene);
    breedTrait(rate, parentCount, i, gene.ColorGreen, &clsGene::RndColorGreen, &clsGenSeq::GetGColorGreen, gene);
    breedTrait(rate, parentCount, i, gene.ColorRed, &clsGene::RndColorRed, &clsGenSeq::GetGColorRed, gene);
    breedTrait(rate, parentCount, i, gene.Draw, &clsGene::RndDraw, &clsGenSeq::GetGDraw, gene);
    breedTrait(rate, parentCount, i, gene.Length, &clsGene::RndLength, &clsGenSeq::GetGLength, gene);
    breedTrait(rate, parentCount, i, gene.Width, &clsGene::RndWidth, &clsGenSeq::GetGWidth, gene);
  }
}

}  // namespace pelorin
