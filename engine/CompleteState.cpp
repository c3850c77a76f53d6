// The complete state from two given properties: one fixed chain of
// relations per pair. A chain stops at its first failing step; the outputs
// of earlier steps keep their values and later outputs are not touched.
#include "EngineInternal.h"

using vapcore::FaultGuard;

// Each step is a relation call that must succeed for the chain to go on.
#define VAPCORE_STEP(call) \
    do {                   \
        if ((call) < 0)    \
            return -1;     \
    } while (0)

int HygrelClass::C_DBRH(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_DBRH);
    FaultGuard guard;
    VAPCORE_STEP(F_DBRH2AH(DB, RH, AH));
    VAPCORE_STEP(F_DBAH2EN(DB, AH, EN));
    VAPCORE_STEP(F_DBAH2SV(DB, AH, SV));
    VAPCORE_STEP(F_DBAH2WB(DB, AH, WB));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_DBAH(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_DBAH);
    FaultGuard guard;
    VAPCORE_STEP(F_DBAH2EN(DB, AH, EN));
    VAPCORE_STEP(F_DBAH2RH(DB, AH, RH));
    VAPCORE_STEP(F_DBAH2SV(DB, AH, SV));
    VAPCORE_STEP(F_DBAH2WB(DB, AH, WB));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

// Refuses, before writing anything, a pair whose humidity would come out
// below -TolCoarse, the lowest value the humidity searches can return.
int HygrelClass::C_DBEN(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_DBEN);
    FaultGuard guard;
    double lowestHumidity = -TolCoarse;
    double dbMax = 0.0;
    if (F_ENAH2DB(EN, lowestHumidity, dbMax) < 0 || guard.greater(DB, dbMax) || guard.faulted())
        return -1;
    VAPCORE_STEP(F_ENDB2AH(EN, DB, AH));
    VAPCORE_STEP(F_DBAH2RH(DB, AH, RH));
    VAPCORE_STEP(F_DBAH2SV(DB, AH, SV));
    VAPCORE_STEP(F_DBAH2WB(DB, AH, WB));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_DBWB(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_DBWB);
    FaultGuard guard;
    VAPCORE_STEP(F_DBWB2AH(DB, WB, AH));
    VAPCORE_STEP(F_DBAH2EN(DB, AH, EN));
    VAPCORE_STEP(F_DBAH2RH(DB, AH, RH));
    VAPCORE_STEP(F_DBAH2SV(DB, AH, SV));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_DBSV(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_DBSV);
    FaultGuard guard;
    VAPCORE_STEP(F_DBSV2AH(DB, SV, AH));
    VAPCORE_STEP(F_DBAH2EN(DB, AH, EN));
    VAPCORE_STEP(F_DBAH2RH(DB, AH, RH));
    VAPCORE_STEP(F_DBAH2WB(DB, AH, WB));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_RHAH(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_RHAH);
    FaultGuard guard;
    VAPCORE_STEP(F_RHAH2DB(RH, AH, DB));
    VAPCORE_STEP(F_DBAH2EN(DB, AH, EN));
    VAPCORE_STEP(F_DBAH2SV(DB, AH, SV));
    VAPCORE_STEP(F_DBAH2WB(DB, AH, WB));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_RHEN(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_RHEN);
    FaultGuard guard;
    VAPCORE_STEP(F_RHEN2DB(RH, EN, DB));
    VAPCORE_STEP(F_DBRH2AH(DB, RH, AH));
    VAPCORE_STEP(F_DBAH2SV(DB, AH, SV));
    VAPCORE_STEP(F_DBAH2WB(DB, AH, WB));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_RHWB(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_RHWB);
    FaultGuard guard;
    VAPCORE_STEP(F_RHWB2DB(RH, WB, DB));
    VAPCORE_STEP(F_DBRH2AH(DB, RH, AH));
    VAPCORE_STEP(F_DBAH2EN(DB, AH, EN));
    VAPCORE_STEP(F_DBAH2SV(DB, AH, SV));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_RHSV(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_RHSV);
    FaultGuard guard;
    VAPCORE_STEP(F_RHSV2DB(RH, SV, DB));
    VAPCORE_STEP(F_DBRH2AH(DB, RH, AH));
    VAPCORE_STEP(F_DBAH2EN(DB, AH, EN));
    VAPCORE_STEP(F_DBAH2WB(DB, AH, WB));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_AHEN(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_AHEN);
    FaultGuard guard;
    VAPCORE_STEP(F_ENAH2DB(EN, AH, DB));
    VAPCORE_STEP(F_DBAH2RH(DB, AH, RH));
    VAPCORE_STEP(F_DBAH2WB(DB, AH, WB));
    VAPCORE_STEP(F_DBAH2SV(DB, AH, SV));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_AHWB(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_AHWB);
    FaultGuard guard;
    VAPCORE_STEP(F_WBAH2DB(WB, AH, DB));
    VAPCORE_STEP(F_DBAH2RH(DB, AH, RH));
    VAPCORE_STEP(F_DBAH2EN(DB, AH, EN));
    VAPCORE_STEP(F_DBAH2SV(DB, AH, SV));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_AHSV(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_AHSV);
    FaultGuard guard;
    VAPCORE_STEP(F_SVAH2DB(SV, AH, DB));
    VAPCORE_STEP(F_DBAH2RH(DB, AH, RH));
    VAPCORE_STEP(F_DBAH2EN(DB, AH, EN));
    VAPCORE_STEP(F_DBAH2WB(DB, AH, WB));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

// Enthalpy and wet bulb do not fix a state: refused, nothing written.
int HygrelClass::C_ENWB(double&, double&, double&, double&, double&, double&, double&)
{
    VAPCORE_COUNT(C_ENWB);
    return -1;
}

int HygrelClass::C_ENSV(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_ENSV);
    FaultGuard guard;
    VAPCORE_STEP(F_SVEN2DB(SV, EN, DB));
    VAPCORE_STEP(F_DBSV2AH(DB, SV, AH));
    VAPCORE_STEP(F_DBAH2RH(DB, AH, RH));
    VAPCORE_STEP(F_DBAH2WB(DB, AH, WB));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}

int HygrelClass::C_WBSV(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP)
{
    VAPCORE_COUNT(C_WBSV);
    FaultGuard guard;
    VAPCORE_STEP(F_SVWB2AH(SV, WB, AH));
    VAPCORE_STEP(F_SVAH2DB(SV, AH, DB));
    VAPCORE_STEP(F_DBAH2RH(DB, AH, RH));
    VAPCORE_STEP(F_DBAH2EN(DB, AH, EN));
    VAPCORE_STEP(F_AH2DP(AH, DP));
    return 1;
}
