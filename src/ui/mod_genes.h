#pragma once

namespace pelorin::modGenes {

// The mutation rate: the probability that a trait mutates. 0 at start-up.
extern double MutationRate;

void ResetGeneState();

// Takes the rate box's number into MutationRate when the box holds one;
// otherwise leaves the rate as it is and reports nothing.
void RefreshMutationRate();

}  // namespace pelorin::modGenes
