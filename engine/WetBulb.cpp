// The thermodynamic wet bulb, its inversions and the psychrometer relation.
#include "EngineInternal.h"

#include <cmath>

using vapcore::FaultGuard;
using vapcore::SearchEnd;

namespace {

// The last candidate of a humidity search stays in the output after a fault.
int finishHumiditySearch(const vapcore::SearchResult& search, double& AH)
{
    if (search.end == SearchEnd::Fault) {
        AH = search.x;
        return -1;
    }
    if (search.end != SearchEnd::Found)
        return -1;
    AH = search.x;
    return 1;
}

} // namespace

int HygrelClass::F_WBAH2DB(double& WB, double& AH, double& DB)
{
    VAPCORE_COUNT(F_WBAH2DB);
    DB = 0.0;
    FaultGuard guard;
    const double wb = WB;
    const bool water = guard.greaterEqual(wb, 0.0);
    const double c = water ? CWater : CIce;
    const double latent = water ? LatentVap0 : LatentVap0 + LatentFusion;

    double wbCopy = wb;
    double ps = 0.0;
    double xs = 0.0;
    if (F_DB2PWS(wbCopy, ps) < 0 || F_PW2AH(ps, xs) < 0)
        return -1;

    const double a = CpVapour * xs + CpAir;
    const double d = xs - AH;
    double b = CpVapour * AH + CpAir;
    if (guard.faulted(b) || b == 0.0)
        return -1;
    double db = ((latent - c * wb) * d + a * wb) / b;
    if (guard.faulted(db))
        return -1;
    DB = db;
    return 1;
}

int HygrelClass::F_DBAH2WB(double& DB, double& AH, double& WB)
{
    VAPCORE_COUNT(F_DBAH2WB);
    WB = 0.0;
    FaultGuard guard;
    if (guard.greater(AH, 10000.0)) {
        WB = 100.0;
        return 1;
    }
    if (guard.faulted())
        return -1;
    const double target = DB;
    const auto dryBulb = [&](double x, double& db) { return F_WBAH2DB(x, AH, db); };
    const auto overshoots = [&](double db) { return guard.greater(db, target); };
    const auto search = vapcore::steppingSearch(guard, -270.0, 10.0, TolFine, dryBulb, overshoots);
    if (search.end != SearchEnd::Found)
        return -1;
    WB = search.x;
    return 1;
}

int HygrelClass::F_DBWB2AH(double& DB, double& WB, double& AH)
{
    VAPCORE_COUNT(F_DBWB2AH);
    AH = 0.0;
    FaultGuard guard;
    const double target = WB;
    const auto wetBulb = [&](double x, double& wb) { return F_DBAH2WB(DB, x, wb); };
    const auto overshoots = [&](double wb) { return guard.greater(wb, target); };
    return finishHumiditySearch(
        vapcore::steppingSearch(guard, -TolCoarse, 0.01, TolCoarse, wetBulb, overshoots), AH);
}

int HygrelClass::F_SVWB2AH(double& SV, double& WB, double& AH)
{
    VAPCORE_COUNT(F_SVWB2AH);
    AH = 0.0;
    FaultGuard guard;
    const double target = WB;
    const auto wetBulb = [&](double x, double& wb) {
        double db = 0.0;
        if (F_SVAH2DB(SV, x, db) < 0)
            return -1;
        return F_DBAH2WB(db, x, wb);
    };
    const auto overshoots = [&](double wb) { return guard.greater(wb, target); };
    return finishHumiditySearch(
        vapcore::steppingSearch(guard, -TolCoarse, 0.01, TolCoarse, wetBulb, overshoots), AH);
}

// The psychrometer formula works in hPa, so Mode is 1 for the two
// saturation pressures. This relation has no fault guard: its output is
// written only on success and Mode is restored on every path. A dry bulb
// within a few kelvin of absolute zero has a saturation pressure so small
// that the quotient overflows; an infinite humidity is refused like the
// zero pressure below it rather than passed on as a result.
int HygrelClass::F_DBWB2RH(double& DB, double& WB, double& RH)
{
    VAPCORE_COUNT(F_DBWB2RH);
    vapcore::ModeOverride hPa(*this, vapcore::kModeSI);
    double p1 = 0.0;
    double p2 = 0.0;
    if (F_DB2PWS(DB, p1) < 0 || F_DB2PWS(WB, p2) < 0)
        return -1;
    const double a = (WB > 0.0) ? 0.000662 : 0.000583;
    if (p1 == 0.0)
        return -1;
    const double rh = (p2 - a * 1013.25 * (DB - WB)) * 100.0 / p1;
    if (!std::isfinite(rh))
        return -1;
    RH = rh;
    return 1;
}
