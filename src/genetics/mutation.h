#pragma once

namespace pelorin {

// The mutation test shared by breeding and the genetic code reader: draws one
// value u from the process-wide generator (no reseed) and returns whether
// rate, rounded to single precision, is strictly greater than u. A rate
// beyond the single-precision range always mutates when positive and never
// when negative; a NaN rate never mutates.
bool Mutates(double rate);

}  // namespace pelorin
