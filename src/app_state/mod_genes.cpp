#include "app_state/mod_genes.h"

#include "app_state/mod_errors.h"
#include "platform/numbers.h"

namespace pelorin::modGenes {

double MutationRate = 0.0;

RateText::RateText(const QString& text) : text(text) {
  if (modErrors::CheckMutationRate(text)) value = toDouble(text, parseTypedNumber);
}

void ResetGeneState() { MutationRate = 0.0; }

void RefreshMutationRate(const RateText& rate) {
  if (rate.value) MutationRate = *rate.value;
}

}  // namespace pelorin::modGenes
