#include "jet/lexer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <unordered_map>

#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::jet {
namespace {

struct KeywordEntry {
    const char* text;
    Keyword keyword;
};

// Every keyword of the dialect, one row each; looked up without regard to case.
constexpr std::array<KeywordEntry, 46> kKeywords{{
    {"SELECT", Keyword::Select}, {"TOP", Keyword::Top}, {"DISTINCT", Keyword::Distinct},
    {"DISTINCTROW", Keyword::DistinctRow}, {"FROM", Keyword::From}, {"WHERE", Keyword::Where},
    {"GROUP", Keyword::Group}, {"BY", Keyword::By}, {"HAVING", Keyword::Having},
    {"ORDER", Keyword::Order}, {"ASC", Keyword::Asc}, {"DESC", Keyword::Desc},
    {"UNION", Keyword::Union}, {"ALL", Keyword::All}, {"INSERT", Keyword::Insert},
    {"INTO", Keyword::Into}, {"VALUES", Keyword::Values}, {"UPDATE", Keyword::Update},
    {"SET", Keyword::Set}, {"DELETE", Keyword::Delete}, {"INNER", Keyword::Inner},
    {"LEFT", Keyword::Left}, {"RIGHT", Keyword::Right}, {"OUTER", Keyword::Outer},
    {"JOIN", Keyword::Join}, {"ON", Keyword::On}, {"AS", Keyword::As}, {"AND", Keyword::And},
    {"OR", Keyword::Or}, {"NOT", Keyword::Not}, {"XOR", Keyword::Xor}, {"EQV", Keyword::Eqv},
    {"IMP", Keyword::Imp}, {"IS", Keyword::Is},
    {"NULL", Keyword::Null}, {"IN", Keyword::In}, {"BETWEEN", Keyword::Between},
    {"LIKE", Keyword::Like}, {"MOD", Keyword::Mod}, {"TRUE", Keyword::True},
    {"FALSE", Keyword::False}, {"EXISTS", Keyword::Exists}, {"ANY", Keyword::Any},
    {"SOME", Keyword::Some}, {"TRANSFORM", Keyword::Transform}, {"PIVOT", Keyword::Pivot},
}};

inline bool isAsciiAlpha(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
inline bool isWordStart(unsigned char c) { return isAsciiAlpha(c) || c == '_' || c >= 0x80; }
inline bool isWordChar(unsigned char c) {
    return isAsciiAlpha(c) || (c >= '0' && c <= '9') || c == '_' || c >= 0x80;
}
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

std::string describeAt(std::string_view sql, std::size_t offset) {
    if (offset >= sql.size()) return "the end of the statement";
    std::size_t end = offset;
    while (end < sql.size() && end - offset < 20 && sql[end] != '\n' && sql[end] != '\r') ++end;
    return "'" + std::string(sql.substr(offset, end - offset)) + "'";
}

}  // namespace

Keyword keywordOf(std::string_view word) {
    // Keywords are 2 to 11 letters: anything else is a name without looking further.
    if (word.size() < 2 || word.size() > 11) return Keyword::None;
    char buf[12];
    for (std::size_t i = 0; i < word.size(); ++i)
        buf[i] = (word[i] >= 'a' && word[i] <= 'z') ? static_cast<char>(word[i] - 32) : word[i];
    static const std::unordered_map<std::string_view, Keyword> table = [] {
        std::unordered_map<std::string_view, Keyword> m;
        for (const auto& k : kKeywords) m.emplace(k.text, k.keyword);
        return m;
    }();
    const auto it = table.find(std::string_view(buf, word.size()));
    return it == table.end() ? Keyword::None : it->second;
}

const char* keywordText(Keyword k) {
    for (const auto& e : kKeywords)
        if (e.keyword == k) return e.text;
    return "";
}

std::size_t characterPosition(std::string_view sql, std::size_t byteOffset) {
    std::size_t pos = 1;
    for (std::size_t i = 0; i < byteOffset && i < sql.size(); ++i)
        if ((static_cast<unsigned char>(sql[i]) & 0xC0) != 0x80) ++pos;
    return pos;
}

void syntaxError(std::string_view sql, std::size_t byteOffset, const std::string& what) {
    std::string msg = "Syntax error: " + what + " at character " +
                      std::to_string(characterPosition(sql, byteOffset)) + ", found " +
                      describeAt(sql, byteOffset) + ".";
    throw platform::RuntimeError(platform::err::DbErrorsInCommand, msg);
}

std::vector<Token> tokenize(std::string_view sql) {
    std::vector<Token> out;
    out.reserve(sql.size() / 4 + 2);
    std::size_t i = 0;
    const std::size_t n = sql.size();
    auto at = [&](std::size_t k) -> unsigned char {
        return k < n ? static_cast<unsigned char>(sql[k]) : 0;
    };
    while (true) {
        while (i < n && (sql[i] == ' ' || sql[i] == '\t' || sql[i] == '\r' || sql[i] == '\n' ||
                         sql[i] == '\f' || sql[i] == '\v'))
            ++i;
        Token t;
        t.offset = static_cast<std::uint32_t>(i);
        if (i >= n) {
            out.push_back(std::move(t));
            return out;
        }
        const unsigned char c = at(i);
        if (c == '\'' || c == '"') {
            // A doubled quote inside stands for one quote.
            std::size_t k = i + 1;
            std::string value;
            bool closed = false;
            while (k < n) {
                if (static_cast<unsigned char>(sql[k]) == c) {
                    if (at(k + 1) == c) {
                        value.push_back(static_cast<char>(c));
                        k += 2;
                        continue;
                    }
                    closed = true;
                    ++k;
                    break;
                }
                value.push_back(sql[k]);
                ++k;
            }
            if (!closed) syntaxError(sql, i, "unterminated text literal");
            t.kind = TokenKind::String;
            t.text = std::move(value);
            i = k;
        } else if (c == '[') {
            const std::size_t close = sql.find(']', i + 1);
            if (close == std::string_view::npos) syntaxError(sql, i, "unterminated name in brackets");
            t.kind = TokenKind::Bracketed;
            t.text = std::string(sql.substr(i + 1, close - i - 1));
            if (t.text.empty()) syntaxError(sql, i, "empty name in brackets");
            i = close + 1;
        } else if (c == '#') {
            const std::size_t close = sql.find('#', i + 1);
            if (close == std::string_view::npos) syntaxError(sql, i, "unterminated date literal");
            t.kind = TokenKind::Date;
            t.text = std::string(sql.substr(i + 1, close - i - 1));
            i = close + 1;
        } else if (isDigit(c) || (c == '.' && isDigit(at(i + 1)))) {
            std::size_t k = i;
            while (isDigit(at(k))) ++k;
            if (at(k) == '.' && isDigit(at(k + 1))) {
                ++k;
                while (isDigit(at(k))) ++k;
            } else if (at(k) == '.' && !isWordStart(at(k + 1))) {
                ++k;  // "12." is a number too
            }
            if ((at(k) == 'e' || at(k) == 'E') &&
                (isDigit(at(k + 1)) || ((at(k + 1) == '+' || at(k + 1) == '-') && isDigit(at(k + 2))))) {
                k += 2;
                while (isDigit(at(k))) ++k;
            }
            t.kind = TokenKind::Number;
            t.text = std::string(sql.substr(i, k - i));
            i = k;
        } else if (isWordStart(c)) {
            std::size_t k = i;
            while (isWordChar(at(k))) ++k;
            t.text = std::string(sql.substr(i, k - i));
            t.keyword = keywordOf(t.text);
            t.kind = t.keyword == Keyword::None ? TokenKind::Identifier : TokenKind::Keyword;
            i = k;
        } else if (c == '@' && at(i + 1) == '@') {
            std::size_t k = i + 2;
            while (isWordChar(at(k))) ++k;
            if (!platform::equalsNoCase(sql.substr(i + 2, k - i - 2), "IDENTITY"))
                syntaxError(sql, i, "unknown system variable");
            t.kind = TokenKind::Identity;
            t.text = "@@Identity";
            i = k;
        } else {
            static constexpr std::array<std::string_view, 3> kTwo{"<>", "<=", ">="};
            const std::string_view two = sql.substr(i, 2);
            t.kind = TokenKind::Symbol;
            if (std::find(kTwo.begin(), kTwo.end(), two) != kTwo.end()) {
                t.text = std::string(two);
                t.symbol = symbolCode(t.text.c_str());
                i += 2;
            } else if (std::string_view("(),.;*+-/\\&=<>^").find(static_cast<char>(c)) !=
                       std::string_view::npos) {
                t.text = std::string(1, static_cast<char>(c));
                t.symbol = symbolCode(t.text.c_str());
                ++i;
            } else {
                syntaxError(sql, i, "unexpected character");
            }
        }
        out.push_back(std::move(t));
    }
}

}  // namespace zolk::jet
