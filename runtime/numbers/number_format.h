// Writing a number as text in the calculator's general number format.
#pragma once

#include <string>

namespace runtime {

// `value` rounded to 15 significant digits, without trailing zeros or a trailing point.
// Numbers whose decimal exponent X (of d.ddd x 10^X) lies in -5 < X < 15 are written in plain
// decimal notation ("0.0001", "-2", "3200000"), all others as mantissa, 'E', the exponent's
// sign and at least two exponent digits ("1.5E-05", "1E+15"). Negative zero is written "0".
//
// Every text written reads back, by ReadLeadingNumber, as the same number to the digits shown:
// near the top of the double range, where the rounded value would lie beyond it, the 15th
// digit is rounded toward zero instead ("1.79769313486231E+308").
//
// `value` must be finite; infinities and NaN are written "inf", "-inf" and "nan", which read
// back as 0.
[[nodiscard]] std::string FormatGeneral(double value);

}  // namespace runtime
