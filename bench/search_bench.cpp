// Cost of the wet-bulb relations and the dry-bulb solvers: time per call and
// relation evaluations per call, counted by the counting copy of the engine.
//   relation_calls  every F_ method called, nested calls included
//   wbah2db_calls   closed-form wet-bulb evaluations (the inner trial)
//   pws_evals       saturation pressures (an exponential and a logarithm each)
#include "EvaluationCounter.h"
#include "HygrelClass.h"

#include <benchmark/benchmark.h>

namespace {

namespace counting = vapcore::counting;

using Relation = int (HygrelClass::*)(double&, double&, double&);

void reportEvaluations(benchmark::State& state)
{
    const auto perCall = [](std::uint64_t total) {
        return benchmark::Counter(static_cast<double>(total), benchmark::Counter::kAvgIterations);
    };
    state.counters["relation_calls"] = perCall(counting::relationCalls());
    state.counters["wbah2db_calls"] = perCall(counting::count(counting::F_WBAH2DB));
    state.counters["pws_evals"] = perCall(counting::count(counting::F_DB2PWS));
}

void relation(benchmark::State& state, Relation method, double a, double b)
{
    HygrelClass engine;
    double out = 0.0;
    int code = 0;
    counting::reset();
    for (auto _ : state) {
        double first = a;
        double second = b;
        code = (engine.*method)(first, second, out);
        benchmark::DoNotOptimize(out);
    }
    reportEvaluations(state);
    if (code != 1)
        state.SkipWithError("the relation failed");
}

} // namespace

// Wet-bulb relations.
BENCHMARK_CAPTURE(relation, F_WBAH2DB_15_0_008, &HygrelClass::F_WBAH2DB, 15.0, 0.008);
BENCHMARK_CAPTURE(relation, F_DBAH2WB_20_0_0073, &HygrelClass::F_DBAH2WB, 20.0, 0.0073);
BENCHMARK_CAPTURE(relation, F_DBAH2WB_m10_0_001, &HygrelClass::F_DBAH2WB, -10.0, 0.001);
BENCHMARK_CAPTURE(relation, F_DBWB2AH_20_15, &HygrelClass::F_DBWB2AH, 20.0, 15.0);
BENCHMARK_CAPTURE(relation, F_SVWB2AH_0_85_15, &HygrelClass::F_SVWB2AH, 0.85, 15.0);
BENCHMARK_CAPTURE(relation, F_DBWB2RH_20_15, &HygrelClass::F_DBWB2RH, 20.0, 15.0);

// Dry-bulb solvers.
BENCHMARK_CAPTURE(relation, F_RHAH2DB_50_0_0073, &HygrelClass::F_RHAH2DB, 50.0, 0.0073);
BENCHMARK_CAPTURE(relation, F_RHEN2DB_50_10, &HygrelClass::F_RHEN2DB, 50.0, 10.0);
BENCHMARK_CAPTURE(relation, F_RHWB2DB_50_15, &HygrelClass::F_RHWB2DB, 50.0, 15.0);
BENCHMARK_CAPTURE(relation, F_RHSV2DB_50_0_85, &HygrelClass::F_RHSV2DB, 50.0, 0.85);
BENCHMARK_CAPTURE(relation, F_SVEN2DB_0_85_10, &HygrelClass::F_SVEN2DB, 0.85, 10.0);
