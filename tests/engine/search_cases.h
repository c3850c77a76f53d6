// Shared pieces of the tests of the wet-bulb relations, the dry-bulb solvers
// and the complete-state methods: reference figures checked to the digits
// they are written with, the exact grid points of the stepping search, and
// the relations and state methods as callable table entries.
#pragma once

#include "HygrelClass.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

namespace search_test {

inline constexpr std::int32_t kMKS = 0;
inline constexpr std::int32_t kSI = 1;

// An output starts as this, so a method that must write 0 has to write it and
// one that must not touch it is caught when it does.
inline constexpr double kSentinel = 123.0;

inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ---- Reference figures ------------------------------------------------------

// "13.81517" stands for 13.81517 +- 0.000005, "9.63e6" for 9.63e6 +- 5e3.
inline double halfUnitOfLastDigit(std::string_view text)
{
    const std::string s(text);
    const std::size_t exponentAt = s.find_first_of("eE");
    const std::string mantissa = s.substr(0, exponentAt);
    const int exponent = exponentAt == std::string::npos ? 0 : std::atoi(s.c_str() + exponentAt + 1);
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    return 0.5 * std::pow(10.0, exponent - decimals);
}

// EXPECT_PRED_FORMAT2(matchesFigure, x, "13.81517").
inline ::testing::AssertionResult matchesFigure(const char* actualExpr, const char*, double actual,
                                                const char* text)
{
    const double value = std::strtod(text, nullptr);
    // The slack covers only the binary representation of the figure itself.
    if (std::fabs(actual - value) <= halfUnitOfLastDigit(text) * (1.0 + 1e-9))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actualExpr << " = " << ::testing::PrintToString(actual)
                                         << " does not match " << text << " to its digits";
}

// EXPECT_PRED_FORMAT2(matchesFiveDigits, x, 50.0): equal to five significant
// digits, |x - ref| <= half a unit of the fifth digit of ref.
inline ::testing::AssertionResult matchesFiveDigits(const char* actualExpr, const char*, double actual,
                                                    double reference)
{
    const double magnitude = std::floor(std::log10(std::fabs(reference)));
    const double halfUnit = 0.5 * std::pow(10.0, magnitude - 4.0);
    if (std::fabs(actual - reference) <= halfUnit)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actualExpr << " = " << ::testing::PrintToString(actual)
                                         << " differs from " << ::testing::PrintToString(reference)
                                         << " in its first five significant digits";
}

// ---- Grid points of the stepping search --------------------------------------

// The trial value a stepping search ends on when it accepts `accepted[i]`
// upward steps at the i-th step size and then overshoots, computed with the
// same additions, withdrawals and step refinements as the search itself, so
// the result is the exact double the search yields (not the nearest double of
// the decimal grid point).
inline double gridPoint(double start, double firstStep, double threshold, std::initializer_list<int> accepted)
{
    double x = start;
    double h = firstStep;
    auto digit = accepted.begin();
    while (h > threshold) {
        const int steps = digit != accepted.end() ? *digit++ : 0;
        for (int i = 0; i < steps; ++i)
            x = x + h;
        x = x + h; // the overshooting trial ...
        x = x - h; // ... withdrawn
        h = h * 0.1;
    }
    return x;
}

// The humidity searches: start -TolCoarse, steps 0.01 down to 1e-5.
inline double humidityGridPoint(std::initializer_list<int> accepted)
{
    const HygrelClass e;
    return gridPoint(-e.TolCoarse, 0.01, e.TolCoarse, accepted);
}

// The temperature searches: start -270, steps 10 down to 1e-8.
inline double temperatureGridPoint(std::initializer_list<int> accepted)
{
    const HygrelClass e;
    return gridPoint(-270.0, 10.0, e.TolFine, accepted);
}

// ---- Two-input relations -----------------------------------------------------

using BinaryMethod = int (HygrelClass::*)(double&, double&, double&);

struct Relation {
    const char* name;
    BinaryMethod method;

