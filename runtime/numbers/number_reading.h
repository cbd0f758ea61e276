// Reading a text as a number: the number with which the text begins.
#pragma once

#include <string_view>

#include "runtime/numbers/arithmetic_fault.h"

namespace runtime {

// The number with which `text` begins, correctly rounded to the nearest double.
//
// After any spaces and tabs comes an optional sign, then digits with at most one '.' among
// them (at least one digit), then an optional exponent: 'e' or 'E', an optional sign and at
// least one digit. Whatever follows is ignored, and an incomplete exponent is not part of the
// number ("1e+" reads 1). A text that does not begin with a number reads 0; so do "inf",
// "nan" and hexadecimal digits after the "0" of "0x". The decimal point is always '.'.
//
// A number beyond the range of a double is an Overflow fault; one too small for a double
// quietly becomes a denormal or zero. The result is never infinite or NaN. Runs in time linear
// in the length of the text and allocates nothing, however long the text.
[[nodiscard]] NumberOrFault ReadLeadingNumber(std::string_view text);

}  // namespace runtime
