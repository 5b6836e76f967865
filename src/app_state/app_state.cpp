// The application-wide state shared by the model and the windows.
#include "app_state/mod_errors.h"
#include "app_state/mod_genes.h"
#include "app_state/mod_object.h"
#include "platform/numbers.h"

namespace pelorin {

namespace modGenes {

double MutationRate = 0.0;

void ResetGeneState() { MutationRate = 0.0; }

void RefreshMutationRate(const QString& rateText) {
  if (!modErrors::CheckMutationRate(rateText)) return;
  MutationRate = toDouble(rateText, parseTypedNumber);
}

}  // namespace modGenes

namespace modErrors {

bool CheckMutationRate(const QString& rateText) { return isTypedNumber(rateText); }

}  // namespace modErrors

namespace modObject {

std::int16_t OriginX = kStartX;
std::int16_t OriginY = kStartY;
std::int16_t ObjectCount = 0;

KeyedCollection<clsObject>& Registry() {
  static KeyedCollection<clsObject> registry;
  return registry;
}

KeyedCollection<clsObject>& ParentList() {
  static KeyedCollection<clsObject> parents;
  return parents;
}

QString RegistryKey(long long id) { return signedNumberText(id); }

void ResetObjectState() {
  OriginX = kStartX;
  OriginY = kStartY;
  ObjectCount = 0;
}

}  // namespace modObject

}  // namespace pelorin
