// Saturation pressure, vapour pressure and absolute humidity, relative
// humidity, degree of saturation and dew point.
#include "core_engine_cases.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

using core_test::Check;
using core_test::kMKS;
using core_test::kSentinel;
using core_test::kSI;
using core_test::matchesFigure;
using core_test::Reference;

const core_test::Relation kPws = CORE_UNARY(F_DB2PWS);
const core_test::Relation kPapw = CORE_BINARY(F_PAPW2AH);
const core_test::Relation kPw = CORE_UNARY(F_PW2AH);
const core_test::Relation kPaah = CORE_BINARY(F_PAAH2PW);
const core_test::Relation kDbrh = CORE_BINARY(F_DBRH2AH);
const core_test::Relation kDbah2rh = CORE_BINARY(F_DBAH2RH);
const core_test::Relation kDbah2rv = CORE_BINARY(F_DBAH2RV);
const core_test::Relation kDp = CORE_UNARY(F_AH2DP);

double saturationHumidity(double db, std::int32_t mode = kMKS)
{
    HygrelClass engine;
    engine.Mode = mode;
    double rh = 100.0;
    double ahs = 0.0;
    EXPECT_EQ(engine.F_DBRH2AH(db, rh, ahs), 1);
    return ahs;
}

double humidityAt20And50()
{
    HygrelClass engine;
    double db = 20.0;
    double rh = 50.0;
    double ah = 0.0;
    EXPECT_EQ(engine.F_DBRH2AH(db, rh, ah), 1);
    return ah;
}

double belowOf(double x) { return std::nextafter(x, -std::numeric_limits<double>::infinity()); }

TEST(SaturationPressure, MatchesReferenceValuesInMmHgAndHPa)
{
    const Reference table[] = {
        {"-10 degC, over ice", kPws, kMKS, -10.0, 0, 1, "1.94936"},
        {"-10 degC, over ice", kPws, kSI, -10.0, 0, 1, "2.59893"},
        {"0 degC", kPws, kMKS, 0.0, 0, 1, "4.58447"},
        {"0 degC", kPws, kSI, 0.0, 0, 1, "6.11213"},
        {"-0.0001 degC", kPws, kMKS, -0.0001, 0, 1, "4.58399"},
        {"20 degC", kPws, kMKS, 20.0, 0, 1, "17.5458"},
        {"20 degC", kPws, kSI, 20.0, 0, 1, "23.3925"},
        {"100 degC", kPws, kMKS, 100.0, 0, 1, "760.698"},
        {"100 degC", kPws, kSI, 100.0, 0, 1, "1014.18"},
        {"150 degC", kPws, kMKS, 150.0, 0, 1, "3571.48"},
        {"150 degC", kPws, kSI, 150.0, 0, 1, "4761.59"},
        {"373.9 degC", kPws, kMKS, 373.9, 0, 1, "165401"},
        {"373.9 degC", kPws, kSI, 373.9, 0, 1, "220517"},
    };
    core_test::expectReferences(table);
}

TEST(SaturationPressure, FailsOutsideAbsoluteZeroToCriticalPointAndUnderflowsToZeroNearAbsoluteZero)
{
    const Reference table[] = {
        {"at the critical point", kPws, kMKS, 373.946, 0, -1, "0", Check::Exact},
        {"at the critical point", kPws, kSI, 373.946, 0, -1, "0", Check::Exact},
        {"just below the critical point", kPws, kMKS, belowOf(373.946), 0, 1, "165494"},
        {"at absolute zero", kPws, kMKS, -273.15, 0, -1, "0", Check::Exact},
        {"below absolute zero", kPws, kMKS, -300.0, 0, -1, "0", Check::Exact},
        {"0.01 K, the exponential underflows", kPws, kMKS, -273.14, 0, 1, "0", Check::Exact},
    };
    core_test::expectReferences(table);
}

TEST(SaturationPressure, SwitchesFormulaExactlyAtZeroAndAtOneHundred)
{
    const Reference table[] = {
        {"just below 0: ice", kPws, kMKS, belowOf(0.0), 0, 1, "4.58403"},
        {"-0: water, as +0", kPws, kMKS, -0.0, 0, 1, "4.58447"},
        {"just below 100: water", kPws, kMKS, belowOf(100.0), 0, 1, "760.705"},
        {"99.999: water", kPws, kMKS, 99.999, 0, 1, "760.678"},
    };
    core_test::expectReferences(table);
}

