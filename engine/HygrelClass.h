// HygrelClass: the psychrometric engine of Vapcore.
//
// One object holds the unit mode and the physical constants of moist air at
// one fixed total pressure (760 mmHg). Every method computes one property
// from one or two others (F_ methods) or the complete state from two given
// properties (C_ methods), takes every number as a reference to a double and
// returns 1 on success or -1 on failure. No method throws.
#pragma once

#include <cstdint>

#if defined(VAPCORE_BUILDING_LIBRARY) || defined(VAPCORE_STATIC)
#define VAPCORE_API __attribute__((visibility("default")))
#else
#define VAPCORE_API
#endif

class VAPCORE_API HygrelClass {
public:
    // Data members, in this order; the constructor sets them and nothing
    // changes them afterwards except Mode for the length of one call.
    std::int32_t Mode;      // 1: hPa and kJ/kg at the interface; else mmHg and kcal/kg
    double MmHgPerAt;       // mmHg per technical atmosphere
    double T0;              // 0 degC in kelvin (single-precision value)
    double MolarMassAir;    // g/mol
    double MolarMassWater;  // g/mol
    double GasConstAir;     // kgf m/(kg K)
    double GasConstVapour;  // kgf m/(kg K)
    double CpAir;           // kcal/(kg K)
    double CpVapour;        // kcal/(kg K)
    double CWater;          // kcal/(kg K)
    double CIce;            // kcal/(kg K)
    double LatentVap0;      // kcal/kg
    double LatentFusion;    // kcal/kg
    double PStandard;       // mmHg
    double PTotal;          // mmHg, total pressure of every relation
    double KJPerKcal;       // kJ per kcal
    double MmHgPerHPa;      // mmHg per hPa
    double TolFine;         // end threshold of the temperature searches
    double TolCoarse;       // end threshold of the humidity searches

    HygrelClass();

    // Saturation, humidity and dew point.
    int F_DB2PWS(double& DB, double& PWS);
    int F_PAPW2AH(double& PA, double& PW, double& AH);
    int F_PW2AH(double& PW, double& AH);
    int F_PAAH2PW(double& PA, double& AH, double& PW);
    // Enthalpy, volume and the humidity inversions.
    int F_ENDB2AH(double& EN, double& DB, double& AH);
    int F_DBWB2AH(double& DB, double& WB, double& AH);
    int F_DBSV2AH(double& DB, double& SV, double& AH);
    int F_SVWB2AH(double& SV, double& WB, double& AH);
    int F_DBRH2AH(double& DB, double& RH, double& AH);
    int F_DBAH2EN(double& DB, double& AH, double& EN);
    int F_DBAH2WB(double& DB, double& AH, double& WB);
    int F_DBAH2SV(double& DB, double& AH, double& SV);
    int F_WBAH2DB(double& WB, double& AH, double& DB);
    int F_SVAH2DB(double& SV, double& AH, double& DB);
    int F_ENAH2DB(double& EN, double& AH, double& DB);
    // Dry-bulb solvers.
    int F_RHAH2DB(double& RH, double& AH, double& DB);
    int F_RHEN2DB(double& RH, double& EN, double& DB);
    int F_RHWB2DB(double& RH, double& WB, double& DB);
    int F_RHSV2DB(double& RH, double& SV, double& DB);
    int F_SVEN2DB(double& SV, double& EN, double& DB);
    // Relative humidity, degree of saturation, dew point.
    int F_DBAH2RH(double& DB, double& AH, double& RH);
    int F_DBWB2RH(double& DB, double& WB, double& RH);
    int F_DBAH2RV(double& DB, double& AH, double& RV);
    int F_AH2DP(double& AH, double& DP);

    // Complete state from two properties. The seven references are always
    // the state vector DB, RH, AH, EN, SV, WB, DP in this order.
    int C_DBRH(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_DBAH(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_DBEN(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_DBWB(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_DBSV(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_RHAH(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_RHEN(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_RHWB(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_RHSV(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_AHEN(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_AHWB(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_AHSV(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_ENWB(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_ENSV(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);
    int C_WBSV(double& DB, double& RH, double& AH, double& EN, double& SV, double& WB, double& DP);

    // The engine library's file version ("1.5.0.19"), or null when the
    // library's file or its version resource cannot be read.
    const char* Verinfo();
};
