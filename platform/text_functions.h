#pragma once
// VB's string functions on Variants. Where VB declares a String or Long parameter, Null raises
// 94; where it takes a Variant, Null gives Null. Positions and lengths count characters
// (code points of the UTF-8 text), not bytes.
#include <cstdint>

#include "platform/variant.h"

namespace zolk::platform {

// vbBinaryCompare, vbTextCompare (letter case ignored, accents kept), vbDatabaseCompare (the
// database's order: the same as text here).
enum class CompareMethod { Binary = 0, Text = 1, Database = 2 };

// Reads a compare argument: Null raises 94, anything but 0, 1 and 2 raises 5.
CompareMethod compareMethod(const Variant& v);

// InStr(start, s1, s2, compare): the position of s2 in s1 from `start`, 0 when absent.
Variant InStr(const Variant& start, const Variant& s1, const Variant& s2,
              CompareMethod compare = CompareMethod::Binary);
// InStrRev(s1, s2, start, compare): the last position of s2 in s1 ending at or before `start`
// (-1: the end).
Variant InStrRev(const Variant& s1, const Variant& s2, const Variant& start = Variant(std::int32_t{-1}),
                 CompareMethod compare = CompareMethod::Binary);
// Replace(expr, find, with, start, count, compare): the text from `start` on, with up to
// `count` (-1: all) occurrences of `find` replaced.
Variant Replace(const Variant& expr, const Variant& find, const Variant& with,
                const Variant& start = Variant(std::int32_t{1}),
                const Variant& count = Variant(std::int32_t{-1}),
                CompareMethod compare = CompareMethod::Binary);
// -1, 0 or 1; Null when either text is Null.
Variant StrComp(const Variant& a, const Variant& b, CompareMethod compare = CompareMethod::Binary);

Variant Space(const Variant& number);
// String(number, character): `character` is a character code or a text whose first
// character repeats.
Variant String(const Variant& number, const Variant& character);
Variant StrReverse(const Variant& text);
// The Windows-1252 code of the first character (the regional ANSI code page); a character the
// code page lacks gives 63 ('?'), as Windows converts it. Asc("") raises 5.
Variant Asc(const Variant& text);
// The character of a Windows-1252 code 0..255; other codes raise 5.
Variant Chr(const Variant& code);
// Hexadecimal and octal text of a whole number (rounded half to even); negative numbers in
// two's complement of their type (Integer: 16 bits, otherwise 32).
Variant Hex(const Variant& number);
Variant Oct(const Variant& number);
// Str: a number as text with '.' for the decimal point and a leading blank when not negative.
Variant Str(const Variant& number);
Variant Len(const Variant& text);
Variant IsEmpty(const Variant& v);

}  // namespace zolk::platform
