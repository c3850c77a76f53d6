// Shared pieces of the engine core tests: the relations as callable values,
// reference figures checked to the digits they are written with, and a
// comparison of every engine member.
#pragma once

#include "HygrelClass.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace core_test {

inline constexpr std::int32_t kMKS = 0;
inline constexpr std::int32_t kSI = 1;

// One F_ relation with one or two inputs. The inputs are copied into locals
// before the call, so the method only ever sees distinct variables.
struct Relation {
    const char* name;
    int (HygrelClass::*unary)(double&, double&);
    int (HygrelClass::*binary)(double&, double&, double&);

    bool takesTwo() const { return binary != nullptr; }

    int operator()(HygrelClass& engine, double a, double b, double& out) const
    {
        double first = a;
        double second = b;
        return takesTwo() ? (engine.*binary)(first, second, out) : (engine.*unary)(first, out);
    }
};

inline Relation unary(const char* name, int (HygrelClass::*method)(double&, double&))
{
    return {name, method, nullptr};
}

inline Relation binary(const char* name, int (HygrelClass::*method)(double&, double&, double&))
{
    return {name, nullptr, method};
}

#define CORE_UNARY(method) ::core_test::unary(#method, &HygrelClass::method)
#define CORE_BINARY(method) ::core_test::binary(#method, &HygrelClass::method)

// The fourteen relations of saturation, humidity, dew point, enthalpy and
// volume, in export order, each with ordinary inputs and whether SI mode
// changes its result there (it does not for the two relations whose
// pressures are all converted alike: the humidity is a pressure ratio).
struct CoreRelation {
    Relation relation;
    double ordinaryA;
    double ordinaryB;
    bool siChangesResult;
};

inline const CoreRelation kCoreRelations[] = {
    {CORE_UNARY(F_DB2PWS), 20.0, 0.0, true},
    {CORE_BINARY(F_PAPW2AH), 760.0, 10.0, false},
    {CORE_UNARY(F_PW2AH), 10.0, 0.0, true},
    {CORE_BINARY(F_PAAH2PW), 760.0, 0.01, false},
    {CORE_BINARY(F_ENDB2AH), 10.0, 20.0, true},
    {CORE_BINARY(F_DBSV2AH), 20.0, 0.85, false},
    {CORE_BINARY(F_DBRH2AH), 20.0, 50.0, false},
    {CORE_BINARY(F_DBAH2EN), 20.0, 0.0073, true},
    {CORE_BINARY(F_DBAH2SV), 20.0, 0.0073, false},
    {CORE_BINARY(F_SVAH2DB), 0.85, 0.0073, false},
    {CORE_BINARY(F_ENAH2DB), 10.0, 0.0073, true},
    {CORE_BINARY(F_DBAH2RH), 20.0, 0.0073, false},
    {CORE_BINARY(F_DBAH2RV), 20.0, 0.0073, false},
    {CORE_UNARY(F_AH2DP), 0.0073, 0.0, false},
};

// A reference figure such as "17.5458" or "1.8e-10": its value and half a
// unit of its last written digit.
struct Figure {
    double value;
    double halfUnit;
};

inline Figure figure(std::string_view text)
{
    const std::string s(text);
    const std::size_t exponentAt = s.find_first_of("eE");
    const std::string mantissa = s.substr(0, exponentAt);
    const int exponent = exponentAt == std::string::npos ? 0 : std::atoi(s.c_str() + exponentAt + 1);
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    return {std::strtod(s.c_str(), nullptr), 0.5 * std::pow(10.0, exponent - decimals)};
}

// EXPECT_PRED_FORMAT2(matchesFigure, x, "17.5458"): |x - 17.5458| <= 0.00005.
inline ::testing::AssertionResult matchesFigure(const char* actualExpr, const char*, double actual,
                                                const char* text)
{
    const Figure f = figure(text);
    // The slack covers only the binary representation of the figure itself.
    if (std::fabs(actual - f.value) <= f.halfUnit * (1.0 + 1e-9))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actualExpr << " = " << ::testing::PrintToString(actual)
                                         << " does not match " << text << " to its digits";
}

// Every member, compared exactly.
inline ::testing::AssertionResult sameMembers(const HygrelClass& a, const HygrelClass& b)
{
    const double HygrelClass::*doubles[] = {
        &HygrelClass::MmHgPerAt,    &HygrelClass::T0,         &HygrelClass::MolarMassAir,
        &HygrelClass::MolarMassWater, &HygrelClass::GasConstAir, &HygrelClass::GasConstVapour,
        &HygrelClass::CpAir,        &HygrelClass::CpVapour,   &HygrelClass::CWater,
        &HygrelClass::CIce,         &HygrelClass::LatentVap0, &HygrelClass::LatentFusion,
        &HygrelClass::PStandard,    &HygrelClass::PTotal,     &HygrelClass::KJPerKcal,
        &HygrelClass::MmHgPerHPa,   &HygrelClass::TolFine,    &HygrelClass::TolCoarse,
    };
    if (a.Mode != b.Mode)
        return ::testing::AssertionFailure() << "Mode " << a.Mode << " != " << b.Mode;
    for (std::size_t i = 0; i < std::size(doubles); ++i) {
        if (a.*doubles[i] != b.*doubles[i])
            return ::testing::AssertionFailure() << "double member #" << i + 2 << " differs";
    }
    return ::testing::AssertionSuccess();
}

// One reference value: a relation at given inputs in a unit mode, its result
// code and its output, either to the digits written or exactly.
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

// The output starts as this, so a method that must write 0 has to write it.
inline constexpr double kSentinel = 123.0;

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

} // namespace core_test
