// Reads one named section out of an ELF file (32- or 64-bit, either byte
// order). Every offset, size and count in the file is checked against the
// file's size before it is used; a file that is not ELF, is truncated or
// contradicts itself yields no section.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace hygrel::win32 {

// The bytes of a file, read at given offsets.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Reads exactly dest.size() bytes at `offset`; false when that fails.
    virtual bool read(std::uint64_t offset, std::span<std::uint8_t> dest) const = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, std::span<std::uint8_t> dest) const override;

private:
    std::span<const std::uint8_t> bytes_;
};

// A regular file opened for reading; anything else (a directory, a device, a
// pipe) is refused without blocking.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const char* path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    std::uint64_t size() const override { return size_; }
    bool read(std::uint64_t offset, std::span<std::uint8_t> dest) const override;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// Limits on what the reader is prepared to load from one file.
inline constexpr std::uint64_t kMaxSectionTableBytes = 16u << 20;
inline constexpr std::uint64_t kMaxSectionNameTableBytes = 16u << 20;

// The first min(section size, maxBytes) bytes of the first section called
// `name`; nullopt when there is none or the file is not sound ELF. The whole
// section, as declared, must lie inside the file.
std::optional<std::vector<std::uint8_t>> readElfSection(const ByteSource& file, std::string_view name,
                                                        std::size_t maxBytes);

} // namespace hygrel::win32
