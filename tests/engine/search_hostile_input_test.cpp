// Hostile inputs to the wet-bulb relations, the dry-bulb solvers and the
// complete-state methods: non-numbers, infinities, the extremes of double,
// subnormals, temperatures below absolute zero, negative and enormous
// humidities. Every call must come back, in bounded time, with 1 or -1, a
// finite result on success and the stated output on failure, and must leave
// the unit mode and the caller's floating-point flags as they were.
#include "search_cases.h"

#include <cfenv>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>

namespace {

using namespace search_test;

// The slowest hostile calls run the outer humidity search into its step
// limit, each trial a full wet-bulb search: about 10^6 trials, some 0.6 s on
// this machine in either build. The bound leaves room for a loaded machine.
constexpr double kSecondsPerCall = 3.0;

const double kHostile[] = {
    kNaN,
    kInf,
    -kInf,
    1e308,
    -1e308,
    std::numeric_limits<double>::denorm_min(),
    -std::numeric_limits<double>::denorm_min(),
    std::numeric_limits<double>::min(),
    -300.0,  // below absolute zero
    -273.15, // absolute zero
    -265.0,  // a saturation pressure near the smallest double
    -1.0,    // a negative humidity, volume or relative humidity
    20000.0, // a humidity above 10000
};

struct Subject {
    Relation relation;
    double a; // ordinary inputs, each replaced by a hostile value in turn
    double b;
};

const Subject kSubjects[] = {
    {SEARCH_RELATION(F_WBAH2DB), 15.0, 0.008},  {SEARCH_RELATION(F_DBAH2WB), 20.0, 0.0073},
    {SEARCH_RELATION(F_DBWB2AH), 20.0, 15.0},   {SEARCH_RELATION(F_SVWB2AH), 0.85, 15.0},
    {SEARCH_RELATION(F_DBWB2RH), 20.0, 15.0},   {SEARCH_RELATION(F_RHAH2DB), 50.0, 0.0073},
    {SEARCH_RELATION(F_RHEN2DB), 50.0, 10.0},   {SEARCH_RELATION(F_RHWB2DB), 50.0, 15.0},
    {SEARCH_RELATION(F_RHSV2DB), 50.0, 0.85},   {SEARCH_RELATION(F_SVEN2DB), 0.85, 10.0},
};

bool is(const Relation& r, BinaryMethod m) { return r.method == m; }

bool sameValue(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Runs `call` and checks that it took less than the bound.
template <class Call>
int timed(Call call)
{
    const auto start = std::chrono::steady_clock::now();
    const int code = call();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), kSecondsPerCall);
    return code;
}

// The inputs to try for one subject: each hostile value in either place
// with the ordinary partner, and in both places at once.
template <class Each>
void forEachHostilePair(double a, double b, Each each)
{
    for (double h : kHostile) {
        each(h, b);
        each(a, h);
        each(h, h);
    }
}

void expectSoundOutcome(const Relation& r, int code, double out)
{
    ASSERT_TRUE(code == 1 || code == -1) << "result code " << code;
    if (code == 1) {
        EXPECT_TRUE(std::isfinite(out)) << "success with " << out;
        return;
    }
    if (is(r, &HygrelClass::F_DBWB2RH)) {
        EXPECT_EQ(out, kSentinel) << "the psychrometer relation writes only on success";
    } else if (is(r, &HygrelClass::F_DBWB2AH) || is(r, &HygrelClass::F_SVWB2AH)) {
        // 0, or after a fault the candidate humidity reached.
        EXPECT_TRUE(out == 0.0 || (std::isfinite(out) && out >= -HygrelClass().TolCoarse - 1e-15)) << out;
    } else {
        EXPECT_EQ(out, 0.0);
    }
}

TEST(HostileInput, RelationsAnswerWithACodeAndASoundOutputInBoundedTime)
{
    for (const Subject& s : kSubjects) {
        forEachHostilePair(s.a, s.b, [&](double a, double b) {
            SCOPED_TRACE(::testing::Message() << s.relation.name << "(" << a << ", " << b << ")");
            for (std::int32_t mode : {kMKS, kSI}) {
                HygrelClass engine;
                engine.Mode = mode;
                double out = kSentinel;
                const int code = timed([&] { return s.relation(engine, a, b, out); });
                expectSoundOutcome(s.relation, code, out);
                EXPECT_EQ(engine.Mode, mode);
            }
        });
    }
}

