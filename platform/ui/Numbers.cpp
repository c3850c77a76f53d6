#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace {

struct Picture {
    int integerDigits = 1; // zeros before the point
    int decimals = 0;      // zeros after the point
    bool scientific = false;
    bool exponentSignAlways = false;
    int exponentDigits = 0;
};

Picture parsePicture(const std::string& picture)
{
    Picture p;
    p.integerDigits = 0;
    std::size_t i = 0;
    for (; i < picture.size() && (picture[i] == '0' || picture[i] == '#'); ++i)
        p.integerDigits += (picture[i] == '0');
    if (i < picture.size() && picture[i] == '.')
        for (++i; i < picture.size() && (picture[i] == '0' || picture[i] == '#'); ++i)
            ++p.decimals;
    if (i + 1 < picture.size() && (picture[i] == 'e' || picture[i] == 'E') &&
        (picture[i + 1] == '+' || picture[i + 1] == '-')) {
        p.scientific = true;
        p.exponentSignAlways = picture[i + 1] == '+';
        for (i += 2; i < picture.size() && picture[i] == '0'; ++i)
            ++p.exponentDigits;
    }
    return p;
}

// Rounds a string of decimal digits to `keep` digits, an exact half (or
// more) upward. Returns true when the carry runs out of the front, in which
// case `digits` has become "1" followed by zeros, one digit longer.
bool roundDigits(std::string& digits, std::size_t keep)
{
    if (digits.size() <= keep) {
        digits.append(keep - digits.size(), '0');
        return false;
    }
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (!up)
        return false;
    for (std::size_t i = keep; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

std::string shortestText(double magnitude, std::chars_format format)
{
    char buffer[512];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, format);
    return std::string(buffer, result.ptr);
}

std::string formatFixed(const Picture& p, double magnitude)
{
    const std::string text = shortestText(magnitude, std::chars_format::fixed);
    const std::size_t point = text.find('.');
    std::string integer = text.substr(0, point);
    std::string digits = integer + (point == std::string::npos ? "" : text.substr(point + 1));
    std::size_t integerLength = integer.size();
    if (roundDigits(digits, integerLength + static_cast<std::size_t>(p.decimals)))
        ++integerLength;
    integer = digits.substr(0, integerLength);
    integer.erase(0, integer.find_first_not_of('0'));
    if (static_cast<int>(integer.size()) < p.integerDigits)
        integer.insert(0, static_cast<std::size_t>(p.integerDigits) - integer.size(), '0');
    std::string out = integer;
    if (p.decimals > 0)
        out.append(1, '.').append(digits, integerLength, std::string::npos);
    return out;
}

std::string formatScientific(const Picture& p, double magnitude)
{
    long exponent = 0;
    std::string digits = "0";
    if (magnitude != 0.0) {
        const std::string text = shortestText(magnitude, std::chars_format::scientific);
        const std::size_t e = text.find('e');
        digits = text.substr(0, e);
        if (digits.size() > 1)
            digits.erase(1, 1); // the point after the first digit
        exponent = std::stol(text.substr(e + 1));
    }
    const int leading = p.integerDigits > 0 ? p.integerDigits : 1;
    exponent -= leading - 1;
    if (roundDigits(digits, static_cast<std::size_t>(leading + p.decimals))) {
        digits.pop_back();
        ++exponent;
    }
    if (magnitude == 0.0)
        exponent = 0;
    std::string out = digits.substr(0, static_cast<std::size_t>(leading));
    if (p.decimals > 0)
        out.append(1, '.').append(digits, static_cast<std::size_t>(leading), std::string::npos);
    std::string exponentText = std::to_string(exponent < 0 ? -exponent : exponent);
    if (static_cast<int>(exponentText.size()) < p.exponentDigits)
        exponentText.insert(0, static_cast<std::size_t>(p.exponentDigits) - exponentText.size(), '0');
    out += 'e';
    if (exponent < 0)
        out += '-';
    else if (p.exponentSignAlways)
        out += '+';
    return out + exponentText;
}

bool isAllZero(const std::string& text)
{
    for (char c : text) {
        if (c == 'e' || c == 'E')
            break;
        if (c >= '1' && c <= '9')
            return false;
    }
    return true;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The power of ten of the number's leading significant digit, plus one
// (positive for magnitudes of 1 and above), with the exponent saturated.
long long decimalOrder(const std::string& integer, const std::string& fraction, const std::string& exponent,
                       bool exponentNegative)
{
    long long e = 0;
    for (char c : exponent)
        e = (e > 1000000000LL) ? e : e * 10 + (c - '0');
    if (exponentNegative)
        e = -e;
    const std::size_t firstInteger = integer.find_first_not_of('0');
    if (firstInteger != std::string::npos)
        return e + static_cast<long long>(integer.size() - firstInteger);
    const std::size_t firstFraction = fraction.find_first_not_of('0');
    if (firstFraction == std::string::npos)
        return std::numeric_limits<long long>::min();
    return e - static_cast<long long>(firstFraction);
}

} // namespace

std::string FormatFloat(const std::string& picture, double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    const Picture p = parsePicture(picture);
    const double magnitude = std::fabs(value);
    const std::string body = p.scientific ? formatScientific(p, magnitude) : formatFixed(p, magnitude);
    return (std::signbit(value) && !isAllZero(body)) ? "-" + body : body;
}

bool TryStrToFloat(const std::string& text, double& value)
{
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;

    std::string integer;
    std::string fraction;
    bool point = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            if (point)
                return false;
            point = true;
        } else {
            (point ? fraction : integer) += text[i];
        }
    }
    if (integer.empty() && fraction.empty() && !point)
        return false;

    std::string exponent;
    bool exponentNegative = false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            exponentNegative = text[i++] == '-';
        for (; i < text.size() && isDigit(text[i]); ++i)
            exponent += text[i];
    }
    if (i != text.size())
        return false;

    std::string normal = negative ? "-" : "";
    normal.append(integer.empty() ? "0" : integer).append(1, '.').append(fraction.empty() ? "0" : fraction);
    if (!exponent.empty())
        normal.append(exponentNegative ? "e-" : "e").append(exponent);

    double parsed = 0.0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: too small reads as zero, too large not.
        if (decimalOrder(integer, fraction, exponent, exponentNegative) > 0)
            return false;
        parsed = negative ? -0.0 : 0.0;
    } else if (result.ec != std::errc() || result.ptr != normal.data() + normal.size()) {
        return false;
    }
    value = parsed;
    return true;
}
