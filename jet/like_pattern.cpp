#include "jet/like_pattern.h"

#include <cstddef>

#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::jet {
namespace {

using platform::nextFoldedCodePoint;

[[noreturn]] void unclosedSet() {
    throw platform::RuntimeError(platform::err::DbErrorsInCommand, "Invalid pattern string: a '[' is not closed.");
}

std::vector<std::int32_t> foldedCodePoints(std::string_view s) {
    std::vector<std::int32_t> out;
    out.reserve(s.size());
    std::int32_t i = 0;
    const auto n = static_cast<std::int32_t>(s.size());
    while (i < n) out.push_back(nextFoldedCodePoint(s.data(), i, n));
    return out;
}

// The folded code point at byte `i` of `s`, `i` moved past it. ASCII without leaving this file.
inline std::int32_t foldedAt(const char* s, std::int32_t& i, std::int32_t n) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return (b >= 'A' && b <= 'Z') ? b + 32 : b;
    }
    return nextFoldedCodePoint(s, i, n);
}

// The lead byte of the only characters above ASCII whose simple case folding is an ASCII letter:
// KELVIN SIGN (U+212A) folds to k, LATIN SMALL LETTER LONG S (U+017F) to s.
int leadFoldingTo(std::int32_t asciiLetter) {
    if (asciiLetter == 'k') return 0xE2;
    if (asciiLetter == 's') return 0xC5;
    return -1;
}

// The first byte at or after `from` where a text character folding to `c` (ASCII) may start;
// n when there is none.
inline std::int32_t nextPlaceOf(const char* s, std::int32_t from, std::int32_t n, std::int32_t c) {
    const int lead = leadFoldingTo(c);
    const bool letter = c >= 'a' && c <= 'z';
    for (std::int32_t p = from; p < n; ++p) {
        const auto b = static_cast<unsigned char>(s[p]);
        if (b == c || (letter && (b | 0x20) == c) || b == lead) return p;
    }
    return n;
}

}  // namespace

LikePattern::LikePattern(std::string_view pattern) : source_(pattern) {
    const std::vector<std::int32_t> p = foldedCodePoints(pattern);
    tokens_.reserve(p.size());
    for (std::size_t k = 0; k < p.size();) {
        const std::int32_t c = p[k];
        if (c == '%') {
            tokens_.push_back({Kind::Any, 0});
            ++k;
        } else if (c == '_') {
            tokens_.push_back({Kind::One, 0});
            ++k;
        } else if (c == '[') {
            // A ']' right after '[' or '[!' belongs to the set; x-y is a range unless y is ']'.
            Set set;
            std::size_t q = k + 1;
            if (q < p.size() && p[q] == '!') {
                set.negate = true;
                ++q;
            }
            bool first = true;
            while (q < p.size() && (p[q] != ']' || first)) {
                first = false;
                if (q + 2 < p.size() && p[q + 1] == '-' && p[q + 2] != ']') {
                    set.bounds.push_back(p[q]);
                    set.bounds.push_back(p[q + 2]);
                    q += 3;
                } else {
                    set.bounds.push_back(p[q]);
                    set.bounds.push_back(p[q]);
                    ++q;
                }
            }
            if (q >= p.size()) {
                // Whether this is an error depends on how far a text gets: the plain reading decides.
                unclosedSet_ = true;
                return;
            }
            tokens_.push_back({Kind::Set, static_cast<std::int32_t>(sets_.size())});
            sets_.push_back(std::move(set));
            k = q + 1;
        } else {
            tokens_.push_back({Kind::Literal, c});
            ++k;
        }
    }
    for (std::size_t k = 0; k + 1 < tokens_.size(); ++k)
        if (tokens_[k].kind == Kind::Any && tokens_[k + 1].kind == Kind::Literal && tokens_[k + 1].value < 0x80)
            tokens_[k].nextAscii = tokens_[k + 1].value;
}

