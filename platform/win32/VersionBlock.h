// The version-information block: a tree of nodes, each
//   WORD wLength       bytes of the node and its children, trailing padding excluded
//   WORD wValueLength  value length: UTF-16 units for text, bytes for binary data
//   WORD wType         1 text, 0 binary
//   UTF-16LE key, zero-terminated, padded to a 32-bit boundary
//   value, padded to a 32-bit boundary
//   children, each starting on a 32-bit boundary
// The root node's key is "VS_VERSION_INFO". Nothing here trusts a length: a
// node that does not fit inside its parent, or whose key is not terminated
// inside it, is not part of the tree.
//
// The buffer that GetFileVersionInfoA fills holds the block and, behind it,
// room for the UTF-8 form of its texts:
//   [0, L)                      the block (L = root wLength)
//   [align4(L), align4(L) + 4)  the tag "UTF8"
//   [align4(L) + 4, +2L + 4)    text area: the text whose UTF-16 form starts
//                               at block offset o is written at 2*o
// UTF-16 takes 2 bytes per unit and UTF-8 at most 3, so every text fits in
// front of the next one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace hygrel::win32 {

inline constexpr char kVersionRootKey[] = "VS_VERSION_INFO";

// Where a value lies in the block. For text, `size` runs to the end of the
// node; the text itself ends at its first zero unit.
struct BlockValue {
    std::size_t offset = 0;
    std::size_t size = 0;
    bool text = false;
};

// The length of the version block at the start of `bytes`: the root node's
// wLength when the root node fits in `bytes`, has a terminated key and that
// key is "VS_VERSION_INFO"; 0 otherwise.
std::size_t versionBlockLength(std::span<const std::uint8_t> bytes);

// The value at a backslash-separated sub-block path ("\" is the root's own
// value); keys compare without regard to ASCII case.
std::optional<BlockValue> findBlockValue(std::span<const std::uint8_t> block, std::string_view path);

// Writes the UTF-8 form of UTF-16LE text, up to its first zero unit or the
// end of `units`, into out, always zero-terminated when capacity > 0. Stops
// before a character that would not fit; a lone surrogate becomes U+FFFD.
// Returns the bytes written, terminator not counted.
std::size_t utf16ToUtf8(std::span<const std::uint8_t> units, char* out, std::size_t capacity);

// Size of the buffer for a block of `blockLength` bytes, text area included.
std::size_t versionBufferSize(std::size_t blockLength);

// Lays out a version buffer of versionBufferSize(block.size()) bytes: the
// block, the tag and an empty text area.
void prepareVersionBuffer(std::span<const std::uint8_t> block, std::uint8_t* buffer);

// The UTF-8 form of the text at `value`, written into the text area of a
// buffer laid out by prepareVersionBuffer; null when the buffer has no tag.
const char* textInVersionBuffer(std::uint8_t* buffer, std::size_t blockLength, const BlockValue& value);

} // namespace hygrel::win32