TEST(HostileInput, StatedOutputsOfHostileCalls)
{
    const Relation wetBulb = SEARCH_RELATION(F_DBAH2WB);
    const Relation dryBulb = SEARCH_RELATION(F_WBAH2DB);
    const Relation volumeEnthalpy = SEARCH_RELATION(F_SVEN2DB);
    const Relation humidity = SEARCH_RELATION(F_DBWB2AH);
    HygrelClass engine;
    double out = kSentinel;
    EXPECT_EQ(wetBulb(engine, 20.0, 20000.0, out), 1);
    EXPECT_EQ(out, 100.0) << "a humidity above 10000 gives 100 without a search";
    EXPECT_EQ(wetBulb(engine, 20.0, kInf, out), 1);
    EXPECT_EQ(out, 100.0);
    EXPECT_EQ(wetBulb(engine, 20.0, kNaN, out), -1);
    EXPECT_EQ(out, 0.0);
    EXPECT_EQ(dryBulb(engine, 15.0, 1e308, out), -1);
    EXPECT_EQ(out, 0.0) << "overflow";
    EXPECT_EQ(volumeEnthalpy(engine, 1e308, 10.0, out), -1);
    EXPECT_EQ(out, 0.0) << "step limit";
    out = kSentinel;
    EXPECT_EQ(humidity(engine, -kInf, 15.0, out), -1);
    EXPECT_EQ(out, 0.0) << "every inner search returns its start: the outer one hits the step limit";
}

TEST(HostileInput, CompleteStateMethodsAnswerWithACodeAndFiniteValuesInBoundedTime)
{
    const State reference = stateFromDryBulbAndHumidity(20.0, 50.0);
    for (const CompleteMethod& m : kCompleteMethods) {
        forEachHostilePair(reference[m.first], reference[m.second], [&](double a, double b) {
            SCOPED_TRACE(::testing::Message() << m.name << "(" << a << ", " << b << ")");
            HygrelClass engine;
            State s = givenPair(m, a, b);
            const int code = timed([&] { return m(engine, s); });
            ASSERT_TRUE(code == 1 || code == -1) << "result code " << code;
            EXPECT_TRUE(sameValue(s[m.first], a) && sameValue(s[m.second], b)) << "a given value changed";
            if (code == 1) {
                for (int p = 0; p < PropertyCount; ++p) {
                    if (!m.gives(static_cast<Property>(p))) {
                        EXPECT_TRUE(std::isfinite(s[p])) << kPropertyNames[p] << " = " << s[p];
                    }
                }
            }
            EXPECT_EQ(engine.Mode, kMKS);
        });
    }
}

// ---- The caller's floating-point status --------------------------------------

constexpr int kFaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

TEST(HostileInput, FaultsInsideAGuardedMethodDoNotReachTheCaller)
{
    const double nan = kNaN; // formed before the flags are cleared
    for (const Subject& s : kSubjects) {
        if (is(s.relation, &HygrelClass::F_DBWB2RH))
            continue; // the one relation without a guard
        for (double hostile : {nan, 1e308, -1e308}) {
            SCOPED_TRACE(::testing::Message() << s.relation.name << " with " << hostile);
            HygrelClass engine;
            double out = kSentinel;
            std::feclearexcept(FE_ALL_EXCEPT);
            s.relation(engine, s.a, hostile, out);
            s.relation(engine, hostile, s.b, out);
            EXPECT_EQ(std::fetestexcept(kFaultFlags), 0);
        }
    }
}

TEST(HostileInput, FlagsRaisedByTheCallerNeitherFailACallNorGetCleared)
{
    for (const Subject& s : kSubjects) {
        SCOPED_TRACE(s.relation.name);
        HygrelClass engine;
        double clean = kSentinel;
        std::feclearexcept(FE_ALL_EXCEPT);
        ASSERT_EQ(s.relation(engine, s.a, s.b, clean), 1);

        double flagged = kSentinel;
        std::feraiseexcept(kFaultFlags);
        EXPECT_EQ(s.relation(engine, s.a, s.b, flagged), 1);
        EXPECT_EQ(std::fetestexcept(kFaultFlags), kFaultFlags);
        EXPECT_EQ(flagged, clean);
    }
    const State reference = stateFromDryBulbAndHumidity(20.0, 50.0);
    for (const CompleteMethod& m : kCompleteMethods) {
        if (std::string(m.name) == "C_ENWB")
            continue;
        SCOPED_TRACE(m.name);
        HygrelClass engine;
        State s = givenPair(m, reference[m.first], reference[m.second]);
        std::feraiseexcept(kFaultFlags);
        EXPECT_EQ(m(engine, s), 1);
        EXPECT_EQ(std::fetestexcept(kFaultFlags), kFaultFlags);
    }
    std::feclearexcept(FE_ALL_EXCEPT);
}

} // namespace
