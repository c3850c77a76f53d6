#include "win32/WinUser.h"

#include <cstdarg>
#include <cstdio>

namespace {

// The most a wsprintfA call may write, terminator included.
constexpr int kWsprintfLimit = 1024;

int formatBounded(LPSTR buffer, int capacity, LPCSTR format, std::va_list args)
{
    if (buffer == nullptr || capacity <= 0)
        return -1;
    const int wanted = std::vsnprintf(buffer, static_cast<std::size_t>(capacity), format, args);
    if (wanted < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return wanted < capacity ? wanted : capacity - 1;
}

} // namespace

int wsprintfA(LPSTR buffer, LPCSTR format, ...)
{
    std::va_list args;
    va_start(args, format);
    const int stored = formatBounded(buffer, kWsprintfLimit, format, args);
    va_end(args);
    return stored;
}

int wnsprintfA(LPSTR buffer, int capacity, LPCSTR format, ...)
{
    std::va_list args;
    va_start(args, format);
    const int stored = formatBounded(buffer, capacity, format, args);
    va_end(args);
    return stored;
}