bool LikePattern::inSet(const Set& set, std::int32_t c) const {
    bool found = false;
    for (std::size_t i = 0; i < set.bounds.size() && !found; i += 2)
        found = c >= set.bounds[i] && c <= set.bounds[i + 1];
    return found != set.negate;
}

// Greedy, going back only to the last '%': a later '%' can take over anything an earlier one
// would, since every other token takes exactly one character.
bool LikePattern::matches(std::string_view text) const {
    if (unclosedSet_) return likeMatchByCodePoints(text, source_);
    const char* s = text.data();
    const auto n = static_cast<std::int32_t>(text.size());
    const std::size_t count = tokens_.size();
    std::size_t pi = 0;
    std::size_t starP = count + 1;  // none yet
    std::int32_t ti = 0, starT = 0, skipTo = -1;
    while (ti < n) {
        if (pi < count) {
            const Token& t = tokens_[pi];
            if (t.kind == Kind::Any) {
                starP = ++pi;
                starT = ti;
                skipTo = t.nextAscii;
                if (skipTo >= 0) {
                    starT = ti = nextPlaceOf(s, ti, n, skipTo);
                    if (ti == n) return false;
                }
                continue;
            }
            std::int32_t after = ti;
            const std::int32_t c = foldedAt(s, after, n);
            if (t.kind == Kind::One || (t.kind == Kind::Literal ? t.value == c : inSet(sets_[std::size_t(t.value)], c))) {
                ++pi;
                ti = after;
                continue;
            }
        }
        if (starP > count) return false;
        pi = starP;
        foldedAt(s, starT, n);  // one character further
        if (skipTo >= 0) {
            starT = nextPlaceOf(s, starT, n, skipTo);
            if (starT == n) return false;
        }
        ti = starT;
    }
    while (pi < count && tokens_[pi].kind == Kind::Any) ++pi;
    return pi == count;
}

bool likeMatchByCodePoints(std::string_view text, std::string_view pattern) {
    const std::vector<std::int32_t> t = foldedCodePoints(text);
    const std::vector<std::int32_t> p = foldedCodePoints(pattern);
    // A set [..] at p[k]: returns the index after it, and whether c belongs to it.
    auto matchSet = [&](std::size_t k, std::int32_t c, bool& in) -> std::size_t {
        std::size_t q = k + 1;
        bool negate = false;
        if (q < p.size() && p[q] == '!') {
            negate = true;
            ++q;
        }
        bool found = false;
        bool first = true;
        while (q < p.size() && (p[q] != ']' || first)) {
            first = false;
            if (q + 2 < p.size() && p[q + 1] == '-' && p[q + 2] != ']') {
                if (c >= p[q] && c <= p[q + 2]) found = true;
                q += 3;
            } else {
                if (c == p[q]) found = true;
                ++q;
            }
        }
        if (q >= p.size()) unclosedSet();
        in = found != negate;
        return q + 1;
    };
    // Greedy match with one backtrack point for the last '%'.
    std::size_t ti = 0, pi = 0;
    std::size_t starP = std::string::npos, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size()) {
            const std::int32_t pc = p[pi];
            if (pc == '%') {
                starP = ++pi;
                starT = ti;
                continue;
            }
            if (pc == '_') {
                ++pi;
                ++ti;
                continue;
            }
            if (pc == '[') {
                bool in = false;
                const std::size_t after = matchSet(pi, t[ti], in);
                if (in) {
                    pi = after;
                    ++ti;
                    continue;
                }
            } else if (pc == t[ti]) {
                ++pi;
                ++ti;
                continue;
            }
        }
        if (starP == std::string::npos) return false;
        pi = starP;
        ti = ++starT;
    }
    while (pi < p.size()) {
        if (p[pi] == '%') {
            ++pi;
        } else if (p[pi] == '[') {
            bool in = false;
            matchSet(pi, 0, in);  // still refuse an unclosed set
            return false;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace zolk::jet
