// The version functions over ELF files: the version block is the content of
// the file's ".version_resource" section.
#include "win32/WinVer.h"

#include "win32/ElfSection.h"
#include "win32/FileSearch.h"
#include "win32/VersionBlock.h"

#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace {

using namespace hygrel::win32;

constexpr char kVersionSectionName[] = ".version_resource";
// wLength is 16 bits wide: no block is longer.
constexpr std::size_t kMaxBlockLength = std::numeric_limits<WORD>::max();

// The file's version block, exactly root wLength bytes long.
std::optional<std::vector<std::uint8_t>> readVersionBlock(LPCSTR fileName)
{
    if (fileName == nullptr)
        return std::nullopt;
    const std::string path = findFileOnSearchPath(fileName);
    if (path.empty())
        return std::nullopt;
    const FileSource file(path.c_str());
    if (!file.isOpen())
        return std::nullopt;
    auto section = readElfSection(file, kVersionSectionName, kMaxBlockLength);
    if (!section)
        return std::nullopt;
    const std::size_t length = versionBlockLength(*section);
    if (length == 0)
        return std::nullopt;
    section->resize(length);
    return section;
}

std::span<const std::uint8_t> blockIn(LPCVOID buffer)
{
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    const std::size_t declared = static_cast<std::size_t>(bytes[0] | (bytes[1] << 8));
    return {bytes, versionBlockLength(std::span(bytes, declared))};
}

} // namespace

DWORD GetFileVersionInfoSizeA(LPCSTR fileName, LPDWORD handle)
{
    if (handle != nullptr)
        *handle = 0;
    const auto block = readVersionBlock(fileName);
    if (!block)
        return 0;
    return static_cast<DWORD>(versionBufferSize(block->size()));
}

BOOL GetFileVersionInfoA(LPCSTR fileName, DWORD /*handle*/, DWORD size, LPVOID data)
{
    if (data == nullptr)
        return 0;
    const auto block = readVersionBlock(fileName);
    if (!block || size < versionBufferSize(block->size()))
        return 0;
    prepareVersionBuffer(*block, static_cast<std::uint8_t*>(data));
    return 1;
}

BOOL VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID* value, PUINT length)
{
    if (block == nullptr || subBlock == nullptr || value == nullptr)
        return 0;
    const auto bytes = blockIn(block);
    if (bytes.empty())
        return 0;
    const auto found = findBlockValue(bytes, subBlock);
    if (!found)
        return 0;
    auto* buffer = static_cast<std::uint8_t*>(const_cast<void*>(block));
    if (found->text) {
        const char* text = textInVersionBuffer(buffer, bytes.size(), *found);
        if (text == nullptr)
            return 0;
        *value = const_cast<char*>(text);
        if (length != nullptr)
            *length = static_cast<UINT>(std::strlen(text) + 1);
        return 1;
    }
    if (found->size == 0)
        return 0;
    *value = buffer + found->offset;
    if (length != nullptr)
        *length = static_cast<UINT>(found->size);
    return 1;
}
