#include "genetics/gene_sequence.h"

#include "platform/failure.h"

namespace pelorin {

clsGene& clsGenSeq::gene(std::int16_t tvNo) {
  if (tvNo < 0 || tvNo >= kGeneCount) throw Failure(FailureKind::SubscriptOutOfRange);
  auto& entry = genes_[static_cast<std::size_t>(tvNo)];
  if (!entry) entry = std::make_shared<clsGene>();
  return *entry;
}

bool clsGenSeq::HasGene(int tvNo) const {
  return tvNo >= 0 && tvNo < kGeneCount && genes_[static_cast<std::size_t>(tvNo)] != nullptr;
}

std::shared_ptr<clsGene> clsGenSeq::GetGene(std::int16_t tvNo) {
  gene(tvNo);
  return genes_[static_cast<std::size_t>(tvNo)];
}

std::int16_t clsGenSeq::GetGColorBlue(std::int16_t tvNo) { return gene(tvNo).ColorBlue; }
std::int16_t clsGenSeq::GetGColorRed(std::int16_t tvNo) { return gene(tvNo).ColorRed; }
std::int16_t clsGenSeq::GetGColorGreen(std::int16_t tvNo) { return gene(tvNo).ColorGreen; }
Bool16 clsGenSeq::GetGDraw(std::int16_t tvNo) { return gene(tvNo).Draw; }
std::int16_t clsGenSeq::GetGLength(std::int16_t tvNo) { return gene(tvNo).Length; }
std::int16_t clsGenSeq::GetGWidth(std::int16_t tvNo) { return gene(tvNo).Width; }
double clsGenSeq::GetGAngle(std::int16_t tvNo) { return gene(tvNo).Angle; }

void clsGenSeq::SetGAngle(std::int16_t tvNo, double Value) { gene(tvNo).Angle = Value; }
void clsGenSeq::SetGColorBlue(std::int16_t tvNo, std::int16_t Value) { gene(tvNo).ColorBlue = Value; }
void clsGenSeq::SetGColorRed(std::int16_t tvNo, std::int16_t Value) { gene(tvNo).ColorRed = Value; }
void clsGenSeq::SetGColorGreen(std::int16_t tvNo, std::int16_t Value) { gene(tvNo).ColorGreen = Value; }
void clsGenSeq::SetGColorLength(std::int16_t tvNo, std::int16_t Value) { gene(tvNo).Length = Value; }
void clsGenSeq::SetGColorWidth(std::int16_t tvNo, std::int16_t Value) { gene(tvNo).Width = Value; }
void clsGenSeq::SetGColorDraw(std::int16_t tvNo, Bool16 Value) { gene(tvNo).Draw = Value; }

}  // namespace pelorin
