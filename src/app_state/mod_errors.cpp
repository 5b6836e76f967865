#include "app_state/mod_errors.h"

#include "platform/numbers.h"

namespace pelorin::modErrors {

bool CheckMutationRate(const QString& rateText) { return isTypedNumber(rateText); }

}  // namespace pelorin::modErrors
