#include "jet/stored_value.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::jet {
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

double realOf(const StoredValue& v) {
    return v.storage == Storage::Integer ? static_cast<double>(v.integer) : v.real;
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

platform::Variant readStored(const StoredValue& v, JetType type) {
    const Storage storage = v.storage;
    if (storage == Storage::Null) return platform::Variant::null();
    const bool isNumber = storage == Storage::Integer || storage == Storage::Float;
    switch (type) {
        case JetType::Boolean:
            if (isNumber) return platform::Variant(realOf(v) != 0);
            if (auto n = plainNumber(v.text)) return platform::Variant(*n != 0);
            return platform::Variant(std::string(v.text));
        case JetType::Byte:
        case JetType::SmallInt:
        case JetType::Long: {
            if (storage == Storage::Integer) {
                if (type != JetType::Long && v.integer >= INT16_MIN && v.integer <= INT16_MAX)
                    return platform::Variant(static_cast<std::int16_t>(v.integer));
                return number(v.integer);
            }
            if (storage == Storage::Float) return fromDouble(v.real);
            if (auto n = plainNumber(v.text)) return fromDouble(*n);
            return platform::Variant(std::string(v.text));
        }
        case JetType::Double:
            if (isNumber) return platform::Variant(realOf(v));
            if (auto n = plainNumber(v.text)) return platform::Variant(*n);
            return platform::Variant(std::string(v.text));
        case JetType::Currency:
            if (isNumber) return currency(realOf(v));
            if (auto n = plainNumber(v.text)) return currency(*n);
            return platform::Variant(std::string(v.text));
        case JetType::Date:
            if (storage == Storage::Text) return dateFromText(v.text);
            return platform::Variant(platform::DateTime(realOf(v)));
        case JetType::Text:
        case JetType::Memo:
            if (storage == Storage::Float) return platform::Variant(platform::doubleToText(v.real));
            if (storage == Storage::Integer) return platform::Variant(std::to_string(v.integer));
            return platform::Variant(std::string(v.text));
        default:
            if (storage == Storage::Integer) return number(v.integer);
            if (storage == Storage::Float) return platform::Variant(v.real);
            return platform::Variant(std::string(v.text));
    }
}

JetType typeOfKind(char kind) {
    switch (kind) {
        case 'D': return JetType::Date;
        case 'C': return JetType::Currency;
        case 'N': return JetType::Double;
        case 'L': return JetType::Long;
        case 'B': return JetType::Boolean;
        case 'T': return JetType::Text;
        default: return JetType::Unknown;
    }
}

platform::Variant readArgument(const StoredValue& v, char kind) {
    JetType type = typeOfKind(kind);
    if (type == JetType::Text && v.storage != Storage::Text) type = JetType::Unknown;
    return readStored(v, type);
}

}  // namespace zolk::jet
