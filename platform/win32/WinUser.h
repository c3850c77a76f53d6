// wsprintfA: printf-style formatting into a caller's buffer.
#pragma once

#include "win32/WinDef.h"

// Like the Windows original, writes at most 1024 bytes including the
// terminator (so the buffer must hold 1024 bytes, or the output must be known
// to be shorter) and returns the number of characters stored, terminator not
// counted. Longer output is cut at 1023 characters.
int wsprintfA(LPSTR buffer, LPCSTR format, ...) __attribute__((format(printf, 2, 3)));

// The counted variant: writes at most `capacity` bytes including the
// terminator. Returns the number of characters stored, or -1 when
// `capacity` is 0 or the buffer is null.
int wnsprintfA(LPSTR buffer, int capacity, LPCSTR format, ...) __attribute__((format(printf, 3, 4)));
