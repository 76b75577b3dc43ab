#pragma once
// How the practice compares texts: Portuguese order, letter case ignored, accents kept
// ("JOÃO" equals "joão" but not "joao"; "Ângela" sorts among the a's). The database engine's
// collation and the recordsets' Sort both use it.
#include <cstdint>
#include <string_view>

namespace zolk::platform {

// Names (members, ProgIDs, tables, columns, keywords) compared with ASCII letters folded.
bool equalsNoCase(std::string_view a, std::string_view b);

// <0, 0, >0. Equal only when the texts differ at most in letter case.
int compareText(std::string_view a, std::string_view b);

// The next code point of UTF-8 text at `i` (advanced past it), with Unicode simple case
// folding. Ill-formed bytes stand for themselves above the Unicode range, so two different
// invalid texts never fold to the same sequence.
std::int32_t nextFoldedCodePoint(const char* s, std::int32_t& i, std::int32_t n);

}  // namespace zolk::platform
