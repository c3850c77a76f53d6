// Specific enthalpy and specific volume of moist air, and their inversions.
#include "EngineInternal.h"

using vapcore::FaultGuard;
using vapcore::kModeSI;
using vapcore::SearchEnd;

int HygrelClass::F_DBAH2EN(double& DB, double& AH, double& EN)
{
    VAPCORE_COUNT(F_DBAH2EN);
    EN = 0.0;
    FaultGuard guard;
    double en = (CpVapour * DB + LatentVap0) * AH + CpAir * DB;
    if (Mode == kModeSI)
        en = en * KJPerKcal;
    if (guard.faulted(en))
        return -1;
    EN = en;
    return 1;
}

int HygrelClass::F_ENDB2AH(double& EN, double& DB, double& AH)
{
    VAPCORE_COUNT(F_ENDB2AH);
    AH = 0.0;
    FaultGuard guard;
    const double en = (Mode == kModeSI) ? EN / KJPerKcal : EN;
    double d = CpVapour * DB + LatentVap0;
    if (guard.faulted(d) || d == 0.0)
        return -1;
    double ah = (en - CpAir * DB) / d;
    if (guard.faulted(ah))
        return -1;
    AH = ah;
    return 1;
}

int HygrelClass::F_ENAH2DB(double& EN, double& AH, double& DB)
{
    VAPCORE_COUNT(F_ENAH2DB);
    DB = 0.0;
    FaultGuard guard;
    const double en = (Mode == kModeSI) ? EN / KJPerKcal : EN;
    double db = (en - LatentVap0 * AH) / (CpVapour * AH + CpAir);
    if (guard.faulted(db))
        return -1;
    DB = db;
    return 1;
}

int HygrelClass::F_DBAH2SV(double& DB, double& AH, double& SV)
{
    VAPCORE_COUNT(F_DBAH2SV);
    SV = 0.0;
    FaultGuard guard;
    double sv = ((AH * GasConstVapour + GasConstAir) / PTotal) * MmHgPerAt / 10000.0 * (T0 + DB);
    if (guard.faulted(sv))
        return -1;
    SV = sv;
    return 1;
}

int HygrelClass::F_SVAH2DB(double& SV, double& AH, double& DB)
{
    VAPCORE_COUNT(F_SVAH2DB);
    DB = 0.0;
    FaultGuard guard;
    double db = (SV * PTotal * 10000.0) / ((AH * GasConstVapour + GasConstAir) * MmHgPerAt) - T0;
    if (guard.faulted(db))
        return -1;
    DB = db;
    return 1;
}

int HygrelClass::F_DBSV2AH(double& DB, double& SV, double& AH)
{
    VAPCORE_COUNT(F_DBSV2AH);
    AH = 0.0;
    FaultGuard guard;
    const double target = DB;
    const auto dryBulb = [&](double x, double& db) { return F_SVAH2DB(SV, x, db); };
    const auto overshoots = [&](double db) { return !guard.greaterEqual(db, target); };
    const auto search = vapcore::steppingSearch(guard, -TolCoarse, 0.01, TolCoarse, dryBulb, overshoots);
    if (search.end == SearchEnd::Fault) {
        AH = search.x;
        return -1;
    }
    if (search.end != SearchEnd::Found)
        return -1;
    AH = search.x;
    return 1;
}
