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

// The position of one parent drawn for one trait: floor(v * P), P taken in
// single precision.
std::int16_t drawParent(std::int16_t parentCount) {
  const double v = static_cast<double>(Rnd());
  return floorToInt16(v * static_cast<double>(static_cast<float>(parentCount)));
}

// What one breeding needs for every trait; sources may be null.
struct Breeding {
  double rate;
  std::int16_t parentCount;
  TraitSources* sources;
};

// One trait of gene i: the mutation test, then either the trait's generator
// or the same trait of gene i of one parent drawn for this trait alone.
template <typename T>
void breedTrait(const Breeding& breeding, std::int16_t i, Trait which, T& trait, void (clsGene::*generator)(),
                T (clsGenSeq::*getter)(std::int16_t), clsGene& gene) {
  if (Mutates(breeding.rate)) {
    (gene.*generator)();
    if (breeding.sources != nullptr) breeding.sources->setMutated(i, which);
  } else {
    const std::int16_t j = drawParent(breeding.parentCount);
    // gatherParents adds the parent of key " j" as the j-th entry, so the
    // position finds it without making the key's text for every trait.
    trait = (modObject::ParentList().at(static_cast<std::size_t>(j))->GenCode.*getter)(i);
    if (breeding.sources != nullptr) breeding.sources->setParent(i, which, j);
  }
}

}  // namespace

int clsGenSeq::Make(TraitSources* sources) {
  modGenes::RefreshMutationRate();
  const Breeding breeding{modGenes::MutationRate, gatherParents(), sources};

  if (breeding.rate >= 1.0 || breeding.parentCount == 0) {
    for (std::int16_t i = 0; i < kGeneCount; ++i) GetGene(i)->Random();
    if (sources != nullptr) sources->setAllMutated();
    return 0;
  }

  for (std::int16_t i = 0; i < kGeneCount; ++i) {
    Randomize();
    clsGene& gene = *GetGene(i);
    // The record order of the genetic code file, not the gene's own order.
    breedTrait(breeding, i, Trait::Angle, gene.Angle, &clsGene::RndAngle, &clsGenSeq::GetGAngle, gene);
    breedTrait(breeding, i, Trait::ColorBlue, gene.ColorBlue, &clsGene::RndColorBlue, &clsGenSeq::GetGColorBlue, gene);
    breedTrait(breeding, i, Trait::ColorGreen, gene.ColorGreen, &clsGene::RndColorGreen, &clsGenSeq::GetGColorGreen,
               gene);
    breedTrait(breeding, i, Trait::ColorRed, gene.ColorRed, &clsGene::RndColorRed, &clsGenSeq::GetGColorRed, gene);
    breedTrait(breeding, i, Trait::Draw, gene.Draw, &clsGene::RndDraw, &clsGenSeq::GetGDraw, gene);
    breedTrait(breeding, i, Trait::Length, gene.Length, &clsGene::RndLength, &clsGenSeq::GetGLength, gene);
    breedTrait(breeding, i, Trait::Width, gene.Width, &clsGene::RndWidth, &clsGenSeq::GetGWidth, gene);
  }
  return breeding.parentCount;
}

}  // namespace pelorin
