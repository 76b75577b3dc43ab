#include "frame/sql_literals.h"

#include <cmath>
#include <cstdio>

#include "platform/conversions.h"
#include "platform/format.h"

namespace zolk::frame::sql {

using platform::Variant;

namespace {
std::string doubledQuotes(std::string_view typed) {
    std::string out;
    out.reserve(typed.size());
    for (char c : typed) {
        if (c == '\0') continue;  // as the text-treatment service does: a NUL would cut the stored text short
        out += c;
        if (c == '\'') out += '\'';
    }
    return out;
}
}  // namespace

std::string text(std::string_view typed) { return "'" + doubledQuotes(typed) + "'"; }

std::string treatedText(std::string_view treated) { return "'" + std::string(treated) + "'"; }

std::string like(std::string_view typed) { return "LIKE '%" + doubledQuotes(typed) + "%'"; }

std::string number(double value) {
    // Codes are whole numbers held in doubles; CStr with "," to "." keeps a fraction readable.
    std::string t = platform::CStr(Variant(value));
    for (char& c : t)
        if (c == ',') c = '.';
    return t;
}

std::string number(std::int64_t value) { return std::to_string(value); }

std::string boolean(bool value) { return value ? "True" : "False"; }

bool measurementIsNull(const Variant& value) { return !platform::IsNumeric(value) || value.isEmpty(); }

std::string measurement(const Variant& value) {
    if (measurementIsNull(value)) return "Null";
    std::string t = platform::CStr(value);
    for (char& c : t)
        if (c == ',') c = '.';
    return t;
}

bool isValidDateText(std::string_view text) { return platform::IsDate(Variant(std::string(text))); }

std::string dateText(std::string_view value) {
    return isValidDateText(value) ? text(value) : std::string("Null");
}

std::string issueDateText(platform::DateTime serverTime) {
    return platform::CStr(platform::Format(Variant(serverTime), "dd/mm/yyyy"));
}

std::string issueDate(platform::DateTime serverTime) { return text(issueDateText(serverTime)); }

std::string stamp(platform::DateTime serverTime) { return text(platform::CStr(Variant(serverTime))); }

std::string filterDate(platform::DateTime date) {
    return "#" + platform::CStr(platform::Format(Variant(date), "MM/DD/YYYY")) + "#";
}

std::string filterDateTime(platform::DateTime dateTime) {
    return "#" + platform::CStr(platform::Format(Variant(dateTime), "mm/dd/yyyy hh:nn:ss")) + "#";
}

std::string assign(std::string_view column, std::string_view literal) {
    return std::string(column) + "=" + std::string(literal) + ", ";
}

std::string whereKey(std::string_view column, double value) {
    return "WHERE " + std::string(column) + "=" + number(value) + ";";
}

std::string deletion(std::string_view table, std::string_view column, double value) {
    return "DELETE * FROM " + std::string(table) + " " + whereKey(column, value);
}

}  // namespace zolk::frame::sql
