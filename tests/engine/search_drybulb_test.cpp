// The dry-bulb solvers: relative humidity paired with humidity, enthalpy,
// wet bulb or volume, and volume paired with enthalpy, each one stepping
// search over the candidate dry bulb from -270 degC.
#include "search_cases.h"

#include <cmath>

namespace {

using namespace search_test;

const Relation kRhah2db = SEARCH_RELATION(F_RHAH2DB);
const Relation kRhen2db = SEARCH_RELATION(F_RHEN2DB);
const Relation kRhwb2db = SEARCH_RELATION(F_RHWB2DB);
const Relation kRhsv2db = SEARCH_RELATION(F_RHSV2DB);
const Relation kSven2db = SEARCH_RELATION(F_SVEN2DB);

double call(const Relation& r, double a, double b, std::int32_t mode = kMKS)
{
    HygrelClass engine;
    engine.Mode = mode;
    double out = kSentinel;
    EXPECT_EQ(r(engine, a, b, out), 1) << r.name << "(" << a << ", " << b << ")";
    return out;
}

bool isVolumeEnthalpySolver(const Relation& solver) { return solver.method == &HygrelClass::F_SVEN2DB; }

// The value a solver with inputs (a, b) compares with its target at candidate
// dry bulb t, formed with the public relations.
double trialValue(const Relation& solver, double a, double b, double t)
{
    HygrelClass e;
    double ah = 0.0;
    if (isVolumeEnthalpySolver(solver)) {
        double en = b;
        EXPECT_EQ(e.F_ENDB2AH(en, t, ah), 1);
    } else {
        double rh = a;
        EXPECT_EQ(e.F_DBRH2AH(t, rh, ah), 1);
    }
    double value = ah;
    int code = 1;
    if (solver.method == &HygrelClass::F_RHEN2DB)
        code = e.F_DBAH2EN(t, ah, value);
    else if (solver.method == &HygrelClass::F_RHWB2DB)
        code = e.F_DBAH2WB(t, ah, value);
    else if (solver.method != &HygrelClass::F_RHAH2DB)
        code = e.F_DBAH2SV(t, ah, value);
    EXPECT_EQ(code, 1);
    return value;
}

// F_SVEN2DB aims at its first input, the volume; the others at the second.
double targetOf(const Relation& solver, double a, double b) { return isVolumeEnthalpySolver(solver) ? a : b; }

TEST(DryBulbSolvers, MatchReferenceValues)
{
    const Reference table[] = {
        {"50 %", kRhah2db, kMKS, 50.0, 0.0073, 1, "20.08103"},
        {"saturated: the dew point", kRhah2db, kMKS, 100.0, 0.0073, 1, "9.34813"},
        {"saturated, very humid", kRhah2db, kMKS, 100.0, 1.3, 1, "89.37639"},
        {"the 100 degC candidate fails", kRhah2db, kMKS, 100.0, 1.5, -1, "0", Check::Exact},
        {"dry air never reaches the humidity", kRhah2db, kMKS, 0.0, 0.001, -1, "0", Check::Exact},
        {"50 %", kRhen2db, kMKS, 50.0, 10.0, 1, "21.49870"},
        {"50 %, kJ/kg", kRhen2db, kSI, 50.0, 41.868, 1, "21.49870"},
        {"dry air beyond the saturation range", kRhen2db, kMKS, 0.0, 100.0, -1, "0", Check::Exact},
        {"50 %", kRhwb2db, kMKS, 50.0, 15.0, 1, "21.48582"},
        {"dry air", kRhwb2db, kMKS, 0.0, 20.0, 1, "55.90649"},
        {"saturated: wet bulb equals dry bulb", kRhwb2db, kMKS, 100.0, 50.0, 1, "50.0000"},
        {"50 %", kRhsv2db, kMKS, 50.0, 0.85, 1, "22.78977"},
        {"dry air", kRhsv2db, kMKS, 0.0, 1.0, 1, "79.84875"},
        {"dry air beyond the saturation range", kRhsv2db, kMKS, 0.0, 2.0, -1, "0", Check::Exact},
        {"ordinary", kSven2db, kMKS, 0.85, 10.0, 1, "23.47311"},
        {"ordinary, kJ/kg", kSven2db, kSI, 0.85, 41.868, 1, "23.47311"},
        {"needs candidates above 10^6 degC: step limit", kSven2db, kMKS, 400.0, 10.0, -1, "0", Check::Exact},
    };
    expectReferences(table);
}

TEST(DryBulbSolvers, DryAirEnthalpyLandsOnTheGridPointBelowTheExactCrossing)
{
    // EN = CpAir * t for dry air; CpAir holds the single-precision 0.24, so
    // the crossing is at 208.3333380 and the solver returns the grid point
    // just below it. The figure 208.33333 is that value cut after five
    // decimals rather than rounded.
    const double crossing = 50.0 / HygrelClass().CpAir;
    const double db = call(kRhen2db, 0.0, 50.0);
    EXPECT_LE(db, crossing);
    EXPECT_GT(db, crossing - 1e-8);
    EXPECT_GE(db, 208.33333);
    EXPECT_LT(db, 208.33334);
}

TEST(DryBulbSolvers, SaturatedHumiditySolverAgreesWithTheDewPoint)
{
    for (double ah : {0.0073, 0.001, 0.01, 0.1, 1.0}) {
        SCOPED_TRACE(ah);
        HygrelClass engine;
        double humidity = ah;
        double dp = 0.0;
        ASSERT_EQ(engine.F_AH2DP(humidity, dp), 1);
        EXPECT_EQ(call(kRhah2db, 100.0, ah), dp);
    }
}

TEST(DryBulbSolvers, ResultIsTheLargestGridPointWhoseTrialDoesNotExceedTheTarget)
{
    const struct {
        Relation solver;
        double a;
        double b;
    } cases[] = {
        {kRhah2db, 50.0, 0.0073},  {kRhah2db, 80.0, 0.0012}, {kRhen2db, 50.0, 10.0},
        {kRhen2db, 30.0, -2.0},    {kRhwb2db, 50.0, 15.0},   {kRhwb2db, 90.0, -5.0},
        {kRhsv2db, 50.0, 0.85},    {kRhsv2db, 10.0, 0.9},    {kSven2db, 0.85, 10.0},
        {kSven2db, 0.9, 30.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.solver.name << "(" << c.a << ", " << c.b << ")");
        const double db = call(c.solver, c.a, c.b);
        const double target = targetOf(c.solver, c.a, c.b);
        EXPECT_LE(trialValue(c.solver, c.a, c.b, db), target);
        EXPECT_GT(trialValue(c.solver, c.a, c.b, db + 2e-8), target);
    }
}

TEST(DryBulbSolvers, GiveBackTheDryBulbOfTheStateAt20DegreesAnd50Percent)
{
    const State s = stateFromDryBulbAndHumidity(20.0, 50.0);
    EXPECT_PRED_FORMAT2(matchesFigure, call(kRhah2db, 50.0, s[AH]), "20.0000");
    EXPECT_PRED_FORMAT2(matchesFigure, call(kRhen2db, 50.0, s[EN]), "20.0000");
    EXPECT_PRED_FORMAT2(matchesFigure, call(kRhwb2db, 50.0, s[WB]), "20.0000");
    EXPECT_PRED_FORMAT2(matchesFigure, call(kRhsv2db, 50.0, s[SV]), "20.0000");
    EXPECT_PRED_FORMAT2(matchesFigure, call(kSven2db, s[SV], s[EN]), "20.0000");
    // The same from the figures as they are printed.
    EXPECT_PRED_FORMAT2(matchesFigure, call(kRhen2db, 50.0, 9.2037213), "20.0000");
    EXPECT_PRED_FORMAT2(matchesFigure, call(kRhwb2db, 50.0, 13.780123), "20.0000");
    EXPECT_PRED_FORMAT2(matchesFigure, call(kRhsv2db, 50.0, 0.84015379), "20.0000");
    EXPECT_PRED_FORMAT2(matchesFigure, call(kSven2db, 0.84015379, 9.2037213), "20.0000");
}

TEST(DryBulbSolvers, ReturnTheStartWhenEveryTrialOvershoots)
{
    const double start = temperatureGridPoint({});
    EXPECT_EQ(call(kRhah2db, 50.0, -1.0), start);
    EXPECT_EQ(call(kRhen2db, 50.0, -1000.0), start);
    EXPECT_EQ(call(kRhsv2db, 50.0, 0.0), start);
    EXPECT_EQ(call(kSven2db, -1.0, 10.0), start);
}

TEST(DryBulbSolvers, OnlyTheEnthalpyDependsOnTheUnitMode)
{
    const HygrelClass e;
    EXPECT_NEAR(call(kRhen2db, 50.0, 10.0 * e.KJPerKcal, kSI), call(kRhen2db, 50.0, 10.0), 2e-8);
    EXPECT_NEAR(call(kSven2db, 0.85, 10.0 * e.KJPerKcal, kSI), call(kSven2db, 0.85, 10.0), 2e-8);
    // Humidity, wet bulb and volume targets mean the same in both modes.
    EXPECT_NEAR(call(kRhah2db, 50.0, 0.0073, kSI), call(kRhah2db, 50.0, 0.0073), 2e-8);
    EXPECT_NEAR(call(kRhwb2db, 50.0, 15.0, kSI), call(kRhwb2db, 50.0, 15.0), 2e-8);
    EXPECT_NEAR(call(kRhsv2db, 50.0, 0.85, kSI), call(kRhsv2db, 50.0, 0.85), 2e-8);
}

// Volume with enthalpy 10 kcal/kg grows by about 3.5e-4 m3/kg per kelvin far
// above any physical temperature, so a target there costs one accepted step
// per 10 K of the first step size.
class DryBulbStepLimit : public ::testing::Test {
protected:
    static double volumeAt(double t)
    {
        HygrelClass e;
        double en = 10.0;
        double ah = 0.0;
        double sv = 0.0;
        EXPECT_EQ(e.F_ENDB2AH(en, t, ah), 1);
        EXPECT_EQ(e.F_DBAH2SV(t, ah, sv), 1);
        return sv;
    }
};

TEST_F(DryBulbStepLimit, AllowsTheHundredThousandthUpwardStep)
{
    // -260 ... 999720 in steps of 10 is 99999 accepted steps; 999721 is the
    // 100000th. Every later trial overshoots.
    HygrelClass engine;
    double db = kSentinel;
    EXPECT_EQ(kSven2db(engine, volumeAt(999721.0), 10.0, db), 1);
    EXPECT_NEAR(db, 999721.0, 1e-6);
}

TEST_F(DryBulbStepLimit, FailsAtTheHundredThousandAndFirst)
{
    HygrelClass engine;
    double db = kSentinel;
    EXPECT_EQ(kSven2db(engine, volumeAt(999722.0), 10.0, db), -1);
    EXPECT_EQ(db, 0.0);
}

TEST(DryBulbSolvers, FailWithZeroAfterAFloatingPointFault)
{
    const Relation solvers[] = {kRhah2db, kRhen2db, kRhwb2db, kRhsv2db, kSven2db};
    for (const Relation& r : solvers) {
        for (bool nanFirst : {true, false}) {
            SCOPED_TRACE(::testing::Message() << r.name << (nanFirst ? " NaN first" : " NaN target"));
            HygrelClass engine;
            double out = kSentinel;
            EXPECT_EQ(r(engine, nanFirst ? kNaN : 50.0, nanFirst ? 10.0 : kNaN, out), -1);
            EXPECT_EQ(out, 0.0);
        }
    }
}

} // namespace
