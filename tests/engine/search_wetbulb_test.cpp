// The thermodynamic wet bulb: the closed-form dry bulb from wet bulb and
// humidity, its three stepping-search inversions, and the psychrometer
// relation with its temporary unit mode.
#include "search_cases.h"

#include <cmath>
#include <limits>

namespace {

using namespace search_test;

const Relation kWbah2db = SEARCH_RELATION(F_WBAH2DB);
const Relation kDbah2wb = SEARCH_RELATION(F_DBAH2WB);
const Relation kDbwb2ah = SEARCH_RELATION(F_DBWB2AH);
const Relation kSvwb2ah = SEARCH_RELATION(F_SVWB2AH);
const Relation kDbwb2rh = SEARCH_RELATION(F_DBWB2RH);

double call(const Relation& r, double a, double b, std::int32_t mode = kMKS)
{
    HygrelClass engine;
    engine.Mode = mode;
    double out = kSentinel;
    EXPECT_EQ(r(engine, a, b, out), 1) << r.name << "(" << a << ", " << b << ")";
    return out;
}

double below(double x) { return std::nextafter(x, -kInf); }

// ---- F_WBAH2DB ---------------------------------------------------------------

TEST(DryBulbFromWetBulb, MatchesReferenceValuesOnBothPhasesOfTheBulb)
{
    const Reference table[] = {
        {"water bulb", kWbah2db, kMKS, 15.0, 0.008, 1, "21.40813"},
        {"ice bulb", kWbah2db, kMKS, -5.0, 0.001, 1, "-0.84143"},
        {"0 degC counts as water", kWbah2db, kMKS, 0.0, 0.001, 1, "6.89446"},
        {"just below 0 is ice", kWbah2db, kMKS, -1e-9, 0.001, 1, "7.81307"},
        {"back from the wet bulb of 20 degC", kWbah2db, kMKS, 13.81517, 0.0073, 1, "20.0000"},
        {"next to the boiling point", kWbah2db, kMKS, 99.97, 0.01, 1, "9.63e6"},
        {"saturation pressure reaches the total pressure", kWbah2db, kMKS, 99.98, 0.01, -1, "0", Check::Exact},
        {"below absolute zero", kWbah2db, kMKS, -300.0, 0.01, -1, "0", Check::Exact},
    };
    expectReferences(table);
}

TEST(DryBulbFromWetBulb, NegativeZeroIsWaterAndTheSmallestNegativeWetBulbIsIce)
{
    EXPECT_EQ(call(kWbah2db, -0.0, 0.001), call(kWbah2db, 0.0, 0.001));
    const double tiniest = -std::numeric_limits<double>::denorm_min();
    EXPECT_PRED_FORMAT2(matchesFigure, call(kWbah2db, tiniest, 0.001), "7.81307");
}

TEST(DryBulbFromWetBulb, FailsWhenTheHumidityMakesTheDivisorExactlyZero)
{
    HygrelClass engine;
    const double zeroDivisor = -engine.CpAir / engine.CpVapour;
    ASSERT_EQ(engine.CpVapour * zeroDivisor + engine.CpAir, 0.0);
    double out = kSentinel;
    EXPECT_EQ(kWbah2db(engine, 15.0, zeroDivisor, out), -1);
    EXPECT_EQ(out, 0.0);
    // One unit in the last place away the divisor is tiny but not zero.
    EXPECT_EQ(kWbah2db(engine, 15.0, std::nextafter(zeroDivisor, 0.0), out), 1);
    EXPECT_GT(out, 1e18);
}

// ---- F_DBAH2WB ---------------------------------------------------------------

TEST(WetBulbSearch, MatchesReferenceValues)
{
    const Reference table[] = {
        {"20 degC", kDbah2wb, kMKS, 20.0, 0.0073, 1, "13.81517"},
        {"ice branch", kDbah2wb, kMKS, -10.0, 0.001, 1, "-11.22267"},
        {"below the phase switch: ice", kDbah2wb, kMKS, 6.8, 0.001, 1, "-0.54409"},
        {"above the phase switch: water", kDbah2wb, kMKS, 6.9, 0.001, 1, "0.00330"},
        {"humidity above 10000", kDbah2wb, kMKS, 20.0, 20000.0, 1, "100", Check::Exact},
        {"humidity above 10000, any dry bulb", kDbah2wb, kMKS, -50.0, 20000.0, 1, "100", Check::Exact},
        {"humidity above 10000, huge dry bulb", kDbah2wb, kMKS, 1e6, 10000.5, 1, "100", Check::Exact},
        {"humidity 10000 is searched", kDbah2wb, kMKS, 20.0, 10000.0, -1, "0", Check::Exact},
        {"too humid: trial wet bulb reaches boiling", kDbah2wb, kMKS, 20.0, 2.0, -1, "0", Check::Exact},
        {"thousands of degrees", kDbah2wb, kMKS, 1e4, 0.01, -1, "0", Check::Exact},
    };
    expectReferences(table);
}

TEST(WetBulbSearch, ResultIsTheLargestGridPointWhoseDryBulbDoesNotExceedTheTarget)
{
    const struct {
        double db;
        double ah;
    } cases[] = {{20.0, 0.0073}, {-10.0, 0.001}, {35.0, 0.0214}, {60.0, 0.05}, {0.5, 0.003}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "DB " << c.db << ", AH " << c.ah);
        const double wb = call(kDbah2wb, c.db, c.ah);
        EXPECT_LE(call(kWbah2db, wb, c.ah), c.db);
        EXPECT_GT(call(kWbah2db, wb + 2e-8, c.ah), c.db);
    }
}

