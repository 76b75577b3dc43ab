#include "platform/text_functions.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/conversions.h"
#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::platform {
namespace {

// Code points of a text, as written and as compared under `compare`.
struct Chars {
    std::vector<std::int32_t> raw;
    std::vector<std::int32_t> key;
};

Chars charsOf(std::string_view s, CompareMethod compare) {
    Chars c;
    const auto n = static_cast<std::int32_t>(s.size());
    std::int32_t i = 0;
    while (i < n) {
        std::int32_t at = i;
        UChar32 cp = 0;
        U8_NEXT(s.data(), i, n, cp);
        c.raw.push_back(cp < 0 ? 0xFFFD : cp);
        c.key.push_back(compare == CompareMethod::Binary ? c.raw.back()
                                                         : nextFoldedCodePoint(s.data(), at, n));
    }
    return c;
}

std::string utf8(const std::vector<std::int32_t>& cps, std::size_t from = 0,
                 std::size_t to = std::string::npos) {
    std::string out;
    to = std::min(to, cps.size());
    for (std::size_t k = from; k < to; ++k) {
        char buf[4];
        std::int32_t len = 0;
        UBool error = false;
        U8_APPEND(reinterpret_cast<std::uint8_t*>(buf), len, 4, cps[k], error);
        if (error) {
            out += "\xEF\xBF\xBD";
            continue;
        }
        out.append(buf, static_cast<std::size_t>(len));
    }
    return out;
}

// A String parameter: Null raises 94; numbers and dates become their regional text.
std::string textArg(const Variant& v) {
    if (v.isNull()) raise(err::InvalidUseOfNull);
    return v.isString() ? v.asString() : CStr(v);
}

// A Long parameter: Null raises 94, fractions round half to even.
std::int64_t longArg(const Variant& v) {
    if (v.isNull()) raise(err::InvalidUseOfNull);
    return CLng(v);
}

// Where `needle` first occurs in `hay` at or after index `from`, or npos.
std::size_t find(const std::vector<std::int32_t>& hay, const std::vector<std::int32_t>& needle,
                 std::size_t from) {
    if (needle.size() > hay.size()) return std::string::npos;
    const auto it = std::search(hay.begin() + static_cast<std::ptrdiff_t>(std::min(from, hay.size())),
                                hay.end(), needle.begin(), needle.end());
    return it == hay.end() && !needle.empty() ? std::string::npos
                                               : static_cast<std::size_t>(it - hay.begin());
}

// A text of `count` copies of `piece`, refused beyond VB's string length.
std::string repeat(std::int64_t count, const std::string& piece) {
    if (count < 0) raise(err::InvalidProcedureCall);
    if (static_cast<double>(count) * static_cast<double>(piece.size()) > 64.0 * 1024 * 1024)
        throw RuntimeError(err::OutOfMemory, "Not enough storage is available to complete this operation.");
    std::string out;
    out.reserve(static_cast<std::size_t>(count) * piece.size());
    for (std::int64_t i = 0; i < count; ++i) out += piece;
    return out;
}

// Windows-1252's characters at 0x80..0x9F (0 where the code page has none).
constexpr std::int32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::int32_t unicodeOfAnsi(std::int64_t code) {
    if (code >= 0x80 && code <= 0x9F) {
        const std::int32_t u = kCp1252High[code - 0x80];
        return u ? u : static_cast<std::int32_t>(code);  // undefined slots map to C1 controls
    }
    return static_cast<std::int32_t>(code);
}

std::int32_t ansiOfUnicode(std::int32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return cp;
    for (std::int32_t k = 0; k < 32; ++k)
        if (kCp1252High[k] == cp || (kCp1252High[k] == 0 && cp == 0x80 + k)) return 0x80 + k;
    return '?';
}

std::string radix(const Variant& number, unsigned base) {
    std::uint64_t bits = 0;
    if (number.type() == VarType::Integer || number.type() == VarType::Boolean || number.isEmpty()) {
        bits = static_cast<std::uint16_t>(CInt(number));
    } else {
        bits = static_cast<std::uint32_t>(CLng(number));
    }
    if (bits == 0) return "0";
    std::string out;
    while (bits) {
        out += "0123456789ABCDEF"[bits % base];
        bits /= base;
    }
    std::reverse(out.begin(), out.end());
    return out;
}

}  // namespace

CompareMethod compareMethod(const Variant& v) {
    const std::int64_t c = longArg(v);
    if (c < 0 || c > 2) raise(err::InvalidProcedureCall);
    return static_cast<CompareMethod>(c);
}

Variant InStr(const Variant& start, const Variant& s1, const Variant& s2, CompareMethod compare) {
    const std::int64_t from = longArg(start);
    if (from < 1) raise(err::InvalidProcedureCall);
    if (s1.isNull() || s2.isNull()) return Variant::null();
    const Chars hay = charsOf(textArg(s1), compare);
    const Chars needle = charsOf(textArg(s2), compare);
    if (static_cast<std::size_t>(from) > hay.key.size()) return Variant(std::int32_t{0});
    if (needle.key.empty()) return Variant(static_cast<std::int32_t>(from));
    const std::size_t at = find(hay.key, needle.key, static_cast<std::size_t>(from - 1));
    return Variant(static_cast<std::int32_t>(at == std::string::npos ? 0 : at + 1));
}

