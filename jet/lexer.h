#pragma once
// Tokenizer of the Jet dialect: identifiers ([C], [T.C]), literals ('..', "..", #..#, numbers),
// operators and keywords. Keywords are recognised case-insensitively from one table.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zolk::jet {

enum class TokenKind : std::uint8_t {
    End,
    Identifier,  // bare name; `text` is the name
    Bracketed,   // [..]; `text` is what stands between the brackets (may hold a '.')
    Keyword,     // `keyword` says which
    String,      // '..' or ".."; `text` is the value with doubled quotes undone
    Number,      // `text` is the literal as written
    Date,        // #..#; `text` is what stands between the signs
    Identity,    // @@Identity
    Symbol,      // operators and punctuation; `text` is the symbol ("<>", "<=", "(", ...)
};

enum class Keyword : std::uint8_t {
    None,
    Select, Top, Distinct, DistinctRow, From, Where, Group, By, Having, Order, Asc, Desc,
    Union, All, Insert, Into, Values, Update, Set, Delete, Inner, Left, Right, Outer, Join, On,
    As, And, Or, Not, Xor, Eqv, Imp, Is, Null, In, Between, Like, Mod, True, False,
    Exists, Any, Some, Transform, Pivot,
};

struct Token {
    TokenKind kind = TokenKind::End;
    Keyword keyword = Keyword::None;
    std::string text;
    std::uint32_t offset = 0;  // byte offset of the token's first character in the statement
    std::uint16_t symbol = 0;  // Symbol: its one or two characters packed, see symbolCode
};

constexpr std::uint16_t symbolCode(const char* s) {
    return static_cast<std::uint16_t>((static_cast<unsigned char>(s[0]) << 8) |
                                      (s[0] ? static_cast<unsigned char>(s[1]) : 0));
}

// Splits a statement into tokens, the last always End. Raises -2147217900 on an unterminated
// literal or bracket, or a character that starts no token.
std::vector<Token> tokenize(std::string_view sql);

// The keyword a bare word spells, or Keyword::None.
Keyword keywordOf(std::string_view word);
const char* keywordText(Keyword k);

// 1-based character (code point) position of a byte offset, for messages.
std::size_t characterPosition(std::string_view sql, std::size_t byteOffset);

// Raises the engine's syntax error: -2147217900 naming the position and what was found there.
[[noreturn]] void syntaxError(std::string_view sql, std::size_t byteOffset, const std::string& what);

}  // namespace zolk::jet
