#include "cli/values.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "platform/dispatch.h"
#include "platform/runtime_error.h"

namespace zolk::cli {

using platform::Currency;
using platform::DateTime;
using platform::RuntimeError;
using platform::Variant;
using platform::VarType;
namespace err = platform::err;

namespace {

[[noreturn]] void typeMismatch(const std::string& what) {
    throw RuntimeError(err::DispTypeMismatch, "Type mismatch. (" + what + ")");
}

Json doubleToJson(double d) {
    // Whole numbers print without a fraction; 2^63 bounds what an int64 holds exactly.
    if (std::isfinite(d) && std::trunc(d) == d && d > -9.2e18 && d < 9.2e18)
        return Json(static_cast<std::int64_t>(d));
    return Json(d);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads exactly `count` digits at text[pos]; false when they are not there.
bool readDigits(std::string_view text, std::size_t pos, std::size_t count, int& value) {
    if (pos + count > text.size()) return false;
    value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (!isDigit(text[i])) return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

std::string currencyText(Currency value) {
    const std::int64_t raw = value.raw();
    // Unsigned magnitude: the most negative raw value has no positive counterpart.
    const std::uint64_t magnitude =
        raw < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%llu.%04llu", raw < 0 ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 10000),
                  static_cast<unsigned long long>(magnitude % 10000));
    return buf;
}

DateTime parseScriptDate(std::string_view text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool ok = text.size() >= 10 && readDigits(text, 0, 4, year) && text[4] == '-' &&
              readDigits(text, 5, 2, month) && text[7] == '-' && readDigits(text, 8, 2, day);
    if (ok && text.size() > 10) {
        ok = text.size() == 19 && (text[10] == ' ' || text[10] == 'T') &&
             readDigits(text, 11, 2, hour) && text[13] == ':' && readDigits(text, 14, 2, minute) &&
             text[16] == ':' && readDigits(text, 17, 2, second);
    }
    if (!ok || !DateTime::validParts(year, month, day, hour, minute, second))
        typeMismatch("'" + std::string(text) + "' is not a date YYYY-MM-DD or YYYY-MM-DD HH:MM:SS");
    return DateTime::fromParts(year, month, day, hour, minute, second);
}

Currency parseScriptCurrency(std::string_view text) {
    const std::string shown = "'" + std::string(text) + "'";
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    constexpr std::uint64_t maxUnits = 922337203685477ULL;  // whole units of a Currency
    std::uint64_t units = 0;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++digits) {
        units = units * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (units > maxUnits + 1) throw RuntimeError(err::DispOverflow, "Out of present range. (" + shown + ")");
    }
    std::uint64_t fraction = 0;
    std::size_t decimals = 0;
    int firstDropped = -1;     // the fifth decimal, which decides the rounding
    bool droppedBeyond = false;  // any non-zero digit after it
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++decimals) {
            const int d = text[i] - '0';
            if (decimals < 4) fraction = fraction * 10 + static_cast<std::uint64_t>(d);
            else if (decimals == 4) firstDropped = d;
            else droppedBeyond = droppedBeyond || d != 0;
        }
    }
    if (i != text.size() || digits + decimals == 0) typeMismatch(shown + " is not an amount like 12.3456");
    for (std::size_t k = decimals; k < 4; ++k) fraction *= 10;
    std::uint64_t magnitude = units * 10000 + fraction;
    if (firstDropped > 5 || (firstDropped == 5 && (droppedBeyond || magnitude % 2 == 1))) ++magnitude;
    const std::uint64_t limit = static_cast<std::uint64_t>(INT64_MAX) + (negative ? 1 : 0);
    if (magnitude > limit) throw RuntimeError(err::DispOverflow, "Out of present range. (" + shown + ")");
    const std::int64_t raw = negative ? static_cast<std::int64_t>(std::uint64_t(0) - magnitude)
                                      : static_cast<std::int64_t>(magnitude);
    return Currency::fromRaw(raw);
}

