// Dry-bulb temperature from relative humidity paired with humidity,
// enthalpy, wet bulb or volume, and from volume with enthalpy. Each is one
// stepping search over the candidate dry bulb t from -270 degC.
#include "EngineInternal.h"

using vapcore::FaultGuard;
using vapcore::SearchEnd;

namespace {

// Runs the dry-bulb search whose trial value at t is `trial(t, value)` and
// which overshoots when that value exceeds `target`.
template <class Trial>
int solveDryBulb(const HygrelClass& e, double target, double& DB, Trial trial)
{
    DB = 0.0;
    FaultGuard guard;
    const auto overshoots = [&](double value) { return guard.greater(value, target); };
    const auto search = vapcore::steppingSearch(guard, -270.0, 10.0, e.TolFine, trial, overshoots);
    if (search.end != SearchEnd::Found)
        return -1;
    DB = search.x;
    return 1;
}

} // namespace

int HygrelClass::F_RHAH2DB(double& RH, double& AH, double& DB)
{
    VAPCORE_COUNT(F_RHAH2DB);
    DB = 0.0;
    const double target = AH;
    return solveDryBulb(*this, target, DB, [&](double t, double& ah) { return F_DBRH2AH(t, RH, ah); });
}

int HygrelClass::F_RHEN2DB(double& RH, double& EN, double& DB)
{
    VAPCORE_COUNT(F_RHEN2DB);
    DB = 0.0;
    const double target = EN;
    return solveDryBulb(*this, target, DB, [&](double t, double& en) {
        double ah = 0.0;
        if (F_DBRH2AH(t, RH, ah) < 0)
            return -1;
        return F_DBAH2EN(t, ah, en);
    });
}

int HygrelClass::F_RHWB2DB(double& RH, double& WB, double& DB)
{
    VAPCORE_COUNT(F_RHWB2DB);
    DB = 0.0;
    const double target = WB;
    return solveDryBulb(*this, target, DB, [&](double t, double& wb) {
        double ah = 0.0;
        if (F_DBRH2AH(t, RH, ah) < 0)
            return -1;
        return F_DBAH2WB(t, ah, wb);
    });
}

int HygrelClass::F_RHSV2DB(double& RH, double& SV, double& DB)
{
    VAPCORE_COUNT(F_RHSV2DB);
    DB = 0.0;
    const double target = SV;
    return solveDryBulb(*this, target, DB, [&](double t, double& sv) {
        double ah = 0.0;
        if (F_DBRH2AH(t, RH, ah) < 0)
            return -1;
        return F_DBAH2SV(t, ah, sv);
    });
}

int HygrelClass::F_SVEN2DB(double& SV, double& EN, double& DB)
{
    VAPCORE_COUNT(F_SVEN2DB);
    DB = 0.0;
    const double target = SV;
    return solveDryBulb(*this, target, DB, [&](double t, double& sv) {
        double ah = 0.0;
        if (F_ENDB2AH(EN, t, ah) < 0)
            return -1;
        return F_DBAH2SV(t, ah, sv);
    });
}