    // The inputs are copied, so the method always sees distinct variables.
    int operator()(HygrelClass& engine, double a, double b, double& out) const
    {
        double first = a;
        double second = b;
        return (engine.*method)(first, second, out);
    }
};

#define SEARCH_RELATION(m) ::search_test::Relation{#m, &HygrelClass::m}

// One reference value of a relation: its inputs in a unit mode, the result
// code and the output, to the digits written or exactly.
enum class Check { Digits, Exact };

struct Reference {
    const char* what;
    Relation relation;
    std::int32_t mode;
    double a;
    double b;
    int code;
    const char* expected;
    Check check = Check::Digits;
};

inline void expectReference(const Reference& r)
{
    SCOPED_TRACE(std::string(r.relation.name) + " " + r.what + (r.mode == kSI ? " (SI)" : ""));
    HygrelClass engine;
    engine.Mode = r.mode;
    double out = kSentinel;
    EXPECT_EQ(r.relation(engine, r.a, r.b, out), r.code);
    if (r.check == Check::Exact)
        EXPECT_EQ(out, std::strtod(r.expected, nullptr));
    else
        EXPECT_PRED_FORMAT2(matchesFigure, out, r.expected);
    EXPECT_EQ(engine.Mode, r.mode);
}

template <class Table>
void expectReferences(const Table& table)
{
    for (const Reference& r : table)
        expectReference(r);
}

// ---- The state vector and the complete-state methods -------------------------

enum Property : int { DB, RH, AH, EN, SV, WB, DP, PropertyCount };

inline constexpr const char* kPropertyNames[PropertyCount] = {"DB", "RH", "AH", "EN", "SV", "WB", "DP"};

using State = std::array<double, PropertyCount>;

using StateMethod = int (HygrelClass::*)(double&, double&, double&, double&, double&, double&, double&);

struct CompleteMethod {
    const char* name;
    StateMethod method;
    Property first;
    Property second;

    int operator()(HygrelClass& engine, State& s) const
    {
        return (engine.*method)(s[DB], s[RH], s[AH], s[EN], s[SV], s[WB], s[DP]);
    }

    bool gives(Property p) const { return p == first || p == second; }
};

#define SEARCH_STATE_METHOD(m, a, b) ::search_test::CompleteMethod{#m, &HygrelClass::m, ::search_test::a, ::search_test::b}

// The fifteen methods in export order.
inline const CompleteMethod kCompleteMethods[] = {
    SEARCH_STATE_METHOD(C_DBRH, DB, RH), SEARCH_STATE_METHOD(C_DBAH, DB, AH), SEARCH_STATE_METHOD(C_DBEN, DB, EN),
    SEARCH_STATE_METHOD(C_DBWB, DB, WB), SEARCH_STATE_METHOD(C_DBSV, DB, SV), SEARCH_STATE_METHOD(C_RHAH, RH, AH),
    SEARCH_STATE_METHOD(C_RHEN, RH, EN), SEARCH_STATE_METHOD(C_RHWB, RH, WB), SEARCH_STATE_METHOD(C_RHSV, RH, SV),
    SEARCH_STATE_METHOD(C_AHEN, AH, EN), SEARCH_STATE_METHOD(C_AHWB, AH, WB), SEARCH_STATE_METHOD(C_AHSV, AH, SV),
    SEARCH_STATE_METHOD(C_ENWB, EN, WB), SEARCH_STATE_METHOD(C_ENSV, EN, SV), SEARCH_STATE_METHOD(C_WBSV, WB, SV),
};

// A state vector holding `fill` everywhere except the two given values.
inline State givenPair(const CompleteMethod& m, double first, double second, double fill = kSentinel)
{
    State s;
    s.fill(fill);
    s[m.first] = first;
    s[m.second] = second;
    return s;
}

// The state C_DBRH computes from a dry bulb and a relative humidity.
inline State stateFromDryBulbAndHumidity(double db, double rh, std::int32_t mode = kMKS)
{
    HygrelClass engine;
    engine.Mode = mode;
    State s{};
    s[DB] = db;
    s[RH] = rh;
    EXPECT_EQ(engine.C_DBRH(s[DB], s[RH], s[AH], s[EN], s[SV], s[WB], s[DP]), 1);
    return s;
}

} // namespace search_test
