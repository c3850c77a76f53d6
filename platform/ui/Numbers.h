// Number formatting with picture formats and number parsing, always with
// "." as the decimal point whatever the C library's locale says.
#pragma once

#include <string>

// Formats `value` with a picture format such as "0.00", "0.00000" or
// "0.0e+00": each "0" a digit always shown, "." the decimal point, and
// "e+00" scientific notation with the exponent's sign always written and at
// least as many exponent digits as zeros ("e-00" writes only a minus sign).
// The number is rounded to the digits shown, an exact half away from zero,
// taking the shortest decimal text that reads back as the same double (so
// 0.125 and 0.105 both round up). A result that rounds to zero carries no
// minus sign. A NaN is shown as "NAN", infinities as "INF" and "-INF".
std::string FormatFloat(const std::string& picture, double value);

// Reads a decimal number: an optional sign, a mantissa of digits with at
// most one ".", not empty (a lone "." reads as 0), and optionally "e" (or
// "E") followed by an optional sign and zero or more digits ("1e" and "1e+"
// read as 1). Nothing else may stand in the text, blanks included. A value
// too small for a double reads as zero; a value too large for one does not
// read. Returns false and leaves `value` alone when the text does not read.
bool TryStrToFloat(const std::string& text, double& value);
