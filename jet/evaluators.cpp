#include "jet/evaluators.h"

#include "platform/conversions.h"
#include "platform/date_functions.h"
#include "platform/format_functions.h"
#include "platform/math_functions.h"
#include "platform/operators.h"
#include "platform/runtime_error.h"
#include "platform/text_functions.h"

namespace zolk::jet {
namespace {

using platform::Variant;
using Args = std::span<const Variant>;

// A function of one argument, taken as it is.
template <Variant (*F)(const Variant&)>
Variant unary(Args a) {
    return F(a[0]);
}

// Argument i, or `fallback` when the call leaves it out.
Variant arg(Args a, std::size_t i, Variant fallback) { return i < a.size() ? a[i] : fallback; }

platform::CompareMethod compareArg(Args a, std::size_t i) {
    return i < a.size() ? platform::compareMethod(a[i]) : platform::CompareMethod::Text;
}

const Variant kLongOne{std::int32_t{1}};
const Variant kMinusOne{std::int32_t{-1}};
const Variant kMinusTwo{std::int32_t{-2}};
const Variant kZero{std::int32_t{0}};

// InStr(s1, s2) or InStr(start, s1, s2[, compare]).
Variant inStr(Args a) {
    if (a.size() == 2) return platform::InStr(kLongOne, a[0], a[1], platform::CompareMethod::Text);
    return platform::InStr(a[0], a[1], a[2], compareArg(a, 3));
}

Variant inStrRev(Args a) { return platform::InStrRev(a[0], a[1], arg(a, 2, kMinusOne), compareArg(a, 3)); }
Variant replace(Args a) {
    return platform::Replace(a[0], a[1], a[2], arg(a, 3, kLongOne), arg(a, 4, kMinusOne), compareArg(a, 5));
}
Variant strComp(Args a) { return platform::StrComp(a[0], a[1], compareArg(a, 2)); }

Variant round(Args a) { return platform::Round(a[0], arg(a, 1, kZero)); }
Variant rnd(Args a) { return platform::Rnd(arg(a, 0, Variant(1.0))); }

Variant string(Args a) { return platform::String(a[0], a[1]); }
Variant cvar(Args a) { return a[0]; }
Variant isNumeric(Args a) { return Variant(platform::IsNumeric(a[0])); }
Variant isDate(Args a) { return Variant(platform::IsDate(a[0])); }

Variant year(Args a) { return platform::DateComponent("yyyy", a[0]); }
Variant month(Args a) { return platform::DateComponent("m", a[0]); }
Variant day(Args a) { return platform::DateComponent("d", a[0]); }
Variant hour(Args a) { return platform::DateComponent("h", a[0]); }
Variant minute(Args a) { return platform::DateComponent("n", a[0]); }
Variant second(Args a) { return platform::DateComponent("s", a[0]); }
Variant weekday(Args a) { return platform::Weekday(a[0], arg(a, 1, kLongOne)); }
Variant weekdayName(Args a) {
    return platform::WeekdayName(a[0], arg(a, 1, Variant(false)), arg(a, 2, kZero));
}
Variant monthName(Args a) { return platform::MonthName(a[0], arg(a, 1, Variant(false))); }
Variant dateAdd(Args a) { return platform::DateAdd(a[0], a[1], a[2]); }
Variant dateDiff(Args a) {
    return platform::DateDiff(a[0], a[1], a[2], arg(a, 3, kLongOne), arg(a, 4, kLongOne));
}
Variant datePart(Args a) { return platform::DatePart(a[0], a[1], arg(a, 2, kLongOne), arg(a, 3, kLongOne)); }
Variant dateSerial(Args a) { return platform::DateSerial(a[0], a[1], a[2]); }
Variant timeSerial(Args a) { return platform::TimeSerial(a[0], a[1], a[2]); }

Variant formatNumber(Args a) {
    return platform::FormatNumber(a[0], arg(a, 1, kMinusOne), arg(a, 2, kMinusTwo), arg(a, 3, kMinusTwo),
                                  arg(a, 4, kMinusTwo));
}
Variant formatCurrency(Args a) {
    return platform::FormatCurrency(a[0], arg(a, 1, kMinusOne), arg(a, 2, kMinusTwo), arg(a, 3, kMinusTwo),
                                    arg(a, 4, kMinusTwo));
}
Variant formatPercent(Args a) {
    return platform::FormatPercent(a[0], arg(a, 1, kMinusOne), arg(a, 2, kMinusTwo), arg(a, 3, kMinusTwo),
                                   arg(a, 4, kMinusTwo));
}
Variant formatDateTime(Args a) { return platform::FormatDateTime(a[0], arg(a, 1, kZero)); }

// Choose's index, the position of the choice to take (the choices themselves stay in SQL, so
// only the chosen one is worked out).
Variant chooseIndex(Args a) {
    if (a[0].isNull()) platform::raise(platform::err::InvalidUseOfNull);
    return Variant(static_cast<std::int32_t>(platform::roundHalfEven(platform::CDbl(a[0]))));
}

constexpr EvaluatorRow kRows[] = {
    {Builtin::InStr, inStr, true},
    {Builtin::InStrRev, inStrRev, true},
    {Builtin::Replace, replace, true},
    {Builtin::StrComp, strComp, true},
    {Builtin::Sgn, unary<platform::Sgn>, true},
    {Builtin::Round, round, true},
    {Builtin::Sqr, unary<platform::Sqr>, true},
    {Builtin::Exp, unary<platform::Exp>, true},
    {Builtin::Log, unary<platform::Log>, true},
    {Builtin::Sin, unary<platform::Sin>, true},
    {Builtin::Cos, unary<platform::Cos>, true},
    {Builtin::Tan, unary<platform::Tan>, true},
    {Builtin::Atn, unary<platform::Atn>, true},
    {Builtin::Rnd, rnd, false},
    {Builtin::Space, unary<platform::Space>, true},
    {Builtin::String, string, true},
    {Builtin::StrReverse, unary<platform::StrReverse>, true},
    {Builtin::Asc, unary<platform::Asc>, true},
    {Builtin::Chr, unary<platform::Chr>, true},
    {Builtin::Hex, unary<platform::Hex>, true},
    {Builtin::Oct, unary<platform::Oct>, true},
    {Builtin::Str, unary<platform::Str>, true},
    {Builtin::CVar, cvar, true},
    {Builtin::IsNumeric, isNumeric, true},
    {Builtin::IsDate, isDate, true},
    {Builtin::IsEmpty, unary<platform::IsEmpty>, true},
    {Builtin::Year, year, true},
    {Builtin::Month, month, true},
    {Builtin::Day, day, true},
    {Builtin::Hour, hour, true},
    {Builtin::Minute, minute, true},
    {Builtin::Second, second, true},
    {Builtin::Weekday, weekday, true},
    {Builtin::WeekdayName, weekdayName, true},
    {Builtin::MonthName, monthName, true},
    {Builtin::DateAdd, dateAdd, true},
    {Builtin::DateDiff, dateDiff, true},
    {Builtin::DatePart, datePart, true},
    {Builtin::DateSerial, dateSerial, true},
    {Builtin::TimeSerial, timeSerial, true},
    {Builtin::DateValue, unary<platform::DateValue>, true},
    {Builtin::TimeValue, unary<platform::TimeValue>, true},
    {Builtin::FormatNumber, formatNumber, true},
    {Builtin::FormatCurrency, formatCurrency, true},
    {Builtin::FormatPercent, formatPercent, true},
    {Builtin::FormatDateTime, formatDateTime, true},
    {Builtin::Choose, chooseIndex, true},
};

}  // namespace

const EvaluatorRow* evaluatorOf(Builtin id) {
    for (const auto& row : kRows)
        if (row.id == id) return &row;
    return nullptr;
}

std::span<const EvaluatorRow> evaluators() { return kRows; }

std::string evaluatorName(Builtin id) {
    std::string name = "jet_";
    for (const char* p = functionDef(id).name; *p; ++p)
        name += static_cast<char>(*p >= 'A' && *p <= 'Z' ? *p - 'A' + 'a' : *p);
    return name;
}

Variant evaluateOperator(char op, const Variant& a, const Variant& b) {
    using platform::ArithOp;
    switch (op) {
        case '+': return platform::arithmetic(ArithOp::Add, a, b);
        case '-': return platform::arithmetic(ArithOp::Subtract, a, b);
        case '*': return platform::arithmetic(ArithOp::Multiply, a, b);
        case '/': return platform::arithmetic(ArithOp::Divide, a, b);
        case '\\': return platform::arithmetic(ArithOp::IntDivide, a, b);
        case 'm': return platform::arithmetic(ArithOp::Modulo, a, b);
        case '^': return platform::arithmetic(ArithOp::Power, a, b);
        case 'n': return platform::negate(a);
        default: platform::raise(platform::err::InvalidProcedureCall, "unknown operator");
    }
}

}  // namespace zolk::jet
