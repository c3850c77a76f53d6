// Counted strings: [32-bit byte count][text bytes][0][0], handed out as a
// pointer to the first text byte.
#include "win32/OleAuto.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kPrefixSize = sizeof(std::uint32_t);
constexpr std::size_t kTerminatorSize = 2;

unsigned char* allocationOf(BSTR text)
{
    return reinterpret_cast<unsigned char*>(text) - kPrefixSize;
}

} // namespace

extern "C" {

BSTR SysAllocStringByteLen(LPCSTR text, UINT length)
{
    constexpr std::size_t kMaxLength =
        std::numeric_limits<std::uint32_t>::max() - kPrefixSize - kTerminatorSize;
    if (length > kMaxLength)
        return nullptr;
    const std::size_t total = kPrefixSize + length + kTerminatorSize;
    auto* memory = static_cast<unsigned char*>(std::malloc(total));
    if (memory == nullptr)
        return nullptr;
    const std::uint32_t count = length;
    std::memcpy(memory, &count, kPrefixSize);
    unsigned char* first = memory + kPrefixSize;
    if (text != nullptr)
        std::memcpy(first, text, length);
    else
        std::memset(first, 0, length);
    std::memset(first + length, 0, kTerminatorSize);
    return reinterpret_cast<BSTR>(first);
}

void SysFreeString(BSTR text)
{
    if (text != nullptr)
        std::free(allocationOf(text));
}

UINT SysStringByteLen(BSTR text)
{
    if (text == nullptr)
        return 0;
    std::uint32_t count = 0;
    std::memcpy(&count, allocationOf(text), kPrefixSize);
    return count;
}

} // extern "C"
