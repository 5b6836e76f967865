// The application-wide state shared by the model and the windows.
#include "platform/numbers.h"
#include "ui/main_window_boxes.h"
#include "ui/mod_errors.h"
#include "ui/mod_genes.h"
#include "ui/mod_object.h"

namespace pelorin {

namespace {
MainWindowBoxes* gBoxes = nullptr;
}

void setMainWindowBoxes(MainWindowBoxes* boxes) { gBoxes = boxes; }
MainWindowBoxes* mainWindowBoxes() { return gBoxes; }

namespace modGenes {

double MutationRate = 0.0;

void ResetGeneState() { MutationRate = 0.0; }

void RefreshMutationRate() {
  if (!modErrors::CheckMutationRate()) return;
  MutationRate = toDouble(mainWindowBoxes()->mutationRateText(), parseTypedNumber);
}

}  // namespace modGenes

namespace modErrors {

bool CheckMutationRate() {
  const MainWindowBoxes* boxes = mainWindowBoxes();
  return boxes != nullptr && isTypedNumber(boxes->mutationRateText());
}

}  // namespace modErrors

namespace modObject {

std::int16_t OriginX = 850;
std::int16_t OriginY = 800;
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
  OriginX = 850;
  OriginY = 800;
  ObjectCount = 0;
}

}  // namespace modObject

}  // namespace pelorin
