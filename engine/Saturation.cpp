// Saturation vapour pressure, vapour pressure and absolute humidity,
// relative humidity, degree of saturation and dew point.
#include "EngineInternal.h"

#include <cmath>

using vapcore::FaultGuard;
using vapcore::kModeSI;
using vapcore::SearchEnd;

namespace {

// Three coefficients are kept one unit in the last place above the nearest
// double of their decimal figure (0.02711193, 1.673952e-5, 1.3198825e-5).
constexpr double kWaterLinear = 0x1.bc33ad2b9cbbfp-6;    // 0.027111930000000003
constexpr double kWaterQuadratic = 0x1.18d7b0e225c69p-16; // 1.6739520000000003e-05
constexpr double kIceQuadratic = 0x1.bae10b1ef74f0p-17;   // 1.3198825000000001e-05

constexpr double kCelsiusToKelvin = 273.15;
constexpr double kCriticalCelsius = 373.946;
constexpr double kCriticalKelvin = 647.096;
constexpr double kCriticalPascal = 22064000.0;

// Saturation pressure over ice, hPa.
double iceSaturationHPa(double tk)
{
    double lnP = (-6024.5282 / tk + 24.7219) + 0.010613868 * tk;
    lnP = lnP - (kIceQuadratic * tk) * tk;
    lnP = lnP - 0.49382577 * std::log(tk);
    return std::exp(lnP);
}

// Saturation pressure over liquid water below 100 degC, hPa.
double waterSaturationHPa(double tk)
{
    const double bracket = ((-6096.9385 / tk + 16.635794) - kWaterLinear * tk) + kWaterQuadratic * tk * tk;
    const double lnP = 2.433502 * std::log(tk) + bracket;
    return std::exp(lnP);
}

// Saturation pressure from 100 degC up to the critical point, hPa.
double criticalRangeSaturationHPa(double tk)
{
    const double tau = 1.0 - tk / kCriticalKelvin;
    double s = 1.84408259 * std::pow(tau, 1.5) + (-7.85951783 * tau);
    s = s + -11.7866497 * std::pow(tau, 3.0);
    s = s + 22.6807411 * std::pow(tau, 3.5);
    s = s + -15.9618719 * std::pow(tau, 4.0);
    s = s + 1.80122502 * std::pow(tau, 7.5);
    const double lnP = std::log(kCriticalPascal) + (kCriticalKelvin / tk) * s;
    const double pascal = std::exp(lnP);
    return pascal / 100.0;
}

} // namespace

namespace vapcore {

bool humidityFromPressures(const HygrelClass& e, double pa, double pw, double& ah, FaultGuard& guard)
{
    const double d = pa - pw;
    if (!guard.greater(d, 0.0))
        return false;
    ah = (e.MolarMassWater / e.MolarMassAir) * pw / d;
    return true;
}

} // namespace vapcore

int HygrelClass::F_DB2PWS(double& DB, double& PWS)
{
    VAPCORE_COUNT(F_DB2PWS);
    PWS = 0.0;
    FaultGuard guard;
    const double db = DB;
    const double tk = db + kCelsiusToKelvin;
    if (!guard.greater(tk, 0.0))
        return -1;
    double hPa;
    if (guard.less(db, 0.0)) {
        hPa = iceSaturationHPa(tk);
    } else if (guard.less(db, 100.0)) {
        hPa = waterSaturationHPa(tk);
    } else {
        if (guard.greaterEqual(db, kCriticalCelsius) || guard.faulted())
            return -1;
        hPa = criticalRangeSaturationHPa(tk);
    }
    double result = (Mode == kModeSI) ? hPa : MmHgPerHPa * hPa;
    if (guard.faulted(result))
        return -1;
    PWS = result;
    return 1;
}

int HygrelClass::F_PAPW2AH(double& PA, double& PW, double& AH)
{
    VAPCORE_COUNT(F_PAPW2AH);
    AH = 0.0;
    FaultGuard guard;
    double pa = PA;
    double pw = PW;
    if (Mode == kModeSI) {
        pa = PA * MmHgPerHPa;
        pw = PW * MmHgPerHPa;
    }
    double ah = 0.0;
    if (!vapcore::humidityFromPressures(*this, pa, pw, ah, guard) || guard.faulted(ah))
        return -1;
    AH = ah;
    return 1;
}

