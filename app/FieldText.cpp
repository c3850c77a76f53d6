#include "FieldText.h"

#include "Numbers.h"

#include <string_view>

namespace hygrel {

namespace {

std::string replaceFirst(const std::string& text, char from, char to)
{
    std::string result = text;
    const std::size_t at = result.find(from);
    if (at != std::string::npos)
        result[at] = to;
    return result;
}

bool onlyCharactersOf(std::string_view text, std::string_view allowed)
{
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

} // namespace

std::string CommaToPoint(const std::string& text, bool decimalComma)
{
    return decimalComma ? replaceFirst(text, ',', '.') : text;
}

std::string PointToComma(const std::string& text, bool decimalComma)
{
    return decimalComma ? replaceFirst(text, '.', ',') : text;
}

bool IsNumberText(const std::string& text)
{
    if (text.empty())
        return false;
    if (onlyCharactersOf(text, ".+-e"))
        return false;
    if (!onlyCharactersOf(text, "0123456789.+-e"))
        return false;
    double value = 0.0;
    return TryStrToFloat(text, value);
}

bool ReadFieldNumber(const std::string& text, bool decimalComma, double& value)
{
    const std::string converted = CommaToPoint(text, decimalComma);
    if (!IsNumberText(converted))
        return false;
    return TryStrToFloat(converted, value);
}

double KcalFromTypedKJ(double kj)
{
    const long double reciprocal = 0.23884589645340120605L;
    return static_cast<double>(static_cast<long double>(kj) * reciprocal);
}

std::string FormatHumidity(double x, const std::string& plain, const std::string& exponent)
{
    const bool large = x >= 10.0;
    if (!large && (x > 1e-5 || x < -1e-5))
        return FormatFloat(plain, x);
    return FormatFloat(x == 0.0 ? plain : exponent, x);
}

std::string FormatEnthalpy(double kcal, bool si, const std::string& plain, const std::string& exponent)
{
    const double shown = si ? kcal * kKJPerKcalDisplay : kcal;
    return FormatFloat(shown >= 10000.0 ? exponent : plain, shown);
}

std::string FormatVolume(double v, const std::string& plain, const std::string& exponent)
{
    return FormatFloat(v >= 10000.0 ? exponent : plain, v);
}

} // namespace hygrel
