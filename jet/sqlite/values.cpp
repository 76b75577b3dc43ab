#include "jet/sqlite/values.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::jet::sqlite {
namespace {

inline bool digits(std::string_view s, std::size_t at, std::size_t n, int& out) {
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        const char c = s[i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    out = v;
    return true;
}

platform::Variant number(std::int64_t v) {
    if (v >= INT32_MIN && v <= INT32_MAX) return platform::Variant(static_cast<std::int32_t>(v));
    return platform::Variant(static_cast<double>(v));
}

platform::Variant fromDouble(double d) {
    if (std::floor(d) == d && std::fabs(d) < 2147483648.0)
        return platform::Variant(static_cast<std::int32_t>(d));
    return platform::Variant(d);
}

std::string_view valueText(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, std::size_t(sqlite3_value_bytes(v))) : std::string_view();
}

std::optional<double> plainNumber(std::string_view text) {
    if (text.empty() || text.size() > 64) return std::nullopt;
    const std::string s(text);
    char* end = nullptr;
    const double d = std::strtod(s.c_str(), &end);
    if (end == s.c_str() || *end != '\0') return std::nullopt;
    return d;
}

platform::Variant currency(double d) {
    try {
        return platform::Variant(platform::Currency::fromDouble(d));
    } catch (const platform::RuntimeError&) {
        return platform::Variant(d);
    }
}

platform::Variant dateFromText(std::string_view text) {
    if (auto d = parseIso(text)) return platform::Variant(*d);
    if (auto d = platform::parseRegionalDate(text)) return platform::Variant(*d);
    return platform::Variant(std::string(text));
}

// One value of Jet type `type`, whatever SQLite stored it as.
template <typename Int, typename Dbl, typename Txt>
platform::Variant decode(int storage, JetType type, Int getInt, Dbl getDouble, Txt getText) {
    if (storage == SQLITE_NULL) return platform::Variant::null();
    switch (type) {
        case JetType::Boolean:
            if (storage == SQLITE_INTEGER) return platform::Variant(getInt() != 0);
            if (storage == SQLITE_FLOAT) return platform::Variant(getDouble() != 0);
            if (auto n = plainNumber(getText())) return platform::Variant(*n != 0);
            return platform::Variant(std::string(getText()));
        case JetType::Byte:
        case JetType::SmallInt:
        case JetType::Long: {
            if (storage == SQLITE_INTEGER) {
                const std::int64_t v = getInt();
                if (type != JetType::Long && v >= INT16_MIN && v <= INT16_MAX)
                    return platform::Variant(static_cast<std::int16_t>(v));
                return number(v);
            }
            if (storage == SQLITE_FLOAT) return fromDouble(getDouble());
            if (auto n = plainNumber(getText())) return fromDouble(*n);
            return platform::Variant(std::string(getText()));
        }
        case JetType::Double:
            if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return platform::Variant(getDouble());
            if (auto n = plainNumber(getText())) return platform::Variant(*n);
            return platform::Variant(std::string(getText()));
        case JetType::Currency:
            if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return currency(getDouble());
            if (auto n = plainNumber(getText())) return currency(*n);
            return platform::Variant(std::string(getText()));
        case JetType::Date:
            if (storage == SQLITE_TEXT) return dateFromText(getText());
            return platform::Variant(platform::DateTime(getDouble()));
        case JetType::Text:
        case JetType::Memo:
            if (storage == SQLITE_FLOAT) return platform::Variant(platform::doubleToText(getDouble()));
            return platform::Variant(std::string(getText()));
        default:
            if (storage == SQLITE_INTEGER) return number(getInt());
            if (storage == SQLITE_FLOAT) return platform::Variant(getDouble());
            return platform::Variant(std::string(getText()));
    }
}

}  // namespace

std::optional<platform::DateTime> parseIso(std::string_view s) {
    if (s.size() != 19 && s.size() != 10) return std::nullopt;
    int y, mo, d, h = 0, mi = 0, se = 0;
    if (!digits(s, 0, 4, y) || s[4] != '-' || !digits(s, 5, 2, mo) || s[7] != '-' ||
        !digits(s, 8, 2, d))
        return std::nullopt;
    if (s.size() == 19) {
        if ((s[10] != ' ' && s[10] != 'T') || !digits(s, 11, 2, h) || s[13] != ':' ||
            !digits(s, 14, 2, mi) || s[16] != ':' || !digits(s, 17, 2, se))
            return std::nullopt;
    }
    if (!platform::DateTime::validParts(y, mo, d, h, mi, se)) return std::nullopt;
    return platform::DateTime::fromParts(y, mo, d, h, mi, se);
}

platform::Variant readValue(sqlite3_value* v, JetType type) {
    return decode(
        sqlite3_value_type(v), type, [&] { return sqlite3_value_int64(v); },
        [&] { return sqlite3_value_double(v); }, [&] { return valueText(v); });
}

platform::Variant readColumn(sqlite3_stmt* stmt, int col, JetType type) {
    return readValue(sqlite3_column_value(stmt, col), type);
}


platform::Variant toVariant(sqlite3_value* v, char kind) {
    JetType type = JetType::Unknown;
    switch (kind) {
        case 'D': type = JetType::Date; break;
        case 'C': type = JetType::Currency; break;
        case 'N': type = JetType::Double; break;
        case 'L': type = JetType::Long; break;
        case 'B': type = JetType::Boolean; break;
        case 'T': type = JetType::Text; break;
        default: break;
    }
    const int storage = sqlite3_value_type(v);
    // A text column holding digits stays a text: Format then reads it as VB would.
    if (type == JetType::Text && storage != SQLITE_TEXT) type = JetType::Unknown;
    return decode(
        storage, type, [&] { return sqlite3_value_int64(v); }, [&] { return sqlite3_value_double(v); },
        [&] { return valueText(v); });
}

}  // namespace zolk::jet::sqlite
