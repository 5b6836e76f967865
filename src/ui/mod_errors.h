#pragma once

namespace pelorin::modErrors {

// True when the rate box holds a number (the locale-aware numeric test).
bool CheckMutationRate();

}  // namespace pelorin::modErrors
