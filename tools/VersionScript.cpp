// A reader for the VERSIONINFO statement of resource scripts:
//
//   id VERSIONINFO
//     FILEVERSION a,b,c,d     PRODUCTVERSION a,b,c,d
//     FILEFLAGSMASK n  FILEFLAGS n  FILEOS n  FILETYPE n  FILESUBTYPE n
//   BEGIN
//     BLOCK "key" BEGIN ... END
//     VALUE "key", "text" ["more text" ...]
//     VALUE "key", number [, number ...]     (WORDs; an L suffix makes a DWORD)
//   END
//
// BEGIN/END and { } are interchangeable; numbers are decimal or 0x hex,
// may carry L/U suffixes and may be joined with | or +; the usual symbolic
// constants (VS_FF_*, VOS_*, VFT_*) are known.
#include "VersionScript.h"

#include <cctype>
#include <cstring>
#include <map>
#include <optional>

namespace hygrel::verrc {
namespace {

struct Token {
    enum class Type { Word, Number, String, Comma, Open, Close, Or, End };
    Type type = Type::End;
    std::string text;     // Word: as written; String: decoded UTF-8
    std::uint32_t number = 0;
    bool longNumber = false;
    int line = 1;
};

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Token next()
    {
        skipBlanks();
        Token token;
        token.line = line_;
        if (pos_ >= text_.size())
            return token;
        const char c = text_[pos_];
        if (c == '#')
            throw ScriptError(line_, "preprocessor directives are not supported");
        if (c == '"')
            return string(token);
        if (std::isdigit(static_cast<unsigned char>(c)))
            return number(token);
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_')
            return word(token);
        ++pos_;
        switch (c) {
        case ',': token.type = Token::Type::Comma; return token;
        case '{': token.type = Token::Type::Open; return token;
        case '}': token.type = Token::Type::Close; return token;
        case '|': case '+': token.type = Token::Type::Or; return token;
        default: throw ScriptError(line_, std::string("unexpected character '") + c + "'");
        }
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (text_.substr(pos_, 2) == "//") {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
            } else if (text_.substr(pos_, 2) == "/*") {
                const std::size_t end = text_.find("*/", pos_ + 2);
                if (end == std::string_view::npos)
                    throw ScriptError(line_, "unterminated comment");
                for (std::size_t i = pos_; i < end; ++i)
                    line_ += text_[i] == '\n';
                pos_ = end + 2;
            } else {
                return;
            }
        }
    }