Variant InStrRev(const Variant& s1, const Variant& s2, const Variant& start, CompareMethod compare) {
    const Chars hay = charsOf(textArg(s1), compare);
    const Chars needle = charsOf(textArg(s2), compare);
    std::int64_t end = longArg(start);
    if (end == 0 || end < -1) raise(err::InvalidProcedureCall);
    const auto length = static_cast<std::int64_t>(hay.key.size());
    if (end == -1) end = length;
    if (end > length) return Variant(std::int32_t{0});
    if (needle.key.empty()) return Variant(static_cast<std::int32_t>(end));
    const auto m = static_cast<std::int64_t>(needle.key.size());
    for (std::int64_t at = end - m; at >= 0; --at) {
        if (std::equal(needle.key.begin(), needle.key.end(), hay.key.begin() + at))
            return Variant(static_cast<std::int32_t>(at + 1));
    }
    return Variant(std::int32_t{0});
}

Variant Replace(const Variant& expr, const Variant& find, const Variant& with, const Variant& start,
                const Variant& count, CompareMethod compare) {
    const Chars text = charsOf(textArg(expr), compare);
    const Chars what = charsOf(textArg(find), compare);
    const std::string by = textArg(with);
    const std::int64_t from = longArg(start);
    const std::int64_t limit = longArg(count);
    if (from < 1 || limit < -1) raise(err::InvalidProcedureCall);
    // The result starts at `start`: what stands before it is dropped, as VB does.
    if (static_cast<std::size_t>(from) > text.raw.size()) return Variant(std::string());
    std::string out;
    std::size_t pos = static_cast<std::size_t>(from - 1);
    std::int64_t done = 0;
    while (!what.key.empty() && (limit == -1 || done < limit)) {
        const std::size_t at = zolk::platform::find(text.key, what.key, pos);
        if (at == std::string::npos) break;
        out += utf8(text.raw, pos, at);
        out += by;
        pos = at + what.key.size();
        ++done;
    }
    out += utf8(text.raw, pos);
    return Variant(std::move(out));
}

Variant StrComp(const Variant& a, const Variant& b, CompareMethod compare) {
    if (a.isNull() || b.isNull()) return Variant::null();
    const std::string x = textArg(a), y = textArg(b);
    int c = 0;
    if (compare == CompareMethod::Binary) {
        const Chars cx = charsOf(x, compare), cy = charsOf(y, compare);
        c = std::lexicographical_compare(cx.raw.begin(), cx.raw.end(), cy.raw.begin(), cy.raw.end())
                ? -1
            : cx.raw == cy.raw ? 0
                               : 1;
    } else {
        c = compareText(x, y);
    }
    return Variant(static_cast<std::int32_t>(c < 0 ? -1 : c > 0 ? 1 : 0));
}

Variant Space(const Variant& number) { return Variant(repeat(longArg(number), " ")); }

Variant String(const Variant& number, const Variant& character) {
    const std::int64_t n = longArg(number);
    if (character.isNull()) return Variant::null();
    std::string piece;
    if (character.isString()) {
        const Chars c = charsOf(character.asString(), CompareMethod::Binary);
        if (c.raw.empty()) raise(err::InvalidProcedureCall);
        piece = utf8(c.raw, 0, 1);
    } else {
        // A character code is taken modulo 256, as VB does.
        std::int64_t code = CLng(character) % 256;
        if (code < 0) code += 256;
        piece = utf8({unicodeOfAnsi(code)});
    }
    return Variant(repeat(n, piece));
}

Variant StrReverse(const Variant& text) {
    Chars c = charsOf(textArg(text), CompareMethod::Binary);
    std::reverse(c.raw.begin(), c.raw.end());
    return Variant(utf8(c.raw));
}

Variant Asc(const Variant& text) {
    const Chars c = charsOf(textArg(text), CompareMethod::Binary);
    if (c.raw.empty()) raise(err::InvalidProcedureCall);
    return Variant(static_cast<std::int16_t>(ansiOfUnicode(c.raw.front())));
}

Variant Chr(const Variant& code) {
    const std::int64_t n = longArg(code);
    if (n < 0 || n > 255) raise(err::InvalidProcedureCall);
    return Variant(utf8({unicodeOfAnsi(n)}));
}

Variant Hex(const Variant& number) {
    if (number.isNull()) return Variant::null();
    return Variant(radix(number, 16));
}

Variant Oct(const Variant& number) {
    if (number.isNull()) return Variant::null();
    return Variant(radix(number, 8));
}

Variant Str(const Variant& number) {
    if (number.isNull()) return Variant::null();
    if (number.type() == VarType::Date) return Variant(CStr(number));
    const Variant n = number.isString() || number.type() == VarType::Boolean ? Variant(CDbl(number)) : number;
    std::string text = CStr(n);
    std::replace(text.begin(), text.end(), ',', '.');
    // Str writes no zero before the point: Str(0.5) is " .5".
    const bool negative = text[0] == '-';
    const std::size_t digits = negative ? 1 : 0;
    if (text.compare(digits, 2, "0.") == 0) text.erase(digits, 1);
    if (!negative) text.insert(text.begin(), ' ');
    return Variant(std::move(text));
}

Variant Len(const Variant& text) {
    if (text.isNull()) return Variant::null();
    return Variant(static_cast<std::int32_t>(charsOf(textArg(text), CompareMethod::Binary).raw.size()));
}

Variant IsEmpty(const Variant& v) { return Variant(v.isEmpty()); }

}  // namespace zolk::platform
