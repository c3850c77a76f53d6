#include "VersionRecord.h"

#include "win32/WinUser.h"
#include "win32/WinVer.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr DWORD kDefaultTranslation = 0x041103A4; // Japanese, code page 932

struct Entry {
    const char* key;
    char (VersionRecord::*field)[kVersionFieldSize];
};

constexpr Entry kEntries[] = {
    {"CompanyName", &VersionRecord::CompanyName},
    {"FileDescription", &VersionRecord::FileDescription},
    {"FileVersion", &VersionRecord::FileVersion},
    {"InternalName", &VersionRecord::InternalName},
    {"LegalCopyright", &VersionRecord::LegalCopyright},
    {"OriginalFilename", &VersionRecord::OriginalFilename},
    {"ProductName", &VersionRecord::ProductName},
    {"ProductVersion", &VersionRecord::ProductVersion},
};

// The first translation entry as (language << 16) + code page; the default
// when the block has no translation table or the table holds no full entry.
DWORD firstTranslation(const void* block)
{
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block, "\\VarFileInfo\\Translation", &value, &length) || length < 2 * sizeof(WORD))
        return kDefaultTranslation;
    WORD entry[2];
    std::memcpy(entry, value, sizeof entry);
    return (static_cast<DWORD>(entry[0]) << 16) + entry[1];
}

// Copies zero-terminated text into a field. Text longer than the field can
// hold is cut after the last whole UTF-8 character that fits.
void copyField(char (&field)[kVersionFieldSize], const char* text)
{
    std::size_t length = strnlen(text, kVersionFieldSize);
    if (length == kVersionFieldSize) {
        length = kVersionFieldSize - 1;
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memset(field, 0, kVersionFieldSize);
    std::memcpy(field, text, length);
}

void fillFields(VersionRecord& record, const void* block, const char* prefix)
{
    char path[1024];
    for (const Entry& entry : kEntries) {
        char(&field)[kVersionFieldSize] = record.*entry.field;
        void* value = nullptr;
        UINT length = 0;
        wnsprintfA(path, sizeof path, "%s%s", prefix, entry.key);
        if (VerQueryValueA(block, path, &value, &length))
            copyField(field, static_cast<const char*>(value));
        else
            std::memset(field, 0, kVersionFieldSize);
    }
}

} // namespace

bool ReadVersionRecord(VersionRecord& record, const char* fileName)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName, &handle);
    if (size == 0)
        return false;
    const std::unique_ptr<unsigned char[]> block(new (std::nothrow) unsigned char[size]);
    if (!block || !GetFileVersionInfoA(fileName, handle, size, block.get()))
        return false;
    char prefix[1024];
    wsprintfA(prefix, "\\StringFileInfo\\%08X\\", static_cast<unsigned>(firstTranslation(block.get())));
    fillFields(record, block.get(), prefix);
    return true;
}