TEST(WetBulbSearch, TakesTheWaterSolutionWhereBothPhasesHaveOne)
{
    const double ah = 0.001;
    const double switchDryBulb = call(kWbah2db, 0.0, ah); // 6.89446...
    // At the switch the candidate 0 meets the target exactly and is kept.
    EXPECT_EQ(call(kDbah2wb, switchDryBulb, ah), 0.0);
    for (double db : {7.0, 7.5, 7.81307}) {
        SCOPED_TRACE(db);
        const double wb = call(kDbah2wb, db, ah);
        EXPECT_GE(wb, 0.0);
        EXPECT_LT(wb, 0.6);
    }
    EXPECT_LT(call(kDbah2wb, below(switchDryBulb), ah), 0.0);
}

TEST(WetBulbSearch, ReturnsTheStartWhenEveryTrialOvershoots)
{
    EXPECT_EQ(call(kDbah2wb, -300.0, 0.0073), temperatureGridPoint({}));
    EXPECT_EQ(temperatureGridPoint({}), -270.0);
}

TEST(WetBulbSearch, IsTheSameInBothUnitModes)
{
    EXPECT_EQ(call(kDbah2wb, 20.0, 0.0073, kSI), call(kDbah2wb, 20.0, 0.0073, kMKS));
    EXPECT_EQ(call(kDbah2wb, -10.0, 0.001, kSI), call(kDbah2wb, -10.0, 0.001, kMKS));
    EXPECT_EQ(call(kWbah2db, 15.0, 0.008, kSI), call(kWbah2db, 15.0, 0.008, kMKS));
}

// ---- F_DBWB2AH and F_SVWB2AH ---------------------------------------------------

TEST(HumidityFromWetBulb, LandsExactlyOnTheGridOfTheHumiditySearch)
{
    // 0.0085775 = -0.0000025 + 0 * 0.01 + 8 * 0.001 + 5 * 0.0001 + 8 * 0.00001.
    const double ah = call(kDbwb2ah, 20.0, 15.0);
    EXPECT_EQ(ah, humidityGridPoint({0, 8, 5, 8}));
    EXPECT_NEAR(ah, 0.0085775, 1e-12);

    const double fromVolume = call(kSvwb2ah, 0.85, 15.0);
    EXPECT_EQ(fromVolume, humidityGridPoint({0, 7, 1, 4}));
    EXPECT_NEAR(fromVolume, 0.0071375, 1e-12);
}

TEST(HumidityFromWetBulb, ReturnsTheStartWhenEvenDryAirIsTooWarm)
{
    // Perfectly dry air at 20 degC has a wet bulb of about 5.8 degC.
    const double ah = call(kDbwb2ah, 20.0, 0.0);
    // Each overshooting trial is withdrawn by subtraction, which leaves the
    // start value -TolCoarse off by a few units in its last place.
    EXPECT_EQ(ah, humidityGridPoint({}));
    EXPECT_NEAR(ah, -HygrelClass().TolCoarse, 1e-15);
    EXPECT_PRED_FORMAT2(matchesFigure, ah, "-0.0000025");
}

TEST(HumidityFromWetBulb, ResultIsTheLargestGridPointWhoseWetBulbDoesNotExceedTheTarget)
{
    const struct {
        double db;
        double wb;
    } cases[] = {{20.0, 15.0}, {20.0, 13.78012}, {35.0, 28.0}, {-10.0, -11.0}, {5.0, 1.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "DB " << c.db << ", WB " << c.wb);
        const double ah = call(kDbwb2ah, c.db, c.wb);
        EXPECT_LE(call(kDbah2wb, c.db, ah), c.wb);
        EXPECT_GT(call(kDbah2wb, c.db, ah + 0.00001), c.wb);
    }
}

TEST(HumidityFromWetBulb, VolumeVariantAgreesWithTheDryBulbOfItsOwnResult)
{
    HygrelClass engine;
    double sv = 0.85;
    double ah = call(kSvwb2ah, sv, 15.0);
    double db = 0.0;
    ASSERT_EQ(engine.F_SVAH2DB(sv, ah, db), 1);
    EXPECT_LE(call(kDbah2wb, db, ah), 15.0);
}

TEST(HumidityFromWetBulb, FailsWithZeroWhenTheInnerWetBulbSearchFails)
{
    for (double wb : {100.0, 150.0, 1e308, kInf}) {
        SCOPED_TRACE(wb);
        HygrelClass engine;
        double out = kSentinel;
        EXPECT_EQ(kDbwb2ah(engine, 20.0, wb, out), -1);
        EXPECT_EQ(out, 0.0);
        out = kSentinel;
        EXPECT_EQ(kSvwb2ah(engine, 0.85, wb, out), -1);
        EXPECT_EQ(out, 0.0);
    }
}