TEST(HumidityFromPressure, MatchesReferenceValuesAndFailsWhenVapourReachesTotalPressure)
{
    HygrelClass engine;
    const double tenMmHgInHPa = 10.0 / engine.MmHgPerHPa;
    const Reference table[] = {
        {"760, 10", kPapw, kMKS, 760.0, 10.0, 1, "0.00829248"},
        {"1013.25 hPa, 13.3322 hPa", kPapw, kSI, 1013.25, 13.3322, 1, "0.00829246"},
        {"PA = PW", kPapw, kMKS, 760.0, 760.0, -1, "0", Check::Exact},
        {"PA < PW", kPapw, kMKS, 700.0, 760.0, -1, "0", Check::Exact},
        {"PA = PW in hPa", kPapw, kSI, 1013.25, 1013.25, -1, "0", Check::Exact},
        {"10", kPw, kMKS, 10.0, 0, 1, "0.00829248"},
        {"13.33224 hPa", kPw, kSI, tenMmHgInHPa, 0, 1, "0.00829248"},
        {"760", kPw, kMKS, 760.0, 0, -1, "0", Check::Exact},
        {"800", kPw, kMKS, 800.0, 0, -1, "0", Check::Exact},
        {"1100 hPa, above PTotal once converted", kPw, kSI, 1100.0, 0, -1, "0", Check::Exact},
        {"0", kPw, kMKS, 0.0, 0, 1, "0", Check::Exact},
    };
    core_test::expectReferences(table);
}

TEST(HumidityFromPressure, TotalPressureIsNeverConvertedInSiMode)
{
    // 1013.25 hPa is a hair below 760 mmHg once converted, so it is still
    // a valid vapour pressure against the unconverted PTotal.
    HygrelClass engine;
    engine.Mode = kSI;
    double pw = 1013.25;
    double ah = kSentinel;
    EXPECT_EQ(engine.F_PW2AH(pw, ah), 1);
    EXPECT_GT(ah, 1e7);
}

TEST(PressureFromHumidity, MatchesReferenceValuesInMmHgAndHPa)
{
    const Reference table[] = {
        {"760, 0.01", kPaah, kMKS, 760.0, 0.01, 1, "12.0265"},
        {"1013.25 hPa, 0.01", kPaah, kSI, 1013.25, 0.01, 1, "16.0341"},
        {"760, 0", kPaah, kMKS, 760.0, 0.0, 1, "0", Check::Exact},
    };
    core_test::expectReferences(table);
}

TEST(PressureFromHumidity, ZeroDivisorFailsAndLeavesTheOutputUntouched)
{
    // AH = -MolarMassWater / MolarMassAir makes the divisor exactly 0.
    HygrelClass engine;
    double pa = 760.0;
    double ah = -engine.MolarMassWater / engine.MolarMassAir;
    ASSERT_EQ(ah * engine.MolarMassAir + engine.MolarMassWater, 0.0);
    for (const std::int32_t mode : {kMKS, kSI}) {
        engine.Mode = mode;
        double pw = kSentinel;
        EXPECT_EQ(engine.F_PAAH2PW(pa, ah, pw), -1);
        EXPECT_EQ(pw, kSentinel);
    }
}

TEST(PressureFromHumidity, InvertsHumidityFromPressure)
{
    HygrelClass engine;
    for (const std::int32_t mode : {kMKS, kSI}) {
        engine.Mode = mode;
        double pa = mode == kSI ? 1013.25 : 760.0;
        double pw = mode == kSI ? 23.3925 : 17.5458;
        double ah = 0.0;
        double back = 0.0;
        ASSERT_EQ(engine.F_PAPW2AH(pa, pw, ah), 1);
        ASSERT_EQ(engine.F_PAAH2PW(pa, ah, back), 1);
        EXPECT_NEAR(back, pw, 1e-12 * pw);
    }
}

