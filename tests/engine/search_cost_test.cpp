// The cost of the nested searches, counted on the counting copy of the
// engine: trials of each search and relation calls of the complete-state
// chains. A relation call is every F_ method called, nested calls included,
// down to the saturation pressure inside each saturation humidity; that is
// the count the chains' typical costs are stated in.
#include "EvaluationCounter.h"
#include "search_cases.h"

#include <cstdint>
#include <string>

namespace {

using namespace search_test;
namespace counting = vapcore::counting;

// Runs one relation on fresh counters; the result code must be `code`.
void runCounted(const Relation& r, double a, double b, int code = 1)
{
    HygrelClass engine;
    double out = kSentinel;
    counting::reset();
    EXPECT_EQ(r(engine, a, b, out), code) << r.name << "(" << a << ", " << b << ")";
}

// "about N": within 5 % of N.
::testing::AssertionResult isAbout(const char* expr, const char*, std::uint64_t actual, std::uint64_t about)
{
    const double slack = 0.05 * static_cast<double>(about);
    if (static_cast<double>(actual) >= static_cast<double>(about) - slack &&
        static_cast<double>(actual) <= static_cast<double>(about) + slack)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << expr << " = " << actual << ", not about " << about;
}

TEST(SearchCost, WetBulbSearchAt20DegreesTakes79Trials)
{
    runCounted(SEARCH_RELATION(F_DBAH2WB), 20.0, 0.0073);
    EXPECT_EQ(counting::count(counting::F_WBAH2DB), 79u);
    EXPECT_EQ(counting::count(counting::F_DB2PWS), 79u);
}

TEST(SearchCost, HumidityFromWetBulbRunsAWetBulbSearchPerTrial)
{
    runCounted(SEARCH_RELATION(F_DBWB2AH), 20.0, 15.0);
    EXPECT_EQ(counting::count(counting::F_DBAH2WB), 25u);
    EXPECT_PRED_FORMAT2(isAbout, counting::count(counting::F_WBAH2DB), 2000u);

    runCounted(SEARCH_RELATION(F_SVWB2AH), 0.85, 15.0);
    EXPECT_EQ(counting::count(counting::F_DBAH2WB), counting::count(counting::F_SVAH2DB));
    EXPECT_PRED_FORMAT2(isAbout, counting::count(counting::F_WBAH2DB), 1300u);
}

TEST(SearchCost, HumidityFromABoilingWetBulbFailsAfter152Trials)
{
    for (double wb : {100.0, 120.0, 1e6}) {
        SCOPED_TRACE(wb);
        runCounted(SEARCH_RELATION(F_DBWB2AH), 20.0, wb, -1);
        EXPECT_EQ(counting::count(counting::F_DBAH2WB), 152u);
    }
}

TEST(SearchCost, DryBulbSolversTakeTheStatedTrials)
{
    runCounted(SEARCH_RELATION(F_RHAH2DB), 50.0, 0.0073);
    EXPECT_EQ(counting::count(counting::F_DBRH2AH), 68u);
    EXPECT_EQ(counting::count(counting::F_DB2PWS), 68u) << "one saturation pressure per trial";

    runCounted(SEARCH_RELATION(F_RHEN2DB), 50.0, 10.0);
    EXPECT_EQ(counting::count(counting::F_DBRH2AH), 96u);
    EXPECT_EQ(counting::count(counting::F_DB2PWS), 96u) << "one saturation pressure per trial";

    runCounted(SEARCH_RELATION(F_RHWB2DB), 50.0, 15.0);
    EXPECT_EQ(counting::count(counting::F_DBAH2WB), 80u);
    EXPECT_PRED_FORMAT2(isAbout, counting::count(counting::F_WBAH2DB), 6000u);
}

TEST(SearchCost, TheStepLimitEndsTheSearchAtItsHundredThousandAndFirstTrial)
{
    runCounted(SEARCH_RELATION(F_SVEN2DB), 400.0, 10.0, -1);
    EXPECT_EQ(counting::count(counting::F_ENDB2AH), 100001u);
    EXPECT_EQ(counting::count(counting::F_DBAH2SV), 100001u);
}

// Relation calls of one complete-state method at the 20 degC / 50 % state.
std::uint64_t relationCallsAt20And50(const CompleteMethod& m)
{
    const State reference = stateFromDryBulbAndHumidity(20.0, 50.0);
    HygrelClass engine;
    State s = givenPair(m, reference[m.first], reference[m.second]);
    counting::reset();
    EXPECT_EQ(m(engine, s), 1) << m.name;
    return counting::relationCalls();
}

TEST(SearchCost, CompleteStateChainsAt20DegreesAnd50PercentMakeTheStatedRelationCalls)
{
    for (const CompleteMethod& m : kCompleteMethods) {
        const std::string name = m.name;
        if (name == "C_ENWB")
            continue;
        SCOPED_TRACE(name);
        const std::uint64_t calls = relationCallsAt20And50(m);
        if (name == "C_DBWB" || name == "C_WBSV") {
            EXPECT_PRED_FORMAT2(isAbout, calls, 4800u);
        } else if (name == "C_RHWB") {
            EXPECT_PRED_FORMAT2(isAbout, calls, 7800u);
        } else {
            EXPECT_GE(calls, 240u * 95 / 100);
            EXPECT_LE(calls, 610u * 105 / 100);
        }
    }
}

TEST(SearchCost, RefusedPairCostsNothing)
{
    HygrelClass engine;
    State s = givenPair(kCompleteMethods[12], 9.2, 13.8);
    counting::reset();
    EXPECT_EQ(engine.C_ENWB(s[DB], s[RH], s[AH], s[EN], s[SV], s[WB], s[DP]), -1);
    EXPECT_EQ(counting::relationCalls(), 0u);
}

} // namespace
