// Call counters for the benchmarks and the cost tests.
//
// Only a build that defines VAPCORE_COUNT_EVALUATIONS counts; in the
// released library VAPCORE_COUNT expands to nothing and costs nothing.
#pragma once

#include <cstdint>

namespace vapcore::counting {

enum Method : int {
    F_DB2PWS, F_PAPW2AH, F_PW2AH, F_PAAH2PW, F_ENDB2AH, F_DBWB2AH, F_DBSV2AH, F_SVWB2AH,
    F_DBRH2AH, F_DBAH2EN, F_DBAH2WB, F_DBAH2SV, F_WBAH2DB, F_SVAH2DB, F_ENAH2DB,
    F_RHAH2DB, F_RHEN2DB, F_RHWB2DB, F_RHSV2DB, F_SVEN2DB,
    F_DBAH2RH, F_DBWB2RH, F_DBAH2RV, F_AH2DP,
    C_DBRH, C_DBAH, C_DBEN, C_DBWB, C_DBSV, C_RHAH, C_RHEN, C_RHWB, C_RHSV,
    C_AHEN, C_AHWB, C_AHSV, C_ENWB, C_ENSV, C_WBSV,
    MethodCount
};

#ifdef VAPCORE_COUNT_EVALUATIONS
extern std::uint64_t calls[MethodCount];

inline void reset()
{
    for (auto& c : calls)
        c = 0;
}

inline std::uint64_t count(Method m) { return calls[m]; }

// Every F_ method called, nested calls included: the relation evaluations.
inline std::uint64_t relationCalls()
{
    std::uint64_t total = 0;
    for (int m = F_DB2PWS; m <= F_AH2DP; ++m)
        total += calls[m];
    return total;
}
#endif

} // namespace vapcore::counting

#ifdef VAPCORE_COUNT_EVALUATIONS
#define VAPCORE_COUNT(method) (++::vapcore::counting::calls[::vapcore::counting::method])
#else
#define VAPCORE_COUNT(method) ((void)0)
#endif
