// The version functions: read the version-information block of a file and
// look values up in it.
//
// On this platform a file's version block is the content of its ELF section
// ".version_resource" (written at build time from a VERSIONINFO script). A
// bare file name is searched for in this order:
//   1. the directory of the running program (/proc/self/exe),
//   2. the directory of the module that holds this code (the program, or the
//      shared library it is linked into), so an installed library finds its
//      own file,
//   3. each directory of LD_LIBRARY_PATH,
//   4. the standard library directories, multiarch ones first.
// The first regular file of that name is the one read. A name containing a
// '/' is used as it stands.
#pragma once

#include "win32/WinDef.h"

struct VS_FIXEDFILEINFO {
    DWORD dwSignature; // 0xFEEF04BD
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};

inline constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BD;

// Size of the buffer GetFileVersionInfoA needs for the file's version block;
// 0 when the file cannot be found or read or holds no valid version block.
// *handle (if given) is set to 0; it exists for the callers' sake only.
DWORD GetFileVersionInfoSizeA(LPCSTR fileName, LPDWORD handle);

// Copies the file's version block into data, which must hold `size` bytes
// as GetFileVersionInfoSizeA reported. Returns 0 when the file or its block
// cannot be read, or when `size` is too small; data is then left unchanged.
BOOL GetFileVersionInfoA(LPCSTR fileName, DWORD handle, DWORD size, LPVOID data);

// Finds the value at a sub-block path in a buffer filled by
// GetFileVersionInfoA. Path components are separated by backslashes and
// match keys without regard to ASCII case:
//   "\"                          the VS_FIXEDFILEINFO (length in bytes)
//   "\VarFileInfo\Translation"   the translation entries, two WORDs each
//                                (language, code page; length in bytes)
//   "\StringFileInfo\041103A4\FileVersion"
//                                the zero-terminated text, converted from
//                                the block's UTF-16 to UTF-8 (length in
//                                bytes, terminator included)
// Returns 0 when the path does not exist, the value is empty binary data, or
// the block is malformed. *value points into `block` and stays valid as long
// as the buffer does.
BOOL VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID* value, PUINT length);
