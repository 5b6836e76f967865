#pragma once

#include <cstdint>
#include <tuple>

#include "genetics/gene.h"

namespace pelorin {

// The genes of one genetic code: one per segment of a picture.
inline constexpr int kGeneCount = 64;

// The seven traits in the record order of the genetic code file, which is
// also the order in which breeding and reading decide them.
enum class Trait : std::uint8_t { Angle, ColorBlue, ColorGreen, ColorRed, Draw, Length, Width };
inline constexpr int kTraitCount = 7;

// One trait of a gene: its name (as failures and the genetic code window
// name it), its field in clsGene and the generator that draws it anew.
template <typename T>
struct TraitField {
  Trait trait;
  const char* name;
  T clsGene::*value;
  void (clsGene::*generate)();
};

// Every trait, in record order: the one table the file, breeding and the
// windows follow.
inline constexpr std::tuple kTraitFields{
    TraitField<double>{Trait::Angle, "Angle", &clsGene::Angle, &clsGene::RndAngle},
    TraitField<std::int16_t>{Trait::ColorBlue, "ColorBlue", &clsGene::ColorBlue, &clsGene::RndColorBlue},
    TraitField<std::int16_t>{Trait::ColorGreen, "ColorGreen", &clsGene::ColorGreen, &clsGene::RndColorGreen},
    TraitField<std::int16_t>{Trait::ColorRed, "ColorRed", &clsGene::ColorRed, &clsGene::RndColorRed},
    TraitField<Bool16>{Trait::Draw, "Draw", &clsGene::Draw, &clsGene::RndDraw},
    TraitField<std::int16_t>{Trait::Length, "Length", &clsGene::Length, &clsGene::RndLength},
    TraitField<std::int16_t>{Trait::Width, "Width", &clsGene::Width, &clsGene::RndWidth},
};
static_assert(std::tuple_size_v<decltype(kTraitFields)> == kTraitCount);

// Calls visit(field) for each TraitField of kTraitFields, in record order.
template <typename Visit>
void ForEachTrait(Visit&& visit) {
  std::apply([&visit](const auto&... field) { (visit(field), ...); }, kTraitFields);
}

// The trait's name: "Angle", "ColorBlue", ...
const char* TraitName(Trait trait);

}  // namespace pelorin
