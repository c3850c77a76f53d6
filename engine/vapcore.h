/* Vapcore flat interface: the engine's relations on plain doubles.
 *
 * Every V_ function evaluates one relation on the library's shared engine
 * object in MKS units (pressures in mmHg, enthalpies in kcal/kg; degC, %,
 * kg/kg' and m3/kg elsewhere) and returns the result, or exactly 0.0 when
 * the relation fails. Usable from C, C++ and foreign-function interfaces.
 */
#ifndef VAPCORE_H
#define VAPCORE_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(VAPCORE_BUILDING_LIBRARY)
#define VAPCORE_C_API __attribute__((visibility("default")))
#else
#define VAPCORE_C_API
#endif

/* A counted single-byte string: a 32-bit byte count stands just before the
 * first character and the text is followed by a terminating zero. The
 * caller owns it and releases it with SysFreeString. */
#ifndef VAPCORE_BSTR_DEFINED
#define VAPCORE_BSTR_DEFINED
typedef char* BSTR;
#endif

VAPCORE_C_API double V_DB2PWS(double DB);
VAPCORE_C_API double V_PW2AH(double PW);
VAPCORE_C_API double V_ENDB2AH(double EN, double DB);
VAPCORE_C_API double V_DBWB2AH(double DB, double WB);
VAPCORE_C_API double V_DBSV2AH(double DB, double SV);
VAPCORE_C_API double V_SVWB2AH(double SV, double WB);
VAPCORE_C_API double V_DBRH2AH(double DB, double RH);
VAPCORE_C_API double V_DBAH2EN(double DB, double AH);
VAPCORE_C_API double V_DBAH2WB(double DB, double AH);
VAPCORE_C_API double V_DBAH2SV(double DB, double AH);
VAPCORE_C_API double V_WBAH2DB(double WB, double AH);
VAPCORE_C_API double V_SVAH2DB(double SV, double AH);
VAPCORE_C_API double V_ENAH2DB(double EN, double AH);
VAPCORE_C_API double V_RHAH2DB(double RH, double AH);
VAPCORE_C_API double V_RHEN2DB(double RH, double EN);
VAPCORE_C_API double V_RHWB2DB(double RH, double WB);
VAPCORE_C_API double V_RHSV2DB(double RH, double SV);
VAPCORE_C_API double V_SVEN2DB(double SV, double EN);
VAPCORE_C_API double V_DBAH2RH(double DB, double AH);
VAPCORE_C_API double V_DBAH2RV(double DB, double AH);
VAPCORE_C_API double V_AH2DP(double AH);

/* The library's file version ("1.5.0.19") as a counted string, or null when
 * the library's file or its version resource cannot be read. */
VAPCORE_C_API BSTR V_Ver(void);

/* Releases a string returned by V_Ver; null is accepted. */
VAPCORE_C_API void SysFreeString(BSTR text);
/* The byte count of a counted string; 0 for null. */
VAPCORE_C_API unsigned int SysStringByteLen(BSTR text);

#ifdef __cplusplus
}
#endif

#endif /* VAPCORE_H */
