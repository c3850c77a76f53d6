#include "win32/VersionBlock.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace hygrel::win32 {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kMinNodeSize = kHeaderSize + 2; // header and an empty key
constexpr std::uint16_t kTextType = 1;
constexpr char kTextAreaTag[4] = {'U', 'T', 'F', '8'};

struct Node {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t keyBegin = 0;
    std::size_t keyEnd = 0; // the key's terminating unit
    std::size_t valueBegin = 0;
    std::uint16_t valueLength = 0;
    std::uint16_t type = 0;
};

constexpr std::size_t align4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

std::uint16_t wordAt(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

// The node starting at `begin`, which must end by `limit`.
std::optional<Node> parseNode(std::span<const std::uint8_t> block, std::size_t begin, std::size_t limit)
{
    if (begin > limit || limit - begin < kMinNodeSize)
        return std::nullopt;
    Node node;
    node.begin = begin;
    const std::size_t length = wordAt(block, begin);
    if (length < kMinNodeSize || length > limit - begin)
        return std::nullopt;
    node.end = begin + length;
    node.valueLength = wordAt(block, begin + 2);
    node.type = wordAt(block, begin + 4);
    node.keyBegin = begin + kHeaderSize;
    std::size_t unit = node.keyBegin;
    while (unit + 2 <= node.end && wordAt(block, unit) != 0)
        unit += 2;
    if (unit + 2 > node.end)
        return std::nullopt;
    node.keyEnd = unit;
    node.valueBegin = std::min(align4(unit + 2), node.end);
    return node;
}

// Where the children start; the node's end when the declared value leaves
// no room for any.
std::size_t childrenBegin(const Node& node)
{
    const std::size_t valueBytes =
        node.type == kTextType ? std::size_t{2} * node.valueLength : std::size_t{node.valueLength};
    if (valueBytes > node.end - node.valueBegin)
        return node.end;
    return std::min(align4(node.valueBegin + valueBytes), node.end);
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool keyMatches(std::span<const std::uint8_t> block, const Node& node, std::string_view name)
{
    const std::size_t units = (node.keyEnd - node.keyBegin) / 2;
    std::string key(3 * units + 1, '\0');
    const std::size_t length =
        utf16ToUtf8(block.subspan(node.keyBegin, node.keyEnd - node.keyBegin), key.data(), key.size());
    if (length != name.size())
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (asciiLower(key[i]) != asciiLower(name[i]))
            return false;
    }
    return true;
}

std::optional<Node> findChild(std::span<const std::uint8_t> block, const Node& parent, std::string_view name)
{
    std::size_t offset = childrenBegin(parent);
    while (offset < parent.end) {
        const auto child = parseNode(block, offset, parent.end);
        if (!child)
            return std::nullopt;
        if (keyMatches(block, *child, name))
            return child;
        offset = align4(child->end);
    }
    return std::nullopt;
}

std::optional<Node> parseRoot(std::span<const std::uint8_t> block)
{
    auto root = parseNode(block, 0, block.size());
    if (!root || !keyMatches(block, *root, kVersionRootKey))
        return std::nullopt;
    return root;
}

std::optional<BlockValue> valueOf(const Node& node)
{
    if (node.type == kTextType)
        return BlockValue{node.valueBegin, node.end - node.valueBegin, true};
    if (node.valueLength > node.end - node.valueBegin)
        return std::nullopt;
    return BlockValue{node.valueBegin, node.valueLength, false};
}

// Appends the UTF-8 form of a code point when it fits before `capacity`
// (one byte is kept free for the terminator).
bool appendUtf8(char32_t code, char* out, std::size_t& written, std::size_t capacity)
{
    char bytes[4];
    std::size_t count = 0;
    if (code < 0x80) {
        bytes[count++] = static_cast<char>(code);
    } else if (code < 0x800) {
        bytes[count++] = static_cast<char>(0xC0 | (code >> 6));
        bytes[count++] = static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes[count++] = static_cast<char>(0xE0 | (code >> 12));
        bytes[count++] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes[count++] = static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes[count++] = static_cast<char>(0xF0 | (code >> 18));
        bytes[count++] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes[count++] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes[count++] = static_cast<char>(0x80 | (code & 0x3F));
    }
    if (count + 1 > capacity - written)
        return false;
    std::memcpy(out + written, bytes, count);
    written += count;
    return true;
}

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace

std::size_t versionBlockLength(std::span<const std::uint8_t> bytes)
{
    const auto root = parseRoot(bytes);
    return root ? root->end : 0;
}

std::optional<BlockValue> findBlockValue(std::span<const std::uint8_t> block, std::string_view path)
{
    auto node = parseRoot(block);
    while (node) {
        const std::size_t first = path.find_first_not_of('\\');
        if (first == std::string_view::npos)
            return valueOf(*node);
        path.remove_prefix(first);
        const std::size_t separator = path.find('\\');
        const std::string_view name = path.substr(0, separator);
        path.remove_prefix(name.size());
        node = findChild(block, *node, name);
    }
    return std::nullopt;
}

std::size_t utf16ToUtf8(std::span<const std::uint8_t> units, char* out, std::size_t capacity)
{
    if (capacity == 0)
        return 0;
    std::size_t written = 0;
    const std::size_t count = units.size() / 2;
    for (std::size_t i = 0; i < count; ++i) {
        char32_t code = wordAt(units, 2 * i);
        if (code == 0)
            break;
        if (isHighSurrogate(code) && i + 1 < count && isLowSurrogate(wordAt(units, 2 * i + 2))) {
            code = 0x10000 + ((code - 0xD800) << 10) + (wordAt(units, 2 * i + 2) - 0xDC00);
            ++i;
        } else if (isHighSurrogate(code) || isLowSurrogate(code)) {
            code = 0xFFFD;
        }
        if (!appendUtf8(code, out, written, capacity))
            break;
    }
    out[written] = '\0';
    return written;
}

std::size_t versionBufferSize(std::size_t blockLength)
{
    return align4(blockLength) + sizeof kTextAreaTag + 2 * blockLength + 1;
}

void prepareVersionBuffer(std::span<const std::uint8_t> block, std::uint8_t* buffer)
{
    const std::size_t total = versionBufferSize(block.size());
    std::memset(buffer, 0, total);
    std::memcpy(buffer, block.data(), block.size());
    std::memcpy(buffer + align4(block.size()), kTextAreaTag, sizeof kTextAreaTag);
}

const char* textInVersionBuffer(std::uint8_t* buffer, std::size_t blockLength, const BlockValue& value)
{
    std::uint8_t* tag = buffer + align4(blockLength);
    if (std::memcmp(tag, kTextAreaTag, sizeof kTextAreaTag) != 0)
        return nullptr;
    char* area = reinterpret_cast<char*>(tag + sizeof kTextAreaTag);
    const std::size_t areaSize = 2 * blockLength + 1;
    const std::size_t at = 2 * value.offset;
    if (value.offset > blockLength || value.size > blockLength - value.offset)
        return nullptr;
    utf16ToUtf8(std::span<const std::uint8_t>(buffer + value.offset, value.size), area + at, areaSize - at);
    return area + at;
}

} // namespace hygrel::win32
