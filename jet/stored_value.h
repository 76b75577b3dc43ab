#pragma once
// A value as an engine stored it (Null, an integer, a float or a text) read as a Variant of the
// Jet type the translator gave its column: dates as ISO text or serials, Yes/No as -1/0,
// Currency as a plain decimal number rounded to four places. Every engine reads through it, so a
// value means the same whichever engine returned it.
#include <cstdint>
#include <optional>
#include <string_view>

#include "jet/ast.h"
#include "platform/variant.h"

namespace zolk::jet {

enum class Storage : std::uint8_t { Null, Integer, Float, Text };

struct StoredValue {
    Storage storage = Storage::Null;
    std::int64_t integer = 0;  // Storage::Integer
    double real = 0;           // Storage::Float
    std::string_view text;     // Storage::Text
};

// "YYYY-MM-DD HH:MM:SS" (or with a T) or "YYYY-MM-DD"; std::nullopt when the text is neither.
std::optional<platform::DateTime> parseIso(std::string_view text);

platform::Variant readStored(const StoredValue& v, JetType type);

// The Jet type a kind letter of the printer names (D, C, N, L, B, T; anything else Unknown).
JetType typeOfKind(char kind);

// A function argument of kind letter `kind`: a text column holding digits stays a text, so that
// Format reads it as VB would.
platform::Variant readArgument(const StoredValue& v, char kind);

}  // namespace zolk::jet