TEST(HumidityFromRelativeHumidity, MatchesReferenceValuesInBothModes)
{
    std::vector<Reference> table;
    for (const std::int32_t mode : {kMKS, kSI}) {
        const Reference perMode[] = {
            {"20, 50", kDbrh, mode, 20.0, 50.0, 1, "0.00726303"},
            {"20, 100", kDbrh, mode, 20.0, 100.0, 1, "0.0146977"},
            {"0, 100", kDbrh, mode, 0.0, 100.0, 1, "0.00377441"},
            {"-10, 100, over ice", kDbrh, mode, -10.0, 100.0, 1, "0.00159933"},
            {"150, 10", kDbrh, mode, 150.0, 10.0, 1, "0.551378"},
            {"20, 0", kDbrh, mode, 20.0, 0.0, 1, "0", Check::Exact},
            {"20, 120", kDbrh, mode, 20.0, 120.0, 1, "0.0177210"},
            {"99.97, 100", kDbrh, mode, 99.97, 100.0, 1, "4345.72"},
            {"100, 100: PWS above PTotal", kDbrh, mode, 100.0, 100.0, -1, "0", Check::Exact},
            {"400, 50: no saturation pressure", kDbrh, mode, 400.0, 50.0, -1, "0", Check::Exact},
            {"373.9, 0.1", kDbrh, mode, 373.9, 0.1, 1, "0.173006"},
        };
        table.insert(table.end(), std::begin(perMode), std::end(perMode));
    }
    core_test::expectReferences(table);
}

TEST(RelativeHumidity, MatchesReferenceValuesAndInvertsHumidityFromRelativeHumidity)
{
    const double ah2050 = humidityAt20And50();
    const Reference table[] = {
        {"20, AH(20, 50)", kDbah2rh, kMKS, 20.0, ah2050, 1, "50.0000"},
        {"20, 0.0073", kDbah2rh, kMKS, 20.0, 0.0073, 1, "50.2515"},
        {"20, 0.0073", kDbah2rh, kSI, 20.0, 0.0073, 1, "50.2515"},
        {"20, 0", kDbah2rh, kMKS, 20.0, 0.0, 1, "0", Check::Exact},
        {"-10, 0.001, over ice", kDbah2rh, kMKS, -10.0, 0.001, 1, "62.5862"},
        {"20, AHs(20)", kDbah2rh, kMKS, 20.0, saturationHumidity(20.0), 1, "100.000"},
    };
    core_test::expectReferences(table);
}

TEST(RelativeHumidity, RestoresTheCallersModeOnEveryPath)
{
    HygrelClass probe;
    const double zeroDivisor = -probe.MolarMassWater / probe.MolarMassAir;
    struct Path {
        const char* what;
        double db;
        double ah;
        int code;
    };
    const Path paths[] = {
        {"success", 20.0, 0.0073, 1},
        {"saturation pressure fails", 400.0, 0.01, -1},
        {"MolarMassWater / MolarMassAir + AH is 0", 20.0, zeroDivisor, -1},
        {"saturation pressure is 0", -270.0, 0.001, -1},
        {"overflow", 20.0, 1e308, -1},
        {"invalid operation", 20.0, std::numeric_limits<double>::quiet_NaN(), -1},
    };
    for (const Path& p : paths) {
        for (const std::int32_t mode : {kSI, 2, -1}) {
            SCOPED_TRACE(std::string(p.what) + ", Mode " + std::to_string(mode));
            HygrelClass engine;
            engine.Mode = mode;
            double db = p.db;
            double ah = p.ah;
            double rh = kSentinel;
            EXPECT_EQ(engine.F_DBAH2RH(db, ah, rh), p.code);
            EXPECT_EQ(engine.Mode, mode);
            if (p.code < 0) {
                EXPECT_EQ(rh, 0.0);
            }
        }
    }
}

TEST(RelativeHumidity, UsesTheSaturationPressureInMmHgWhateverTheMode)
{
    HygrelClass mks;
    HygrelClass si;
    si.Mode = kSI;
    for (const double db : {-10.0, 20.0, 150.0}) {
        double dbIn = db;
        double ah = 0.01;
        double rhMks = 0.0;
        double rhSi = 0.0;
        ASSERT_EQ(mks.F_DBAH2RH(dbIn, ah, rhMks), 1);
        ASSERT_EQ(si.F_DBAH2RH(dbIn, ah, rhSi), 1);
        EXPECT_EQ(rhSi, rhMks);
    }
}