    Token string(Token& token)
    {
        token.type = Token::Type::String;
        ++pos_;
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n')
                throw ScriptError(token.line, "unterminated string");
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') { // "" stands for one quote
                    token.text += '"';
                    ++pos_;
                    continue;
                }
                return token;
            }
            if (c == '\\')
                token.text += escape();
            else
                token.text += c;
        }
    }

    char escape()
    {
        if (pos_ >= text_.size())
            throw ScriptError(line_, "unterminated string");
        const char c = text_[pos_++];
        switch (c) {
        case 'n': return '\n';
        case 't': return '\t';
        case 'r': return '\r';
        case '0': return '\0';
        case '\\': return '\\';
        case '"': return '"';
        default: throw ScriptError(line_, std::string("unknown escape \\") + c);
        }
    }

    Token number(Token& token)
    {
        token.type = Token::Type::Number;
        int base = 10;
        if (text_.substr(pos_, 2) == "0x" || text_.substr(pos_, 2) == "0X") {
            base = 16;
            pos_ += 2;
        }
        std::uint64_t value = 0;
        std::size_t digits = 0;
        for (; pos_ < text_.size(); ++pos_, ++digits) {
            const int digit = digitValue(text_[pos_], base);
            if (digit < 0)
                break;
            value = value * base + digit;
            if (value > 0xFFFFFFFFu)
                throw ScriptError(line_, "number does not fit 32 bits");
        }
        if (digits == 0)
            throw ScriptError(line_, "malformed number");
        while (pos_ < text_.size() && std::strchr("lLuU", text_[pos_]) != nullptr)
            token.longNumber |= std::tolower(static_cast<unsigned char>(text_[pos_++])) == 'l';
        if (pos_ < text_.size() && std::isalnum(static_cast<unsigned char>(text_[pos_])))
            throw ScriptError(line_, "malformed number");
        token.number = static_cast<std::uint32_t>(value);
        return token;
    }

    static int digitValue(char c, int base)
    {
        const int lower = std::tolower(static_cast<unsigned char>(c));
        int digit = -1;
        if (lower >= '0' && lower <= '9')
            digit = lower - '0';
        else if (lower >= 'a' && lower <= 'f')
            digit = lower - 'a' + 10;
        return digit < base ? digit : -1;
    }

    Token word(Token& token)
    {
        token.type = Token::Type::Word;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            token.text += text_[pos_++];
        if (token.text == "BEGIN")
            token.type = Token::Type::Open;
        else if (token.text == "END")
            token.type = Token::Type::Close;
        return token;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

const std::map<std::string, std::uint32_t>& symbolicConstants()
{
    static const std::map<std::string, std::uint32_t> constants = {
        {"VS_FF_DEBUG", 0x1}, {"VS_FF_PRERELEASE", 0x2}, {"VS_FF_PATCHED", 0x4},
        {"VS_FF_PRIVATEBUILD", 0x8}, {"VS_FF_INFOINFERRED", 0x10}, {"VS_FF_SPECIALBUILD", 0x20},
        {"VS_FFI_FILEFLAGSMASK", 0x3F}, {"VOS_UNKNOWN", 0x0}, {"VOS__WINDOWS32", 0x4},
        {"VOS_NT", 0x40000}, {"VOS_NT_WINDOWS32", 0x40004}, {"VFT_UNKNOWN", 0x0}, {"VFT_APP", 0x1},
        {"VFT_DLL", 0x2}, {"VFT_STATIC_LIB", 0x7}, {"VFT2_UNKNOWN", 0x0},
    };
    return constants;
}

std::u16string toUtf16(const std::string& utf8, int line)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= utf8.size())
            throw ScriptError(line, "text is not valid UTF-8");
        char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80)
                throw ScriptError(line, "text is not valid UTF-8");
            code = (code << 6) | (next & 0x3F);
        }
        i += extra + 1;
        constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            throw ScriptError(line, "text is not valid UTF-8");
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
    }
    return out;
}

class Parser {
public:
    explicit Parser(std::string_view text) : lexer_(text) { advance(); }

    VersionResource script()
    {
        VersionResource resource;
        if (current_.type != Token::Type::Number && current_.type != Token::Type::Word)
            fail("expected the resource name before VERSIONINFO");
        advance();
        expectWord("VERSIONINFO");
        while (current_.type == Token::Type::Word)
            fixedStatement(resource);
        resource.children = blockBody();
        if (current_.type != Token::Type::End)
            fail("unexpected text after the VERSIONINFO statement");
        return resource;
    }

private:
    [[noreturn]] void fail(const std::string& message) const { throw ScriptError(current_.line, message); }

    void advance() { current_ = lexer_.next(); }

    void expect(Token::Type type, const char* what)
    {
        if (current_.type != type)
            fail(std::string("expected ") + what);
        advance();
    }

    void expectWord(const char* word)
    {
        if (current_.type != Token::Type::Word || current_.text != word)
            fail(std::string("expected ") + word);
        advance();
    }

    void fixedStatement(VersionResource& r)
    {
        const std::string keyword = current_.text;
        advance();
        if (keyword == "FILEVERSION")
            r.fileVersion = versionQuad();
        else if (keyword == "PRODUCTVERSION")
            r.productVersion = versionQuad();
        else if (keyword == "FILEFLAGSMASK")
            r.fileFlagsMask = expression().number;
        else if (keyword == "FILEFLAGS")
            r.fileFlags = expression().number;
        else if (keyword == "FILEOS")
            r.fileOS = expression().number;
        else if (keyword == "FILETYPE")
            r.fileType = expression().number;
        else if (keyword == "FILESUBTYPE")
            r.fileSubtype = expression().number;
        else
            throw ScriptError(current_.line, "unknown statement " + keyword);
    }

