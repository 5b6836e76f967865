#pragma once

#include <QString>

namespace pelorin::modErrors {

// True when rateText (the rate box's text) is a number as the user types
// one (isTypedNumber).
bool CheckMutationRate(const QString& rateText);

}  // namespace pelorin::modErrors
