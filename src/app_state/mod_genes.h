#pragma once

#include <QString>

namespace pelorin::modGenes {

// The mutation rate: the probability that a trait mutates. 0 at start-up.
extern double MutationRate;

void ResetGeneState();

// Takes rateText (the rate box's text) into MutationRate when it is a number;
// otherwise leaves the rate as it is and reports nothing.
void RefreshMutationRate(const QString& rateText);

}  // namespace pelorin::modGenes
