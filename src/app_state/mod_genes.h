#pragma once

#include <QString>
#include <optional>

namespace pelorin::modGenes {

// The mutation rate: the probability that a trait mutates. 0 at start-up.
extern double MutationRate;

// The rate box's text as it stood when an action started, checked once
// (CheckMutationRate) and, when it is a number, read once.
struct RateText {
  RateText(const QString& text = {});  // NOLINT(google-explicit-constructor): the box's text as it stands
  QString text;
  std::optional<double> value;  // the number, when text is one
};

void ResetGeneState();

// Takes rate's number into MutationRate when it has one; otherwise leaves
// the rate as it is and reports nothing.
void RefreshMutationRate(const RateText& rate);

}  // namespace pelorin::modGenes
