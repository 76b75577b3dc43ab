#pragma once
// The VB conversion functions and tests under the fixed pt-BR regional settings.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace zolk::platform {

std::string CStr(const Variant& v);
double CDbl(const Variant& v);
Currency CCur(const Variant& v);
std::int16_t CInt(const Variant& v);
std::int32_t CLng(const Variant& v);
DateTime CDate(const Variant& v);
bool CBool(const Variant& v);

bool IsNumeric(const Variant& v);
bool IsDate(const Variant& v);
// Leading-number parsing; Null raises 94.
double Val(const Variant& v);
double Val(std::string_view text);
// A literal or a std::string would convert equally well to Variant and to string_view.
inline double Val(const char* text) { return Val(std::string_view(text)); }
inline double Val(const std::string& text) { return Val(std::string_view(text)); }

std::string Trim(std::string_view s);   // removes U+0020 only
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// Text forms used by CStr.
std::string doubleToText(double d);        // %.15G digits, decimal comma
std::string currencyToText(Currency c);    // up to four decimals, decimal comma
std::string dateToText(DateTime d);        // the default date-to-text conversion

// Parsers behind the conversions; std::nullopt when the text is not a number / date.
std::optional<double> parseRegionalNumber(std::string_view text);
std::optional<DateTime> parseRegionalDate(std::string_view text);  // day first, then month first
std::optional<DateTime> parseHashDate(std::string_view text);      // #...#: month first, then day first

// VB rounding of a Double to a whole number: halves to even.
double roundHalfEven(double d);

}  // namespace zolk::platform