Variant scalarFromJson(const Json& json) {
    switch (json.type()) {
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
        case Json::value_t::number_float: return Variant(json.get<double>());
        case Json::value_t::string: return Variant(json.get<std::string>());
        case Json::value_t::boolean: return Variant(json.get<bool>());
        case Json::value_t::null: return Variant::null();
        case Json::value_t::object: {
            if (json.size() == 1) {
                const auto it = json.begin();
                const std::string& key = it.key();
                const Json& inner = it.value();
                if (key == "empty" && inner == true) return Variant();
                if (key == "date" && inner.is_string()) return Variant(parseScriptDate(inner.get<std::string>()));
                if (key == "currency" && inner.is_string())
                    return Variant(parseScriptCurrency(inner.get<std::string>()));
                if (key == "currency" && inner.is_number()) return Variant(Currency::fromDouble(inner.get<double>()));
            }
            typeMismatch("no value of the form " + jsonLine(json));
        }
        default: typeMismatch("no value of the form " + jsonLine(json));
    }
}

Json toJson(const Variant& value) {
    switch (value.type()) {
        case VarType::Empty: return Json{{"empty", true}};
        case VarType::Null: return Json(nullptr);
        case VarType::Integer: return Json(value.asInteger());
        case VarType::Long: return Json(value.asLong());
        case VarType::Double: return doubleToJson(value.asDouble());
        case VarType::Currency: return Json{{"currency", currencyText(value.asCurrency())}};
        case VarType::Date: return Json{{"date", value.asDate().iso()}};
        case VarType::String: return Json(value.asString());
        case VarType::Boolean: return Json(value.asBoolean());
        case VarType::Object: {
            const platform::ObjectRef& object = value.asObject();
            if (!object) return Json{{"object", nullptr}};
            if (auto* recordset = dynamic_cast<ado::Recordset*>(object.get())) {
                if (recordset->State() == 0) return Json{{"state", 0}};
                return dumpRecordset(*recordset);
            }
            return Json{{"object", object->className()}};
        }
    }
    return Json(nullptr);
}

Json dumpRecordset(ado::Recordset& rs) {
    if (rs.State() == 0) return Json{{"state", 0}};
    Json dump;
    Json fields = Json::array();
    const std::int32_t count = rs.fieldCount();
    for (std::int32_t i = 0; i < count; ++i) {
        const jet::Column& c = rs.column(i);
        fields.push_back(Json{{"name", c.name},
                              {"type", c.type},
                              {"definedSize", c.definedSize},
                              {"attributes", c.attributes}});
    }
    dump["fields"] = std::move(fields);
    dump["recordCount"] = rs.RecordCount();
    dump["pageSize"] = rs.PageSize();
    dump["absolutePage"] = rs.AbsolutePage();

    Json rows = Json::array();
    if (rs.RecordCount() > 0) {
        const bool atBof = rs.BOF(), atEof = rs.EOF_();
        const std::int32_t position = atBof || atEof ? 0 : rs.AbsolutePosition();
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
            Json row = Json::array();
            for (std::int32_t i = 0; i < count; ++i) row.push_back(toJson(rs.value(i)));
            rows.push_back(std::move(row));
        }
        if (atBof) {
            rs.MoveFirst();
            rs.MovePrevious();
        } else if (!atEof) {
            rs.AbsolutePosition(position);
        }
        // At EOF the walk above already ends there.
    }
    dump["rows"] = std::move(rows);
    return dump;
}

std::string cellText(const Variant& value) {
    switch (value.type()) {
        case VarType::Empty: return "";
        case VarType::Null: return "Null";
        case VarType::Boolean: return value.asBoolean() ? "True" : "False";
        case VarType::String: return value.asString();
        case VarType::Object: return toJson(value).dump();
        case VarType::Currency: return currencyText(value.asCurrency());
        case VarType::Date: return value.asDate().iso();
        default: {
            const Json j = toJson(value);
            return j.dump();
        }
    }
}

std::string jsonLine(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace zolk::cli
