// Specific enthalpy and specific volume of moist air and their inversions.
#include "core_engine_cases.h"

#include <cmath>
#include <limits>

namespace {

using core_test::Check;
using core_test::kMKS;
using core_test::kSentinel;
using core_test::kSI;
using core_test::Reference;

const core_test::Relation kEnthalpy = CORE_BINARY(F_DBAH2EN);
const core_test::Relation kHumidityFromEnthalpy = CORE_BINARY(F_ENDB2AH);
const core_test::Relation kDryBulbFromEnthalpy = CORE_BINARY(F_ENAH2DB);
const core_test::Relation kVolume = CORE_BINARY(F_DBAH2SV);
const core_test::Relation kDryBulbFromVolume = CORE_BINARY(F_SVAH2DB);
const core_test::Relation kHumidityFromVolume = CORE_BINARY(F_DBSV2AH);

double humidityAt20And50()
{
    HygrelClass engine;
    double db = 20.0;
    double rh = 50.0;
    double ah = 0.0;
    EXPECT_EQ(engine.F_DBRH2AH(db, rh, ah), 1);
    return ah;
}

double enthalpy(double db, double ah)
{
    HygrelClass engine;
    double en = 0.0;
    EXPECT_EQ(engine.F_DBAH2EN(db, ah, en), 1);
    return en;
}

double volume(double db, double ah)
{
    HygrelClass engine;
    double sv = 0.0;
    EXPECT_EQ(engine.F_DBAH2SV(db, ah, sv), 1);
    return sv;
}

// Where the humidity search ends when every trial overshoots: the start
// value, after each first trial of a step has been added and withdrawn again.
double humiditySearchStartAfterWithdrawals()
{
    const HygrelClass engine;
    double x = -engine.TolCoarse;
    for (double h = 0.01; h > engine.TolCoarse; h = h * 0.1)
        x = (x + h) - h;
    return x;
}

TEST(Enthalpy, MatchesReferenceValuesInKcalAndKJ)
{
    const double ah2050 = humidityAt20And50();
    const Reference table[] = {
        {"20, 0.01", kEnthalpy, kMKS, 20.0, 0.01, 1, "10.8632"},
        {"20, 0.01", kEnthalpy, kSI, 20.0, 0.01, 1, "45.4820"},
        {"20, AH(20, 50)", kEnthalpy, kMKS, 20.0, ah2050, 1, "9.20372"},
        {"20, AH(20, 50)", kEnthalpy, kSI, 20.0, ah2050, 1, "38.5341"},
        {"0, 0", kEnthalpy, kMKS, 0.0, 0.0, 1, "0", Check::Exact},
        {"0, 0", kEnthalpy, kSI, 0.0, 0.0, 1, "0", Check::Exact},
        {"-10, 0.001", kEnthalpy, kMKS, -10.0, 0.001, 1, "-1.80691"},
        {"40, 0.02", kEnthalpy, kMKS, 40.0, 0.02, 1, "21.9028"},
        {"40, 0.02", kEnthalpy, kSI, 40.0, 0.02, 1, "91.7026"},
    };
    core_test::expectReferences(table);
}

TEST(HumidityFromEnthalpy, MatchesReferenceValuesAndInvertsEnthalpy)
{
    const Reference table[] = {
        {"EN(20, 0.01), 20", kHumidityFromEnthalpy, kMKS, enthalpy(20.0, 0.01), 20.0, 1, "0.0100000"},
        {"10, 20", kHumidityFromEnthalpy, kMKS, 10.0, 20.0, 1, "0.00857633"},
        {"40 kJ/kg, 20", kHumidityFromEnthalpy, kSI, 40.0, 20.0, 1, "0.00784047"},
        // CpAir * 20 lies a little below 4.8, CpAir being the float 0.24.
        {"4.8, 20", kHumidityFromEnthalpy, kMKS, 4.8, 20.0, 1, "1.8e-10"},
    };
    core_test::expectReferences(table);
}

TEST(HumidityFromEnthalpy, FailsWithOutputZeroWhereTheDivisorIsZero)
{
    HygrelClass engine;
    double db = -engine.LatentVap0 / engine.CpVapour;
    ASSERT_EQ(engine.CpVapour * db + engine.LatentVap0, 0.0);
    for (const std::int32_t mode : {kMKS, kSI}) {
        engine.Mode = mode;
        double en = 10.0;
        double ah = kSentinel;
        EXPECT_EQ(engine.F_ENDB2AH(en, db, ah), -1);
        EXPECT_EQ(ah, 0.0);
    }
}

TEST(DryBulbFromEnthalpy, MatchesReferenceValuesAndInvertsEnthalpy)
{
    const Reference table[] = {
        {"10.8632, 0.01", kDryBulbFromEnthalpy, kMKS, 10.8632, 0.01, 1, "20.0000"},
        {"10, 0.01", kDryBulbFromEnthalpy, kMKS, 10.0, 0.01, 1, "16.4682"},
        {"40 kJ/kg, 0.01", kDryBulbFromEnthalpy, kSI, 40.0, 0.01, 1, "14.6428"},
        {"0, 0", kDryBulbFromEnthalpy, kMKS, 0.0, 0.0, 1, "0", Check::Exact},
        {"-2.4, 0", kDryBulbFromEnthalpy, kMKS, -2.4, 0.0, 1, "-10.0000002"},
    };
    core_test::expectReferences(table);
}

TEST(DryBulbFromEnthalpy, ZeroDivisorIsAFaultWithOutputZero)
{
    HygrelClass engine;
    double ah = -engine.CpAir / engine.CpVapour;
    ASSERT_EQ(engine.CpVapour * ah + engine.CpAir, 0.0);
    for (const double enValue : {10.0, 0.0}) { // division by zero, and 0 / 0
        SCOPED_TRACE(enValue);
        double en = enValue;
        double db = kSentinel;
        EXPECT_EQ(engine.F_ENAH2DB(en, ah, db), -1);
        EXPECT_EQ(db, 0.0);
    }
}

TEST(Volume, MatchesReferenceValues)
{
    const Reference table[] = {
        {"20, 0.01", kVolume, kMKS, 20.0, 0.01, 1, "0.843808"},
        {"20, AH(20, 50)", kVolume, kMKS, 20.0, humidityAt20And50(), 1, "0.840154"},
        {"0, 0", kVolume, kMKS, 0.0, 0.0, 1, "0.773799"},
        {"20, 0", kVolume, kMKS, 20.0, 0.0, 1, "0.830456"},
        {"20, 0.01", kVolume, kSI, 20.0, 0.01, 1, "0.843808"},
    };
    core_test::expectReferences(table);
}

TEST(Volume, UsesTheSinglePrecisionT0AsAbsoluteZero)
{
    HygrelClass engine;
    double ah = 0.01;
    double sv = kSentinel;
    double atMinusT0 = -273.149993896484375;
    EXPECT_EQ(engine.F_DBAH2SV(atMinusT0, ah, sv), 1);
    EXPECT_EQ(sv, 0.0);
    double atMinus27315 = -273.15;
    EXPECT_EQ(engine.F_DBAH2SV(atMinus27315, ah, sv), 1);
    EXPECT_LT(sv, 0.0); // no range check: below the engine's absolute zero
}

TEST(DryBulbFromVolume, MatchesReferenceValuesAndInvertsVolume)
{
    const Reference table[] = {
        {"SV(20, 0.01), 0.01", kDryBulbFromVolume, kMKS, volume(20.0, 0.01), 0.01, 1, "20.0000"},
        {"0.85, 0.01", kDryBulbFromVolume, kMKS, 0.85, 0.01, 1, "22.1511"},
        {"0.8, 0", kDryBulbFromVolume, kMKS, 0.8, 0.0, 1, "9.24900"},
        {"0, 0.01: no volume at -T0", kDryBulbFromVolume, kMKS, 0.0, 0.01, 1, "-273.149993896484375",
         Check::Exact},
    };
    core_test::expectReferences(table);
}

TEST(HumidityFromVolume, MatchesReferenceValuesTruncatedToTheSearchGrid)
{
    const Reference table[] = {
        {"20, 0.85", kHumidityFromVolume, kMKS, 20.0, 0.85, 1, "0.0146275"},
        {"20, SV(20, 0.01): 0.0099975, not 0.01", kHumidityFromVolume, kMKS, 20.0, volume(20.0, 0.01), 1,
         "0.0099975"},
        {"20, 0.84", kHumidityFromVolume, kMKS, 20.0, 0.84, 1, "0.0071475"},
        {"30, 0.88", kHumidityFromVolume, kMKS, 30.0, 0.88, 1, "0.0153575"},
        {"30, 0.88", kHumidityFromVolume, kSI, 30.0, 0.88, 1, "0.0153575"},
    };
    core_test::expectReferences(table);
}

TEST(HumidityFromVolume, IsTheLargestGridPointThatDoesNotOvershoot)
{
    HygrelClass engine;
    for (const double sv : {0.831, 0.84, 0.85, 0.9, 1.5, 10.0}) {
        SCOPED_TRACE(sv);
        double db = 20.0;
        double svIn = sv;
        double ah = 0.0;
        ASSERT_EQ(engine.F_DBSV2AH(db, svIn, ah), 1);
        double atResult = 0.0;
        double atNextGridPoint = 0.0;
        double next = ah + 1e-5;
        ASSERT_EQ(engine.F_SVAH2DB(svIn, ah, atResult), 1);
        ASSERT_EQ(engine.F_SVAH2DB(svIn, next, atNextGridPoint), 1);
        EXPECT_GE(atResult, db);
        EXPECT_LT(atNextGridPoint, db);
        // On the grid -2.5e-6 + k * 1e-5.
        EXPECT_NEAR(std::remainder(ah + 2.5e-6, 1e-5), 0.0, 1e-12);
    }
}

TEST(HumidityFromVolume, EndsAtTheStartValueWhenEveryTrialOvershoots)
{
    const double start = humiditySearchStartAfterWithdrawals();
    EXPECT_NEAR(start, -2.5e-6, 1e-15);
    const Reference table[] = {
        {"20, 0.8: below the dry-air volume", kHumidityFromVolume, kMKS, 20.0, 0.8, 1, nullptr, Check::Exact},
        {"20, SV(20, 0): the dry-air volume", kHumidityFromVolume, kMKS, 20.0, volume(20.0, 0.0), 1, nullptr,
         Check::Exact},
        {"20, 0", kHumidityFromVolume, kMKS, 20.0, 0.0, 1, nullptr, Check::Exact},
    };
    for (const Reference& r : table) {
        SCOPED_TRACE(r.what);
        HygrelClass engine;
        double ah = kSentinel;
        EXPECT_EQ(r.relation(engine, r.a, r.b, ah), 1);
        EXPECT_EQ(ah, start);
    }
}

TEST(HumidityFromVolume, FailsWithOutputZeroAfterOneHundredThousandUpwardSteps)
{
    // At 20 degC the humidity reaches about 999.86 within 100000 steps.
    const Reference table[] = {
        {"20, 1335.84: within the step budget", kHumidityFromVolume, kMKS, 20.0, 1335.84, 1, "999.858"},
        {"20, 1335.85: past the step budget", kHumidityFromVolume, kMKS, 20.0, 1335.85, -1, "0", Check::Exact},
        {"20, 1e6", kHumidityFromVolume, kMKS, 20.0, 1e6, -1, "0", Check::Exact},
    };
    core_test::expectReferences(table);
}

TEST(HumidityFromVolume, FaultLeavesTheTrialHumidityReached)
{
    // A NaN target turns the first overshoot test into an invalid
    // comparison, at the first trial value.
    HygrelClass engine;
    double db = std::numeric_limits<double>::quiet_NaN();
    double sv = 0.85;
    double ah = kSentinel;
    EXPECT_EQ(engine.F_DBSV2AH(db, sv, ah), -1);
    EXPECT_EQ(ah, -engine.TolCoarse + 0.01);
}

TEST(HumidityFromVolume, FailsWithOutputZeroWhenTheVolumeRelationFails)
{
    HygrelClass engine;
    double db = 20.0;
    double sv = 1e308; // SV * PTotal overflows in every trial
    double ah = kSentinel;
    EXPECT_EQ(engine.F_DBSV2AH(db, sv, ah), -1);
    EXPECT_EQ(ah, 0.0);
}

} // namespace
