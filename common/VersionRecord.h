// The version record: eight standard texts of a file's version resource.
#pragma once

inline constexpr int kVersionFieldSize = 260;

// Each field holds zero-terminated single-byte text of at most 259 bytes.
struct VersionRecord {
    char CompanyName[kVersionFieldSize];
    char FileDescription[kVersionFieldSize];
    char FileVersion[kVersionFieldSize];
    char InternalName[kVersionFieldSize];
    char LegalCopyright[kVersionFieldSize];
    char OriginalFilename[kVersionFieldSize];
    char ProductName[kVersionFieldSize];
    char ProductVersion[kVersionFieldSize];
};

// Fills `record` from the version resource of the file `fileName` (a path,
// or a bare name found by the version functions' search). The texts come
// from the string table of the resource's first translation entry, or of
// 0x041103A4 when it has no translation table; a key the table lacks gives
// an empty field. A text longer than 259 bytes is cut to the longest prefix
// of whole UTF-8 characters that fits. Returns false, leaving `record`
// untouched, when the file or its version resource cannot be read.
bool ReadVersionRecord(VersionRecord& record, const char* fileName);
