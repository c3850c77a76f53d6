// Counted automation strings.
//
// A string is a pointer to its first character; a 32-bit byte count stands
// in the four bytes before it, and two zero bytes follow the text. The text
// is stored as given, byte for byte (it is not widened). Whoever receives a
// string owns it and releases it with SysFreeString.
#pragma once

#include "win32/WinDef.h"

#ifndef VAPCORE_BSTR_DEFINED
#define VAPCORE_BSTR_DEFINED
typedef char* BSTR;
#endif

// The release and length functions leave the engine library too: its callers
// must be able to release the strings it returns.
#define OLEAUTO_EXPORT __attribute__((visibility("default")))

extern "C" {

// A new string of `length` bytes copied from `text`; when `text` is null the
// bytes are zero. Null when memory is exhausted or the length does not fit.
BSTR SysAllocStringByteLen(LPCSTR text, UINT length);

// Releases a string; null is accepted and ignored.
OLEAUTO_EXPORT void SysFreeString(BSTR text);

// The byte count of a string; 0 for null.
OLEAUTO_EXPORT UINT SysStringByteLen(BSTR text);

} // extern "C"