TEST(DegreeOfSaturation, MatchesReferenceValuesAndFailsWithoutSaturationHumidity)
{
    // In SI mode the saturation humidity is reached through hPa and may
    // differ from the MKS one in the last bit; each mode divides by its own.
    const double ahs20 = saturationHumidity(20.0);
    const double ahs20Si = saturationHumidity(20.0, kSI);
    const Reference table[] = {
        {"20, AH(20, 50)", kDbah2rv, kMKS, 20.0, humidityAt20And50(), 1, "49.4161"},
        {"20, AHs(20)", kDbah2rv, kMKS, 20.0, ahs20, 1, "100", Check::Exact},
        {"20, AHs(20)", kDbah2rv, kSI, 20.0, ahs20Si, 1, "100", Check::Exact},
        {"100: saturation above PTotal", kDbah2rv, kMKS, 100.0, 0.01, -1, "0", Check::Exact},
        {"400: no saturation pressure", kDbah2rv, kMKS, 400.0, 0.01, -1, "0", Check::Exact},
        {"-270: saturation humidity 0 divides by zero", kDbah2rv, kMKS, -270.0, 0.001, -1, "0", Check::Exact},
    };
    core_test::expectReferences(table);
}

TEST(DewPoint, MatchesReferenceValues)
{
    HygrelClass engine;
    const double minusT0 = -engine.T0;
    ASSERT_EQ(minusT0, -273.149993896484375);
    const Reference table[] = {
        {"AH(20, 50)", kDp, kMKS, humidityAt20And50(), 0, 1, "9.27365"},
        {"0.0073", kDp, kMKS, 0.0073, 0, 1, "9.34813"},
        {"0.0073", kDp, kSI, 0.0073, 0, 1, "9.34813"},
        {"0.01", kDp, kMKS, 0.01, 0, 1, "14.0433"},
        {"0.001, frost point", kDp, kMKS, 0.001, 0, 1, "-15.1734"},
        {"AHs(0)", kDp, kMKS, saturationHumidity(0.0), 0, 1, "0", Check::Exact},
        {"1.0", kDp, kMKS, 1.0, 0, 1, "86.9649"},
        {"1.40157", kDp, kMKS, 1.40157, 0, 1, "89.99999"},
        {"10000.5, above the search", kDp, kMKS, 10000.5, 0, 1, "99.99999", Check::Exact},
    };
    core_test::expectReferences(table);
}

TEST(DewPoint, IsMinusT0BelowMinus200AndForNoHumidity)
{
    const Reference table[] = {
        {"0", kDp, kMKS, 0.0, 0, 1, "-273.149993896484375", Check::Exact},
        {"-0.001", kDp, kMKS, -0.001, 0, 1, "-273.149993896484375", Check::Exact},
        {"1e-29, below AHs(-200)", kDp, kMKS, 1e-29, 0, 1, "-273.149993896484375", Check::Exact},
        {"1.4e-29, above AHs(-200)", kDp, kMKS, 1.4e-29, 0, 1, "-199.993"},
    };
    core_test::expectReferences(table);
}

TEST(DewPoint, FailsWhenTheSearchStepsPastNinetyDegrees)
{
    const Reference table[] = {
        {"1.4016", kDp, kMKS, 1.4016, 0, -1, "0", Check::Exact},
        {"2", kDp, kMKS, 2.0, 0, -1, "0", Check::Exact},
        {"10000", kDp, kMKS, 10000.0, 0, -1, "0", Check::Exact},
    };
    core_test::expectReferences(table);
}

TEST(DewPoint, IsTheLargestGridPointWhoseSaturationHumidityDoesNotExceedTheHumidity)
{
    // The finest step of the search: 10 refined nine times by 0.1.
    double finest = 10.0;
    for (int i = 0; i < 9; ++i)
        finest = finest * 0.1;
    ASSERT_EQ(finest, 1.0000000000000005e-8);

    HygrelClass engine;
    for (const double ah : {0.0005, 0.001, 0.0073, 0.02, 0.5}) {
        SCOPED_TRACE(ah);
        double in = ah;
        double dp = 0.0;
        ASSERT_EQ(engine.F_AH2DP(in, dp), 1);
        EXPECT_LE(saturationHumidity(dp), ah);
        EXPECT_GT(saturationHumidity(dp + finest), ah);
    }
}

} // namespace
