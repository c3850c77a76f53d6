// The version resource of a resource script (the VERSIONINFO statement) and
// its compiled form, the binary version-information block.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hygrel::verrc {

struct ResourceNode {
    enum class Kind { Block, Text, Binary };
    Kind kind = Kind::Block;
    std::u16string key;
    std::u16string text;              // Kind::Text, terminator not included
    std::vector<std::uint8_t> binary; // Kind::Binary
    std::vector<ResourceNode> children; // Kind::Block
};

// The fixed part (VS_FIXEDFILEINFO) and the blocks of a VERSIONINFO.
struct VersionResource {
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOS = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::vector<ResourceNode> children;
};

class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& message)
        : std::runtime_error(message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// Parses a script holding one VERSIONINFO statement (UTF-8 text; comments
// allowed, preprocessor directives not). Throws ScriptError.
VersionResource parseVersionScript(std::string_view script);

// The binary block: VS_VERSIONINFO with its VS_FIXEDFILEINFO and children,
// 16-bit lengths, UTF-16LE keys, every node on a 32-bit boundary. Throws
// ScriptError (line 0) when a node outgrows its 16-bit length.
std::vector<std::uint8_t> buildVersionBlock(const VersionResource& resource);

// C++ source that places the block in the ELF section `section` of the file
// it is linked into, kept even when nothing refers to it.
std::string blockAsSource(const std::vector<std::uint8_t>& block, std::string_view section,
                          std::string_view origin);

} // namespace hygrel::verrc