int HygrelClass::F_PW2AH(double& PW, double& AH)
{
    VAPCORE_COUNT(F_PW2AH);
    AH = 0.0;
    FaultGuard guard;
    const double pw = (Mode == kModeSI) ? PW * MmHgPerHPa : PW;
    double ah = 0.0;
    if (!vapcore::humidityFromPressures(*this, PTotal, pw, ah, guard) || guard.faulted(ah))
        return -1;
    AH = ah;
    return 1;
}

int HygrelClass::F_PAAH2PW(double& PA, double& AH, double& PW)
{
    VAPCORE_COUNT(F_PAAH2PW);
    FaultGuard guard;
    const double pa = (Mode == kModeSI) ? PA * MmHgPerHPa : PA;
    double d = AH * MolarMassAir + MolarMassWater;
    if (guard.faulted(d)) {
        PW = 0.0;
        return -1;
    }
    if (d == 0.0)
        return -1;
    double pw = AH * MolarMassAir * pa / d;
    if (Mode == kModeSI)
        pw = pw / MmHgPerHPa;
    if (guard.faulted(pw)) {
        PW = 0.0;
        return -1;
    }
    PW = pw;
    return 1;
}

int HygrelClass::F_DBRH2AH(double& DB, double& RH, double& AH)
{
    VAPCORE_COUNT(F_DBRH2AH);
    AH = 0.0;
    FaultGuard guard;
    double pws = 0.0;
    if (F_DB2PWS(DB, pws) < 0)
        return -1;
    double pw = pws * RH * 0.01;
    double ah = 0.0;
    if (F_PW2AH(pw, ah) < 0 || guard.faulted(ah))
        return -1;
    AH = ah;
    return 1;
}

int HygrelClass::F_DBAH2RH(double& DB, double& AH, double& RH)
{
    VAPCORE_COUNT(F_DBAH2RH);
    RH = 0.0;
    vapcore::ModeOverride mmHg(*this, 0);
    FaultGuard guard;
    double pws = 0.0;
    if (F_DB2PWS(DB, pws) < 0)
        return -1;
    double k = MolarMassWater / MolarMassAir + AH;
    if (guard.faulted(k) || k == 0.0 || pws == 0.0)
        return -1;
    double rh = PTotal * AH * 100.0 / pws / k;
    if (guard.faulted(rh))
        return -1;
    RH = rh;
    return 1;
}

int HygrelClass::F_DBAH2RV(double& DB, double& AH, double& RV)
{
    VAPCORE_COUNT(F_DBAH2RV);
    RV = 0.0;
    FaultGuard guard;
    double db = DB;
    double saturated = 100.0;
    double ahs = 0.0;
    if (F_DBRH2AH(db, saturated, ahs) < 0)
        return -1;
    double rv = AH / ahs * 100.0;
    if (guard.faulted(rv))
        return -1;
    RV = rv;
    return 1;
}

int HygrelClass::F_AH2DP(double& AH, double& DP)
{
    VAPCORE_COUNT(F_AH2DP);
    DP = 0.0;
    FaultGuard guard;
    const double ah = AH;
    if (guard.greater(ah, 10000.0)) {
        DP = 99.99999;
        return 1;
    }
    if (guard.faulted())
        return -1;
    double saturated = 100.0;
    const auto saturationHumidity = [&](double x, double& ahs) { return F_DBRH2AH(x, saturated, ahs); };
    const auto overshoots = [&](double ahs) { return guard.greater(ahs, ah); };
    const auto search = vapcore::steppingSearch(guard, -270.0, 10.0, TolFine, saturationHumidity, overshoots);
    if (search.end != SearchEnd::Found)
        return -1;
    DP = (search.x < -200.0) ? -T0 : search.x;
    return 1;
}
