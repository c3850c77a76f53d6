// How the main window reads and writes the numbers in its fields: the
// decimal-comma conversions, the number test, and the display rules of the
// absolute humidity, the enthalpy and the specific volume.
#pragma once

#include <string>

namespace hygrel {

// Input side: in a decimal-comma locale the first comma becomes a point.
std::string CommaToPoint(const std::string& text, bool decimalComma);
// Output side: in a decimal-comma locale the first point becomes a comma.
std::string PointToComma(const std::string& text, bool decimalComma);

// Whether a field text (after CommaToPoint) holds a number: not empty, not
// made only of ".+-e", only the characters "0123456789.+-e", and the whole
// text reads as a decimal number within the range of a double.
bool IsNumberText(const std::string& text);

// Reads a field text through CommaToPoint and IsNumberText; false when the
// text does not hold a number, and then `value` is left alone.
bool ReadFieldNumber(const std::string& text, bool decimalComma, double& value);

// kJ per kcal for display: 4.1868 held in single precision.
inline constexpr double kKJPerKcalDisplay = 4.1868000030517578125;

// A typed enthalpy in kJ/kg as kcal/kg: multiplied by the reciprocal of the
// display factor in extended precision, then held as a double.
double KcalFromTypedKJ(double kj);

// X in exponent form when it is at least 10, or not zero and at most 1e-5
// in magnitude; otherwise with five decimals.
std::string FormatHumidity(double x, const std::string& plain, const std::string& exponent);
// H in kJ/kg when si (times the display factor), else kcal/kg; exponent
// form from 10000 of the shown value.
std::string FormatEnthalpy(double kcal, bool si, const std::string& plain, const std::string& exponent);
// V in exponent form from 10000.
std::string FormatVolume(double v, const std::string& plain, const std::string& exponent);

} // namespace hygrel
