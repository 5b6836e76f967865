#pragma once

namespace pelorin::modErrors {

// True when the rate box holds a number as the user types one
// (isTypedNumber).
bool CheckMutationRate();

}  // namespace pelorin::modErrors
