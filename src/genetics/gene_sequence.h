#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "genetics/gene.h"
#include "genetics/trait_sources.h"
#include "genetics/traits.h"

namespace pelorin {

// The genetic code of one picture: genes 0 to 63, each created on first touch.
// Every accessor fails with SubscriptOutOfRange for a number outside 0..63,
// before anything is created. Setters store values unchanged.
class clsGenSeq {
 public:
  static constexpr int kGeneCount = pelorin::kGeneCount;

  // The gene itself, shared: it lives as long as its longest holder.
  std::shared_ptr<clsGene> GetGene(std::int16_t tvNo);

  std::int16_t GetGColorBlue(std::int16_t tvNo);
  std::int16_t GetGColorRed(std::int16_t tvNo);
  std::int16_t GetGColorGreen(std::int16_t tvNo);
  Bool16 GetGDraw(std::int16_t tvNo);
  std::int16_t GetGLength(std::int16_t tvNo);
  std::int16_t GetGWidth(std::int16_t tvNo);
  double GetGAngle(std::int16_t tvNo);

  void SetGAngle(std::int16_t tvNo, double Value);
  void SetGColorBlue(std::int16_t tvNo, std::int16_t Value);
  void SetGColorRed(std::int16_t tvNo, std::int16_t Value);
  void SetGColorGreen(std::int16_t tvNo, std::int16_t Value);
  void SetGColorLength(std::int16_t tvNo, std::int16_t Value);
  void SetGColorWidth(std::int16_t tvNo, std::int16_t Value);
  void SetGColorDraw(std::int16_t tvNo, Bool16 Value);

  // Needs no preparation: genes are created on first touch.
  void Init() {}

  // Reads the genetic code file tvName with mutation at rate; a name that
  // is not an existing regular file leaves the sequence untouched. When
  // given, sources learns which traits were read and which mutated.
  void Load(const QString& tvName, double rate, TraitSources* sources = nullptr);
  // The same for a file the caller has just found to exist: should it have
  // gone since, that is a FileSystem failure naming it, not a silent success.
  void LoadExisting(const QString& tvName, double rate, TraitSources* sources = nullptr);

  // Breeds the sequence from parents (not this sequence; in the order their
  // positions are drawn) at rate: each trait mutates, or is copied from the
  // same gene of a parent drawn for that trait alone. Wholly random without
  // parents or at a rate of 1 or more. Returns how many parents it was bred
  // from, 0 when it was made wholly at random. Fails with Overflow, before
  // any draw, for more than 32767 parents. When given, sources learns the
  // parent position or the mutation behind every trait; recording draws
  // nothing.
  int Make(double rate, const std::vector<clsGenSeq*>& parents, TraitSources* sources = nullptr);

  // True when gene tvNo has been created (touches nothing; for tests).
  bool HasGene(int tvNo) const;

 private:
  clsGene& gene(std::int16_t tvNo);
  void read(const QString& tvName, double rate, TraitSources* sources);
  std::array<std::shared_ptr<clsGene>, kGeneCount> genes_;
};

}  // namespace pelorin
