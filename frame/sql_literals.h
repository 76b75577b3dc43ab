#pragma once
// How values become SQL literals in the statements the classes write (no parameters are bound).
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace zolk::frame::sql {

// A stored (already treated) text between single quotes; "" gives ''.
std::string text(std::string_view treated);
// Codes and numbers: decimal digits, no separators ("95", "-1", "12.5" for a fraction).
std::string number(double value);
std::string number(std::int64_t value);
// True / False.
std::string boolean(bool value);
// An optional measurement: its text with "," replaced by "." when numeric, else Null.
std::string measurement(const platform::Variant& value);
bool measurementIsNull(const platform::Variant& value);
// A date given as text: the text as given, quoted, when it is a valid date; else Null.
std::string dateText(std::string_view text);
bool isValidDateText(std::string_view text);
// The issue date stamped by the server: 'dd/mm/yyyy'.
std::string issueDate(platform::DateTime serverTime);
// A date-time stamp in the default date-to-text conversion, quoted.
std::string stamp(platform::DateTime serverTime);
// A date in a filter: #MM/DD/YYYY#.
std::string filterDate(platform::DateTime date);
// Free text in a filter: LIKE '%text%'.
std::string like(std::string_view text);

// A column assignment of an update list: "Col=value, " (Null values as "Col=Null, ").
std::string assign(std::string_view column, std::string_view literal);

}  // namespace zolk::frame::sql
