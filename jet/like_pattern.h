#pragma once
// Jet's LIKE: ANSI-92 wildcards (% any run, _ one character, [abc] [a-z] [!abc] one character of
// a set or outside it), letter case ignored by Unicode simple case folding, accents kept.
//
// A pattern is read once (a statement's constant pattern serves every row) and matched
// against each text byte by byte: ASCII is folded by table and skipped over quickly, ICU folds
// only the characters above ASCII. likeMatchByCodePoints is the plain reading (both texts
// folded to code points, then matched); the two give the same answers.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zolk::jet {

class LikePattern {
public:
    explicit LikePattern(std::string_view pattern);

    // Raises -2147217900 when the match reaches a '[' that is never closed.
    bool matches(std::string_view text) const;

private:
    enum class Kind : std::uint8_t { Any, One, Literal, Set };
    struct Token {
        Kind kind;
        std::int32_t value;  // Literal: the folded code point; Set: its index in sets_
        // Any: the folded ASCII literal that follows (-1 when none), to skip to its next place.
        std::int32_t nextAscii = -1;
    };
    struct Set {
        bool negate = false;
        std::vector<std::int32_t> bounds;  // low, high, low, high, ...
    };
    bool inSet(const Set& set, std::int32_t c) const;

    std::string source_;  // kept for a pattern with an unclosed '[': the plain reading decides
    bool unclosedSet_ = false;
    std::vector<Token> tokens_;
    std::vector<Set> sets_;
};

// The same answers as LikePattern(pattern).matches(text), by folding both texts to code points.
bool likeMatchByCodePoints(std::string_view text, std::string_view pattern);

}  // namespace zolk::jet
