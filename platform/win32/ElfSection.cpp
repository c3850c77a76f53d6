#include "win32/ElfSection.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hygrel::win32 {
namespace {

constexpr std::size_t kIdentSize = 16;
constexpr std::uint8_t kClass32 = 1;
constexpr std::uint8_t kClass64 = 2;
constexpr std::uint8_t kLittleEndian = 1;
constexpr std::uint8_t kBigEndian = 2;
constexpr std::uint32_t kNoBitsType = 8; // SHT_NOBITS: occupies no file space
constexpr std::uint16_t kExtendedIndex = 0xFFFF; // SHN_XINDEX

// Field offsets and sizes of the two ELF classes.
struct Layout {
    std::size_t headerSize;
    std::size_t shoffAt, shentsizeAt, shnumAt, shstrndxAt;
    std::size_t sectionHeaderSize;
    std::size_t nameAt, typeAt, offsetAt, sizeAt, linkAt;
    std::size_t wordSize; // of sh_offset, sh_size, e_shoff
};

constexpr Layout kLayout32{52, 32, 46, 48, 50, 40, 0, 4, 16, 20, 24, 4};
constexpr Layout kLayout64{64, 40, 58, 60, 62, 64, 0, 4, 24, 32, 40, 8};

class Decoder {
public:
    explicit Decoder(bool bigEndian) : bigEndian_(bigEndian) {}

    std::uint64_t get(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t width) const
    {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            const std::size_t index = bigEndian_ ? at + i : at + width - 1 - i;
            value = (value << 8) | bytes[index];
        }
        return value;
    }

private:
    bool bigEndian_;
};

struct Section {
    std::uint64_t name, type, offset, size, link;
};

bool fitsInFile(const ByteSource& file, std::uint64_t offset, std::uint64_t size)
{
    return offset <= file.size() && size <= file.size() - offset;
}

std::optional<std::vector<std::uint8_t>> readRange(const ByteSource& file, std::uint64_t offset,
                                                   std::uint64_t size)
{
    if (!fitsInFile(file, offset, size))
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!file.read(offset, bytes))
        return std::nullopt;
    return bytes;
}

class ElfReader {
public:
    explicit ElfReader(const ByteSource& file) : file_(file) {}

    std::optional<std::vector<std::uint8_t>> section(std::string_view name, std::size_t maxBytes)
    {
        if (!readHeader() || !readSectionTable() || !readNameTable())
            return std::nullopt;
        for (std::uint64_t i = 0; i < count_; ++i) {
            const Section s = sectionAt(i);
            if (nameIs(s.name, name))
                return contents(s, maxBytes);
        }
        return std::nullopt;
    }

private:
    bool readHeader()
    {
        std::array<std::uint8_t, 64> header{};
        if (file_.size() < kIdentSize || !file_.read(0, std::span(header).first(kIdentSize)))
            return false;
        if (std::memcmp(header.data(), "\x7F" "ELF", 4) != 0)
            return false;
        if (header[4] != kClass32 && header[4] != kClass64)
            return false;
        if (header[5] != kLittleEndian && header[5] != kBigEndian)
            return false;
        layout_ = header[4] == kClass64 ? &kLayout64 : &kLayout32;
        decoder_ = Decoder(header[5] == kBigEndian);
        if (file_.size() < layout_->headerSize || !file_.read(0, std::span(header).first(layout_->headerSize)))
            return false;
        tableOffset_ = decoder_.get(header, layout_->shoffAt, layout_->wordSize);
        entrySize_ = decoder_.get(header, layout_->shentsizeAt, 2);
        count_ = decoder_.get(header, layout_->shnumAt, 2);
        nameTableIndex_ = decoder_.get(header, layout_->shstrndxAt, 2);
        return tableOffset_ != 0 && entrySize_ >= layout_->sectionHeaderSize;
    }

    // Reads the section header table. With more sections than the header's
    // fields can count, the count and the name-table index stand in section 0.
    bool readSectionTable()
    {
        auto first = readRange(file_, tableOffset_, entrySize_);
        if (!first)
            return false;
        if (count_ == 0)
            count_ = decoder_.get(*first, layout_->sizeAt, layout_->wordSize);
        if (nameTableIndex_ == kExtendedIndex)
            nameTableIndex_ = decoder_.get(*first, layout_->linkAt, 4);
        if (count_ == 0 || count_ > kMaxSectionTableBytes / entrySize_)
            return false;
        auto table = readRange(file_, tableOffset_, count_ * entrySize_);
        if (!table)
            return false;
        table_ = std::move(*table);
        return nameTableIndex_ < count_;
    }

    bool readNameTable()
    {
        const Section names = sectionAt(nameTableIndex_);
        if (names.type == kNoBitsType || names.size > kMaxSectionNameTableBytes)
            return false;
        auto bytes = readRange(file_, names.offset, names.size);
        if (!bytes)
            return false;
        names_ = std::move(*bytes);
        return true;
    }

    Section sectionAt(std::uint64_t index) const
    {
        const std::size_t at = static_cast<std::size_t>(index * entrySize_);
        const auto field = [&](std::size_t offset, std::size_t width) {
            return decoder_.get(table_, at + offset, width);
        };
        return {field(layout_->nameAt, 4), field(layout_->typeAt, 4), field(layout_->offsetAt, layout_->wordSize),
                field(layout_->sizeAt, layout_->wordSize), field(layout_->linkAt, 4)};
    }

    bool nameIs(std::uint64_t offset, std::string_view name) const
    {
        if (offset >= names_.size())
            return false;
        const auto* begin = reinterpret_cast<const char*>(names_.data()) + offset;
        const std::size_t available = names_.size() - static_cast<std::size_t>(offset);
        const std::size_t length = strnlen(begin, available);
        return length < available && std::string_view(begin, length) == name;
    }

    std::optional<std::vector<std::uint8_t>> contents(const Section& s, std::size_t maxBytes) const
    {
        if (s.type == kNoBitsType || !fitsInFile(file_, s.offset, s.size))
            return std::nullopt;
        return readRange(file_, s.offset, std::min<std::uint64_t>(s.size, maxBytes));
    }

    const ByteSource& file_;
    const Layout* layout_ = &kLayout64;
    Decoder decoder_{false};
    std::uint64_t tableOffset_ = 0;
    std::uint64_t entrySize_ = 0;
    std::uint64_t count_ = 0;
    std::uint64_t nameTableIndex_ = 0;
    std::vector<std::uint8_t> table_;
    std::vector<std::uint8_t> names_;
};

} // namespace

bool MemorySource::read(std::uint64_t offset, std::span<std::uint8_t> dest) const
{
    if (offset > bytes_.size() || dest.size() > bytes_.size() - offset)
        return false;
    if (!dest.empty())
        std::memcpy(dest.data(), bytes_.data() + offset, dest.size());
    return true;
}

FileSource::FileSource(const char* path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
}

FileSource::~FileSource()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool FileSource::read(std::uint64_t offset, std::span<std::uint8_t> dest) const
{
    std::size_t done = 0;
    while (done < dest.size()) {
        const ssize_t got = ::pread(fd_, dest.data() + done, dest.size() - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> readElfSection(const ByteSource& file, std::string_view name,
                                                        std::size_t maxBytes)
{
    return ElfReader(file).section(name, maxBytes);
}

} // namespace hygrel::win32
