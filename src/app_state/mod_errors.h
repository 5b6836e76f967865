#pragma once

#include <QString>

namespace pelorin::modErrors {

// True when rateText (the rate box's text) is a number (the locale-aware
// numeric test).
bool CheckMutationRate(const QString& rateText);

}  // namespace pelorin::modErrors