    std::array<std::uint16_t, 4> versionQuad()
    {
        std::array<std::uint16_t, 4> parts{};
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const Token part = expression();
            if (part.number > 0xFFFF)
                fail("a version part must fit 16 bits");
            parts[i] = static_cast<std::uint16_t>(part.number);
            if (current_.type != Token::Type::Comma)
                break;
            if (i + 1 == parts.size())
                fail("a version has at most four parts");
            advance();
        }
        return parts;
    }

    // number or constant, joined with | or +
    Token expression()
    {
        Token result = operand();
        while (current_.type == Token::Type::Or) {
            advance();
            const Token more = operand();
            result.number |= more.number;
            result.longNumber |= more.longNumber;
        }
        return result;
    }

    Token operand()
    {
        Token token = current_;
        if (token.type == Token::Type::Word) {
            const auto& constants = symbolicConstants();
            const auto found = constants.find(token.text);
            if (found == constants.end())
                fail("unknown name " + token.text);
            token.number = found->second;
            token.longNumber = true;
        } else if (token.type != Token::Type::Number) {
            fail("expected a number");
        }
        advance();
        return token;
    }

    std::vector<ResourceNode> blockBody()
    {
        expect(Token::Type::Open, "BEGIN");
        std::vector<ResourceNode> children;
        while (current_.type == Token::Type::Word) {
            const std::string keyword = current_.text;
            advance();
            if (keyword == "BLOCK")
                children.push_back(block());
            else if (keyword == "VALUE")
                children.push_back(value());
            else
                throw ScriptError(current_.line, "expected BLOCK or VALUE, found " + keyword);
        }
        expect(Token::Type::Close, "END");
        return children;
    }

    std::u16string key()
    {
        if (current_.type != Token::Type::String)
            fail("expected a quoted key");
        const int line = current_.line;
        const std::string text = current_.text;
        advance();
        if (text.empty() || text.find('\0') != std::string::npos)
            throw ScriptError(line, "a key must be non-empty text");
        return toUtf16(text, line);
    }

    ResourceNode block()
    {
        ResourceNode node;
        node.kind = ResourceNode::Kind::Block;
        node.key = key();
        node.children = blockBody();
        return node;
    }

    ResourceNode value()
    {
        ResourceNode node;
        node.key = key();
        expect(Token::Type::Comma, "a comma after the key");
        if (current_.type == Token::Type::String)
            textValue(node);
        else
            binaryValue(node);
        return node;
    }

    void textValue(ResourceNode& node)
    {
        node.kind = ResourceNode::Kind::Text;
        std::string text;
        while (current_.type == Token::Type::String) {
            text += current_.text;
            advance();
            if (current_.type == Token::Type::Comma)
                advance();
            if (current_.type == Token::Type::Number)
                fail("a value is either text or numbers");
        }
        node.text = toUtf16(text, current_.line);
    }

    void binaryValue(ResourceNode& node)
    {
        node.kind = ResourceNode::Kind::Binary;
        while (true) {
            const Token number = expression();
            const int width = number.longNumber ? 4 : 2;
            if (!number.longNumber && number.number > 0xFFFF)
                fail("a WORD value must fit 16 bits (add L for a DWORD)");
            for (int i = 0; i < width; ++i)
                node.binary.push_back(static_cast<std::uint8_t>(number.number >> (8 * i)));
            if (current_.type != Token::Type::Comma)
                return;
            advance();
            if (current_.type == Token::Type::String)
                fail("a value is either text or numbers");
        }
    }

    Lexer lexer_;
    Token current_;
};

} // namespace

VersionResource parseVersionScript(std::string_view script)
{
    return Parser(script).script();
}

} // namespace hygrel::verrc
