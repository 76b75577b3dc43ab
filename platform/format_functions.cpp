#include "platform/format_functions.h"

#include "platform/conversions.h"
#include "platform/date_functions.h"
#include "platform/format.h"
#include "platform/runtime_error.h"

namespace zolk::platform {
namespace {

enum class Kind { Number, Currency, Percent };

bool tristate(const Variant& v, bool regionalDefault) {
    if (v.isNull()) raise(err::InvalidUseOfNull);
    const std::int32_t t = CLng(v);
    if (t == -2) return regionalDefault;
    if (t != -1 && t != 0) raise(err::InvalidProcedureCall);
    return t == -1;
}

Variant formatAs(Kind kind, const Variant& value, const Variant& digitsArg, const Variant& leadingArg,
                 const Variant& parenArg, const Variant& groupArg) {
    if (value.isNull()) raise(err::InvalidUseOfNull);
    if (digitsArg.isNull()) raise(err::InvalidUseOfNull);
    std::int32_t digits = CLng(digitsArg);
    if (digits == -1) digits = 2;
    if (digits < 0 || digits > 99) raise(err::InvalidProcedureCall);
    const bool leading = tristate(leadingArg, true);
    const bool parentheses = tristate(parenArg, false);
    const bool group = tristate(groupArg, true);
    // A text is read as a number; a date counts as its serial.
    const Variant number = value.type() == VarType::Date ? Variant(value.asDate().serial())
                           : value.isString()            ? Variant(CDbl(value))
                                                         : value;
    std::string body = group ? (leading ? "#,##0" : "#,###") : (leading ? "0" : "#");
    if (digits > 0) body += "." + std::string(static_cast<std::size_t>(digits), '0');
    if (kind == Kind::Percent) body += "%";
    if (kind == Kind::Currency) body = "\"R$ \"" + body;
    const std::string negative = parentheses ? "(" + body + ")" : "-" + body;
    return Format(number, body + ";" + negative);
}

}  // namespace

Variant FormatNumber(const Variant& value, const Variant& digits, const Variant& leadingDigit,
                     const Variant& parentheses, const Variant& groupDigits) {
    return formatAs(Kind::Number, value, digits, leadingDigit, parentheses, groupDigits);
}

Variant FormatCurrency(const Variant& value, const Variant& digits, const Variant& leadingDigit,
                       const Variant& parentheses, const Variant& groupDigits) {
    return formatAs(Kind::Currency, value, digits, leadingDigit, parentheses, groupDigits);
}

Variant FormatPercent(const Variant& value, const Variant& digits, const Variant& leadingDigit,
                      const Variant& parentheses, const Variant& groupDigits) {
    return formatAs(Kind::Percent, value, digits, leadingDigit, parentheses, groupDigits);
}

Variant FormatDateTime(const Variant& value, const Variant& namedFormat) {
    if (value.isNull() || namedFormat.isNull()) raise(err::InvalidUseOfNull);
    const DateTime d = dateArgument(value);
    switch (CLng(namedFormat)) {
        case 0: return Variant(dateToText(d));
        case 1: return Format(Variant(d), "Long Date");
        case 2: return Format(Variant(d), "dd/mm/yyyy");
        case 3: return Format(Variant(d), "hh:nn:ss");
        case 4: return Format(Variant(d), "hh:nn");
        default: raise(err::InvalidProcedureCall);
    }
}

}  // namespace zolk::platform
