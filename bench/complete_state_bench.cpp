// Cost of the fifteen complete-state methods at three states: 20 degC / 50 %,
// a cold -10 degC / 80 % and a hot 35 degC / 60 %. Each method gets its two
// given values from the state C_DBRH computes there. Counters as in
// search_bench: relation_calls (every F_ method, nested calls included),
// wbah2db_calls and pws_evals, per call.
#include "EvaluationCounter.h"
#include "HygrelClass.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

namespace counting = vapcore::counting;

enum Property { DB, RH, AH, EN, SV, WB, DP, PropertyCount };
using State = std::array<double, PropertyCount>;
using StateMethod = int (HygrelClass::*)(double&, double&, double&, double&, double&, double&, double&);

struct Method {
    const char* name;
    StateMethod method;
    Property first;
    Property second;
};

const Method kMethods[] = {
    {"C_DBRH", &HygrelClass::C_DBRH, DB, RH}, {"C_DBAH", &HygrelClass::C_DBAH, DB, AH},
    {"C_DBEN", &HygrelClass::C_DBEN, DB, EN}, {"C_DBWB", &HygrelClass::C_DBWB, DB, WB},
    {"C_DBSV", &HygrelClass::C_DBSV, DB, SV}, {"C_RHAH", &HygrelClass::C_RHAH, RH, AH},
    {"C_RHEN", &HygrelClass::C_RHEN, RH, EN}, {"C_RHWB", &HygrelClass::C_RHWB, RH, WB},
    {"C_RHSV", &HygrelClass::C_RHSV, RH, SV}, {"C_AHEN", &HygrelClass::C_AHEN, AH, EN},
    {"C_AHWB", &HygrelClass::C_AHWB, AH, WB}, {"C_AHSV", &HygrelClass::C_AHSV, AH, SV},
    {"C_ENWB", &HygrelClass::C_ENWB, EN, WB}, {"C_ENSV", &HygrelClass::C_ENSV, EN, SV},
    {"C_WBSV", &HygrelClass::C_WBSV, WB, SV},
};

struct Point {
    const char* name;
    double db;
    double rh;
};

const Point kPoints[] = {{"20C_50pct", 20.0, 50.0}, {"cold_m10C_80pct", -10.0, 80.0}, {"hot_35C_60pct", 35.0, 60.0}};

State stateAt(const Point& p)
{
    HygrelClass engine;
    State s{};
    s[DB] = p.db;
    s[RH] = p.rh;
    engine.C_DBRH(s[DB], s[RH], s[AH], s[EN], s[SV], s[WB], s[DP]);
    return s;
}

void completeState(benchmark::State& state, const Method& m, const State& reference)
{
    HygrelClass engine;
    int code = 0;
    counting::reset();
    for (auto _ : state) {
        State s = reference;
        code = (engine.*m.method)(s[DB], s[RH], s[AH], s[EN], s[SV], s[WB], s[DP]);
        benchmark::DoNotOptimize(s);
    }
    const auto perCall = [](std::uint64_t total) {
        return benchmark::Counter(static_cast<double>(total), benchmark::Counter::kAvgIterations);
    };
    state.counters["relation_calls"] = perCall(counting::relationCalls());
    state.counters["wbah2db_calls"] = perCall(counting::count(counting::F_WBAH2DB));
    state.counters["pws_evals"] = perCall(counting::count(counting::F_DB2PWS));
    // C_ENWB refuses every pair by design; any other failure is a fault.
    if (code != 1 && m.method != &HygrelClass::C_ENWB)
        state.SkipWithError("the method failed");
}

const bool kRegistered = [] {
    for (const Point& p : kPoints) {
        const State reference = stateAt(p);
        for (const Method& m : kMethods) {
            const std::string name = std::string(m.name) + "/" + p.name;
            benchmark::RegisterBenchmark(name.c_str(), completeState, m, reference);
        }
    }
    return true;
}();

} // namespace
