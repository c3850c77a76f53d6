// The complete state from two given properties: the fifteen chains, their
// reference states, the round trips through every pair, and what a failing
// chain leaves in the state vector.
#include "search_cases.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <utility>

namespace {

using namespace search_test;

const CompleteMethod& method(const char* name)
{
    for (const CompleteMethod& m : kCompleteMethods) {
        if (std::string(m.name) == name)
            return m;
    }
    ADD_FAILURE() << "no method " << name;
    return kCompleteMethods[0];
}

// Expected figures per property; nullptr where a figure is not checked.
using Figures = std::array<const char*, PropertyCount>;

void expectFigures(const State& s, const Figures& figures)
{
    for (int p = 0; p < PropertyCount; ++p) {
        if (figures[p] == nullptr)
            continue;
        SCOPED_TRACE(kPropertyNames[p]);
        EXPECT_PRED_FORMAT2(matchesFigure, s[p], figures[p]);
    }
}

struct Case {
    const char* what;
    const char* method;
    std::int32_t mode;
    double first;
    double second;
    Figures expected;
};

void expectCase(const Case& c)
{
    SCOPED_TRACE(std::string(c.method) + " " + c.what);
    const CompleteMethod& m = method(c.method);
    HygrelClass engine;
    engine.Mode = c.mode;
    State s = givenPair(m, c.first, c.second);
    EXPECT_EQ(m(engine, s), 1);
    EXPECT_EQ(s[m.first], c.first) << "a given value is never recomputed";
    EXPECT_EQ(s[m.second], c.second) << "a given value is never recomputed";
    EXPECT_EQ(engine.Mode, c.mode);
    expectFigures(s, c.expected);
}

// ---- Reference states ----------------------------------------------------------

TEST(CompleteState, DryBulbAndHumidityGiveTheReferenceStates)
{
    const Case cases[] = {
        {"20 degC, 50 %", "C_DBRH", kMKS, 20.0, 50.0,
         {nullptr, nullptr, "0.007263032", "9.203721", "0.8401538", "13.78012", "9.273653"}},
        {"cold", "C_DBRH", kMKS, -10.0, 80.0,
         {nullptr, nullptr, "0.001278809", "-1.641551", "0.7470028", "-10.64941", "-12.48919"}},
        {"hot", "C_DBRH", kMKS, 35.0, 60.0,
         {nullptr, nullptr, "0.02144621", "21.54513", "0.9030494", "28.17227", "26.06844"}},
        {"20 degC, 50 %, kJ/kg", "C_DBRH", kSI, 20.0, 50.0,
         {nullptr, nullptr, "0.007263032", "38.53414", "0.8401538", "13.78012", "9.273653"}},
    };
    for (const Case& c : cases)
        expectCase(c);
}

// The 20 degC / 50 % state as printed.
constexpr double kPrinted[PropertyCount] = {20.0, 50.0, 0.007263032, 9.203721, 0.8401538, 13.78012, 9.273653};

// The pairs whose chains derive nothing through a humidity search.
const char* const kPairsThatReproduceTheState[] = {"C_DBAH", "C_DBEN", "C_RHAH", "C_RHEN", "C_RHWB",
                                                   "C_RHSV", "C_AHEN", "C_AHWB", "C_AHSV"};

void expectRoundTrip(const CompleteMethod& m, const double (&reference)[PropertyCount], std::int32_t mode)
{
    SCOPED_TRACE(m.name);
    HygrelClass engine;
    engine.Mode = mode;
    State s = givenPair(m, reference[m.first], reference[m.second]);
    ASSERT_EQ(m(engine, s), 1);
    for (int p = 0; p < PropertyCount; ++p) {
        SCOPED_TRACE(kPropertyNames[p]);
        if (m.gives(static_cast<Property>(p)))
            EXPECT_EQ(s[p], reference[p]);
        else
            EXPECT_PRED_FORMAT2(matchesFiveDigits, s[p], reference[p]);
    }
}

TEST(CompleteState, EveryPairOfThePrintedStateReproducesTheRestToFiveDigits)
{
    for (const char* name : kPairsThatReproduceTheState)
        expectRoundTrip(method(name), kPrinted, kMKS);
}

TEST(CompleteState, EveryPairOfTheComputedStateReproducesTheRestToFiveDigits)
{
    const State computed = stateFromDryBulbAndHumidity(20.0, 50.0);
    double reference[PropertyCount];
    std::copy(computed.begin(), computed.end(), reference);
    for (const char* name : kPairsThatReproduceTheState)
        expectRoundTrip(method(name), reference, kMKS);
}

TEST(CompleteState, EnthalpyPairsWorkInKilojoulesInUnitMode1)
{
    double reference[PropertyCount];
    std::copy(std::begin(kPrinted), std::end(kPrinted), reference);
    reference[EN] = 38.53414;
    for (const char* name : {"C_DBEN", "C_RHEN", "C_AHEN"})
        expectRoundTrip(method(name), reference, kSI);
    // Unit mode 1 gives the same relative humidity back from kJ/kg.
    const Case dbEn = {"kJ/kg", "C_DBEN", kSI, 20.0, 38.53414, {nullptr, "50.000", nullptr, nullptr, nullptr,
                                                                nullptr, nullptr}};
    expectCase(dbEn);
    const Case enSv = {"kJ/kg", "C_ENSV", kSI, 38.53414, 0.8401538,
                       {"20.0000", "49.962", "0.0072575", nullptr, nullptr, "13.7749", "9.26248"}};
    expectCase(enSv);
}

// ---- Grid-limited chains -----------------------------------------------------

TEST(CompleteState, HumiditySearchChainsCarryTheGridOfTheirSearch)
{
    const Case cases[] = {
        {"from the printed wet bulb", "C_DBWB", kMKS, 20.0, 13.78012,
         {nullptr, "49.962", "0.0072575", "9.20037", "0.840146", nullptr, "9.26248"}},
        {"from the printed volume", "C_DBSV", kMKS, 20.0, 0.8401538,
         {nullptr, "49.962", "0.0072575", nullptr, nullptr, "13.7749", "9.26248"}},
        {"from the printed enthalpy and volume", "C_ENSV", kMKS, 9.203721, 0.8401538,
         {"20.0000", "49.962", "0.0072575", nullptr, nullptr, "13.7749", "9.26248"}},
        {"from the printed wet bulb and volume", "C_WBSV", kMKS, 13.78012, 0.8401538,
         {"20.0026", "49.954", "0.0072575", "9.20099", nullptr, nullptr, "9.26248"}},
    };
    for (const Case& c : cases)
        expectCase(c);

    // 0.0072575 = -0.0000025 + 7 * 0.001 + 2 * 0.0001 + 6 * 0.00001, exactly
    // as the searches add it up.
    const double gridAh = humidityGridPoint({0, 7, 2, 6});
    for (const char* name : {"C_DBWB", "C_DBSV", "C_ENSV", "C_WBSV"}) {
        SCOPED_TRACE(name);
        const CompleteMethod& m = method(name);
        HygrelClass engine;
        State s = givenPair(m, kPrinted[m.first], kPrinted[m.second]);
        ASSERT_EQ(m(engine, s), 1);
        EXPECT_EQ(s[AH], gridAh);
    }
}

TEST(CompleteState, WetBulbAtZeroGivesTheLowestHumidityAndTheLowestDewPoint)
{
    const Case c = {"20 degC, wet bulb 0", "C_DBWB", kMKS, 20.0, 0.0,
                    {nullptr, "-0.0174115", "-0.0000025", "4.798484", "0.8304529", nullptr, nullptr}};
    expectCase(c);
    HygrelClass engine;
    State s = givenPair(method("C_DBWB"), 20.0, 0.0);
    ASSERT_EQ(engine.C_DBWB(s[DB], s[RH], s[AH], s[EN], s[SV], s[WB], s[DP]), 1);
    EXPECT_EQ(s[AH], humidityGridPoint({}));
    EXPECT_EQ(s[DP], -engine.T0);
}

// ---- The enthalpy check and the refused pair ------------------------------------

TEST(CompleteState, DryBulbAndEnthalpyRefusesAHumidityBelowTheSearchesLowestAndWritesNothing)
{
    const CompleteMethod& m = method("C_DBEN");
    HygrelClass engine;
    State s = givenPair(m, 50.0, 10.0);
    const State before = s;
    EXPECT_EQ(m(engine, s), -1);
    EXPECT_EQ(s, before);

    const Case c = {"just below the limit", "C_DBEN", kMKS, 41.0, 10.0,
                    {nullptr, "0.5434828", "0.0002599174", nullptr, "0.8903184", "15.18937", "-28.95897"}};
    expectCase(c);
}

TEST(CompleteState, DryBulbAndEnthalpyAcceptsExactlyUpToTheLimitDryBulb)
{
    HygrelClass engine;
    double en = 10.0;
    double lowest = -engine.TolCoarse;
    double dbMax = 0.0;
    ASSERT_EQ(engine.F_ENAH2DB(en, lowest, dbMax), 1);
    EXPECT_PRED_FORMAT2(matchesFigure, dbMax, "41.67308");

    const CompleteMethod& m = method("C_DBEN");
    State atLimit = givenPair(m, dbMax, 10.0);
    EXPECT_EQ(m(engine, atLimit), 1);
    EXPECT_NEAR(atLimit[AH], -engine.TolCoarse, 1e-15);

    State above = givenPair(m, std::nextafter(dbMax, kInf), 10.0);
    const State before = above;
    EXPECT_EQ(m(engine, above), -1);
    EXPECT_EQ(above, before);
}

TEST(CompleteState, EnthalpyAndWetBulbAlwaysFailAndWriteNothing)
{
    const CompleteMethod& m = method("C_ENWB");
    for (const auto& pair : {std::pair{9.203721, 13.78012}, std::pair{0.0, 0.0}, std::pair{kNaN, kInf}}) {
        HygrelClass engine;
        State s = givenPair(m, pair.first, pair.second);
        const State before = s;
        EXPECT_EQ(m(engine, s), -1);
        for (int p = 0; p < PropertyCount; ++p)
            EXPECT_TRUE(s[p] == before[p] || (std::isnan(s[p]) && std::isnan(before[p]))) << kPropertyNames[p];
    }
}

// ---- Failing chains ---------------------------------------------------------------

// What a failing chain leaves in each output: the value of an earlier step,
// the failing step's 0, or the caller's value for the later steps.
enum class Left { Given, Filled, Zero, Untouched };

TEST(CompleteState, AFailingChainStopsAtItsFirstFailingStep)
{
    using L = Left;
    const struct {
        const char* what;
        const char* method;
        double first;
        double second;
        std::array<Left, PropertyCount> left; // DB RH AH EN SV WB DP
    } cases[] = {
        {"first step: saturated air holds no 2 kg/kg'", "C_RHAH", 100.0, 2.0,
         {L::Zero, L::Given, L::Given, L::Untouched, L::Untouched, L::Untouched, L::Untouched}},
        {"first step: saturation humidity at 100 degC", "C_DBRH", 100.0, 100.0,
         {L::Given, L::Given, L::Zero, L::Untouched, L::Untouched, L::Untouched, L::Untouched}},
        {"second step: no saturation pressure at 400 degC", "C_DBAH", 400.0, 0.01,
         {L::Given, L::Zero, L::Given, L::Filled, L::Untouched, L::Untouched, L::Untouched}},
        {"fourth step: the wet bulb would boil", "C_DBAH", 20.0, 2.0,
         {L::Given, L::Filled, L::Given, L::Filled, L::Filled, L::Zero, L::Untouched}},
        {"last step: no dew point below 100 degC", "C_AHEN", 1.45, 900.0,
         {L::Filled, L::Filled, L::Given, L::Given, L::Filled, L::Filled, L::Zero}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + ": " + c.what);
        const CompleteMethod& m = method(c.method);
        HygrelClass engine;
        State s = givenPair(m, c.first, c.second);
        EXPECT_EQ(m(engine, s), -1);
        for (int p = 0; p < PropertyCount; ++p) {
            SCOPED_TRACE(kPropertyNames[p]);
            switch (c.left[p]) {
            case L::Given:
                EXPECT_EQ(s[p], p == m.first ? c.first : c.second);
                break;
            case L::Filled:
                EXPECT_NE(s[p], kSentinel);
                EXPECT_TRUE(std::isfinite(s[p]));
                break;
            case L::Zero:
                EXPECT_EQ(s[p], 0.0);
                break;
            case L::Untouched:
                EXPECT_EQ(s[p], kSentinel);
                break;
            }
        }
    }
}

TEST(CompleteState, AFaultInAHumiditySearchLeavesItsCandidateAndStopsTheChain)
{
    // A NaN wet bulb makes the search's first overshoot test invalid.
    const struct {
        const char* method;
        double first;
        double second;
    } cases[] = {{"C_DBWB", 20.0, kNaN}, {"C_WBSV", kNaN, 0.85}};
    const double firstCandidate = -HygrelClass().TolCoarse + 0.01;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        const CompleteMethod& m = method(c.method);
        HygrelClass engine;
        State s = givenPair(m, c.first, c.second);
        EXPECT_EQ(m(engine, s), -1);
        EXPECT_EQ(s[AH], firstCandidate);
        for (Property later : {DB, RH, EN, SV, DP}) {
            if (!m.gives(later)) {
                EXPECT_EQ(s[later], kSentinel) << kPropertyNames[later];
            }
        }
    }
}

TEST(CompleteState, LeavesTheUnitModeAsItWas)
{
    const State reference = stateFromDryBulbAndHumidity(20.0, 50.0);
    for (std::int32_t mode : {0, 1, 2}) {
        for (const CompleteMethod& m : kCompleteMethods) {
            SCOPED_TRACE(::testing::Message() << m.name << ", Mode " << mode);
            HygrelClass engine;
            engine.Mode = mode;
            State s = givenPair(m, reference[m.first], reference[m.second]);
            m(engine, s);
            EXPECT_EQ(engine.Mode, mode);
        }
    }
}

} // namespace
