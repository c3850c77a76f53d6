// The flat interface: one shared engine object, built while the library is
// loaded and never torn down, and one V_ function per relation.
#include "EngineInternal.h"
#include "vapcore.h"

#include "VersionRecord.h"
#include "win32/OleAuto.h"

#include <cstring>

namespace {

// Constructed by the run-time start-up before any export can be called; the
// object needs no clean-up. Nothing changes its members, so Mode stays 0.
HygrelClass sharedEngine;

// The library looks itself up under its own file name.
constexpr const char* kLibraryFileName = "libvapcore.so.1";

using Relation1 = int (HygrelClass::*)(double&, double&);
using Relation2 = int (HygrelClass::*)(double&, double&, double&);

double evaluate(Relation1 relation, double a)
{
    double r = 0.0;
    return ((sharedEngine.*relation)(a, r) < 0) ? 0.0 : r;
}

double evaluate(Relation2 relation, double a, double b)
{
    double r = 0.0;
    return ((sharedEngine.*relation)(a, b, r) < 0) ? 0.0 : r;
}

} // namespace

extern "C" {

double V_DB2PWS(double DB) { return evaluate(&HygrelClass::F_DB2PWS, DB); }
double V_PW2AH(double PW) { return evaluate(&HygrelClass::F_PW2AH, PW); }
double V_ENDB2AH(double EN, double DB) { return evaluate(&HygrelClass::F_ENDB2AH, EN, DB); }
double V_DBWB2AH(double DB, double WB) { return evaluate(&HygrelClass::F_DBWB2AH, DB, WB); }
double V_DBSV2AH(double DB, double SV) { return evaluate(&HygrelClass::F_DBSV2AH, DB, SV); }
double V_SVWB2AH(double SV, double WB) { return evaluate(&HygrelClass::F_SVWB2AH, SV, WB); }
double V_DBRH2AH(double DB, double RH) { return evaluate(&HygrelClass::F_DBRH2AH, DB, RH); }
double V_DBAH2EN(double DB, double AH) { return evaluate(&HygrelClass::F_DBAH2EN, DB, AH); }
double V_DBAH2WB(double DB, double AH) { return evaluate(&HygrelClass::F_DBAH2WB, DB, AH); }
double V_DBAH2SV(double DB, double AH) { return evaluate(&HygrelClass::F_DBAH2SV, DB, AH); }
double V_WBAH2DB(double WB, double AH) { return evaluate(&HygrelClass::F_WBAH2DB, WB, AH); }
double V_SVAH2DB(double SV, double AH) { return evaluate(&HygrelClass::F_SVAH2DB, SV, AH); }
double V_ENAH2DB(double EN, double AH) { return evaluate(&HygrelClass::F_ENAH2DB, EN, AH); }
double V_RHAH2DB(double RH, double AH) { return evaluate(&HygrelClass::F_RHAH2DB, RH, AH); }
double V_RHEN2DB(double RH, double EN) { return evaluate(&HygrelClass::F_RHEN2DB, RH, EN); }
double V_RHWB2DB(double RH, double WB) { return evaluate(&HygrelClass::F_RHWB2DB, RH, WB); }
double V_RHSV2DB(double RH, double SV) { return evaluate(&HygrelClass::F_RHSV2DB, RH, SV); }
double V_SVEN2DB(double SV, double EN) { return evaluate(&HygrelClass::F_SVEN2DB, SV, EN); }
double V_DBAH2RH(double DB, double AH) { return evaluate(&HygrelClass::F_DBAH2RH, DB, AH); }
double V_DBAH2RV(double DB, double AH) { return evaluate(&HygrelClass::F_DBAH2RV, DB, AH); }
double V_AH2DP(double AH) { return evaluate(&HygrelClass::F_AH2DP, AH); }

BSTR V_Ver(void)
{
    VersionRecord record;
    if (!ReadVersionRecord(record, kLibraryFileName))
        return nullptr;
    const auto length = static_cast<unsigned int>(std::strlen(record.FileVersion));
    return SysAllocStringByteLen(record.FileVersion, length);
}

} // extern "C"

// The text lives in a buffer of the calling thread: it stays valid until the
// same thread calls Verinfo again, or ends.
const char* HygrelClass::Verinfo()
{
    thread_local VersionRecord record;
    if (!ReadVersionRecord(record, kLibraryFileName))
        return nullptr;
    return record.FileVersion;
}