TEST(HumidityFromWetBulb, LeavesTheCandidateReachedAfterAFloatingPointFault)
{
    const struct {
        Relation relation;
        double ordinaryFirstInput;
    } searches[] = {{kDbwb2ah, 20.0}, {kSvwb2ah, 0.85}};
    const double firstCandidate = -HygrelClass().TolCoarse + 0.01;
    for (const auto& s : searches) {
        SCOPED_TRACE(s.relation.name);
        HygrelClass engine;
        // A NaN target makes the first overshoot test an invalid operation.
        double out = kSentinel;
        EXPECT_EQ(s.relation(engine, s.ordinaryFirstInput, kNaN, out), -1);
        EXPECT_EQ(out, firstCandidate);
        // A NaN first input fails inside the inner relation instead: output 0.
        out = kSentinel;
        EXPECT_EQ(s.relation(engine, kNaN, 15.0, out), -1);
        EXPECT_EQ(out, 0.0);
    }
}

TEST(HumidityFromWetBulb, IsTheSameInBothUnitModes)
{
    EXPECT_EQ(call(kDbwb2ah, 20.0, 15.0, kSI), call(kDbwb2ah, 20.0, 15.0, kMKS));
    EXPECT_EQ(call(kSvwb2ah, 0.85, 15.0, kSI), call(kSvwb2ah, 0.85, 15.0, kMKS));
}

// ---- F_DBWB2RH ---------------------------------------------------------------

TEST(PsychrometerHumidity, MatchesReferenceValues)
{
    const Reference table[] = {
        {"water bulb", kDbwb2rh, kMKS, 20.0, 15.0, 1, "58.5798"},
        {"ice coefficient below 0", kDbwb2rh, kMKS, 5.0, -2.0, 1, "11.9436"},
        {"0 degC takes the ice coefficient; not limited to 0..100", kDbwb2rh, kMKS, 20.0, 0.0, 1, "-24.3769"},
        {"water bulb, SI mode", kDbwb2rh, kSI, 20.0, 15.0, 1, "58.5798"},
    };
    expectReferences(table);
}

TEST(PsychrometerHumidity, EqualBulbsGiveTheSaturationQuotient)
{
    // With DB = WB the formula is P * 100 / P, which in double arithmetic is
    // one unit in the last place above 100 at 20 degC.
    HygrelClass engine;
    engine.Mode = kSI;
    double db = 20.0;
    double p = 0.0;
    ASSERT_EQ(engine.F_DB2PWS(db, p), 1);
    const double rh = call(kDbwb2rh, 20.0, 20.0);
    EXPECT_EQ(rh, p * 100.0 / p);
    EXPECT_NEAR(rh, 100.0, 1e-12);
}

TEST(PsychrometerHumidity, LeavesTheOutputUntouchedOnFailure)
{
    const struct {
        const char* what;
        double db;
        double wb;
    } cases[] = {
        {"dry bulb beyond the critical point", 400.0, 15.0},
        {"wet bulb beyond the critical point", 20.0, 400.0},
        {"dry bulb at absolute zero", -273.15, -274.0},
        {"saturation pressure underflows to 0", -266.0, -200.0},
        {"quotient overflows just above that", -265.0, -200.0},
        {"NaN dry bulb", kNaN, 15.0},
        {"NaN wet bulb", 20.0, kNaN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HygrelClass engine;
        double out = kSentinel;
        EXPECT_EQ(kDbwb2rh(engine, c.db, c.wb, out), -1);
        EXPECT_EQ(out, kSentinel);
    }
}

TEST(PsychrometerHumidity, RestoresTheCallersUnitModeOnEveryPath)
{
    const struct {
        const char* what;
        double db;
        double wb;
        int code;
    } paths[] = {
        {"success", 20.0, 15.0, 1},
        {"dry bulb fails", 400.0, 15.0, -1},
        {"wet bulb fails", 20.0, 400.0, -1},
        {"zero saturation pressure", -266.0, -200.0, -1},
        {"overflowing quotient", -265.0, -200.0, -1},
    };
    for (std::int32_t mode : {0, 1, 2, -1}) {
        for (const auto& p : paths) {
            SCOPED_TRACE(::testing::Message() << p.what << ", Mode " << mode);
            HygrelClass engine;
            engine.Mode = mode;
            double out = kSentinel;
            EXPECT_EQ(kDbwb2rh(engine, p.db, p.wb, out), p.code);
            EXPECT_EQ(engine.Mode, mode);
        }
    }
}

TEST(PsychrometerHumidity, IsTheSameInEveryUnitMode)
{
    for (std::int32_t mode : {1, 2}) {
        EXPECT_EQ(call(kDbwb2rh, 20.0, 15.0, mode), call(kDbwb2rh, 20.0, 15.0, kMKS));
        EXPECT_EQ(call(kDbwb2rh, 5.0, -2.0, mode), call(kDbwb2rh, 5.0, -2.0, kMKS));
    }
}

} // namespace
