#pragma once
// How values become SQL literals in the statements the classes write (no parameters are bound).
// Every text a user typed reaches a statement through `text` or `like`, which double its single
// quotes, so a quote ends no literal and typed text never changes a statement. A text stored
// through the text-treatment service already has its quotes doubled and goes through
// `treatedText`, so it is not doubled twice.
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace zolk::frame::sql {

// A typed text between single quotes, each of its single quotes doubled and any NUL left out;
// "" gives ''.
std::string text(std::string_view typed);
// A text the text-treatment service returned (its quotes already doubled), between single quotes.
std::string treatedText(std::string_view treated);
// Free text typed into a search box: LIKE '%text%', its quotes doubled.
std::string like(std::string_view typed);

// Codes and numbers: decimal digits, no separators ("95", "-1", "12.5" for a fraction).
std::string number(double value);
std::string number(std::int64_t value);
// True / False.
std::string boolean(bool value);
// An optional measurement: its text with "," replaced by "." when numeric, else Null.
std::string measurement(const platform::Variant& value);
bool measurementIsNull(const platform::Variant& value);
// A date given as text: the text as given, quoted, when it is a valid date; else Null (a valid
// date holds no quote).
std::string dateText(std::string_view text);
bool isValidDateText(std::string_view text);
// The issue date of a row, derived from the server time: "dd/mm/yyyy", and that text quoted.
std::string issueDateText(platform::DateTime serverTime);
std::string issueDate(platform::DateTime serverTime);
// A date-time in the default date-to-text conversion, quoted.
std::string stamp(platform::DateTime serverTime);
// A date in a filter: #MM/DD/YYYY#.
std::string filterDate(platform::DateTime date);
// A date and time in a condition: #MM/DD/YYYY HH:MM:SS#, which the engine reads month first
// whatever the day, so it always names the same second as the stamp that was stored.
std::string filterDateTime(platform::DateTime dateTime);

// The end of an update or deletion of one row: "WHERE column=n;".
std::string whereKey(std::string_view column, double value);
// "DELETE * FROM table WHERE column=n;"
std::string deletion(std::string_view table, std::string_view column, double value);

// A column assignment of an update list: "Col=value, " (Null values as "Col=Null, ").
std::string assign(std::string_view column, std::string_view literal);

}  // namespace zolk::frame::sql
