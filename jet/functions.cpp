#include "jet/functions.h"

#include <array>

#include "platform/text_compare.h"

namespace zolk::jet {
namespace {

using ast::ExprKind;
using ast::ExprPtr;

// A node of the function `def`: printers find how to write it by its row.
ExprPtr node(ExprKind kind, std::uint32_t at, std::vector<ExprPtr>&& args, int op = 0,
             const FunctionDef* def = nullptr) {
    auto e = ast::makeExpr(kind, at);
    e->function = def;
    e->args = std::move(args);
    e->op = op;
    return e;
}

// IIF(c, a, b): CASE WHEN c THEN a ELSE b END (a Null condition takes b).
ExprPtr buildIif(const FunctionDef&, std::vector<ExprPtr>&& a, std::uint32_t at) {
    auto e = node(ExprKind::Conditional, at, std::move(a));
    e->hasElse = true;
    return e;
}

// SWITCH(c1, v1, ...): no else, so no true condition gives Null.
ExprPtr buildSwitch(const FunctionDef&, std::vector<ExprPtr>&& a, std::uint32_t at) {
    return node(ExprKind::Conditional, at, std::move(a));
}

ExprPtr buildIsNull(const FunctionDef&, std::vector<ExprPtr>&& a, std::uint32_t at) {
    return node(ExprKind::NullTest, at, std::move(a));
}

// Nz(x[, v]): x unless it is Null, then v (or an empty text). x is written once.
ExprPtr buildNz(const FunctionDef&, std::vector<ExprPtr>&& a, std::uint32_t at) {
    if (a.size() == 1) a.push_back(ast::makeExpr(ExprKind::TextLiteral, at));
    return node(ExprKind::NullDefault, at, std::move(a));
}

ExprPtr buildFormat(const FunctionDef&, std::vector<ExprPtr>&& a, std::uint32_t at) {
    if (a.size() == 1) a.push_back(ast::makeExpr(ExprKind::TextLiteral, at));
    return node(ExprKind::FormatText, at, std::move(a));
}

// Trim, LTrim, RTrim and the date parts: printed by their rows.
ExprPtr buildTrim(const FunctionDef& d, std::vector<ExprPtr>&& a, std::uint32_t at) {
    return node(ExprKind::Trim, at, std::move(a), 0, &d);
}

ExprPtr buildDatePart(const FunctionDef& d, std::vector<ExprPtr>&& a, std::uint32_t at) {
    return node(ExprKind::DatePart, at, std::move(a), 0, &d);
}

ExprPtr buildToday(const FunctionDef& d, std::vector<ExprPtr>&&, std::uint32_t at) {
    return node(ExprKind::Today, at, {}, 0, &d);
}

ExprPtr buildNow(const FunctionDef& d, std::vector<ExprPtr>&&, std::uint32_t at) {
    return node(ExprKind::Now, at, {}, 0, &d);
}

ExprPtr buildAggregate(const FunctionDef& d, std::vector<ExprPtr>&& a, std::uint32_t at) {
    // Count(*) counts rows: the star carries no value of its own.
    if (!a.empty() && a[0]->kind == ExprKind::Star) a.clear();
    return node(ExprKind::Aggregate, at, std::move(a), 0, &d);
}

ExprPtr buildScalar(const FunctionDef& d, std::vector<ExprPtr>&& a, std::uint32_t at) {
    return node(ExprKind::Scalar, at, std::move(a), 0, &d);
}

using J = JetType;
constexpr std::uint8_t kAny = 255;

constexpr FunctionDef kFunctions[] = {
    {"IIF", Builtin::Iif, 3, 3, false, J::Unknown, buildIif},
    {"SWITCH", Builtin::Switch, 2, kAny, true, J::Unknown, buildSwitch},
    {"ISNULL", Builtin::IsNull, 1, 1, false, J::Boolean, buildIsNull},
    {"NZ", Builtin::Nz, 1, 2, false, J::Unknown, buildNz},
    {"FORMAT", Builtin::Format, 1, 2, false, J::Text, buildFormat},
    {"TRIM", Builtin::Trim, 1, 1, false, J::Unknown, buildTrim},
    {"LTRIM", Builtin::LTrim, 1, 1, false, J::Unknown, buildTrim},
    {"RTRIM", Builtin::RTrim, 1, 1, false, J::Unknown, buildTrim},
    {"YEAR", Builtin::Year, 1, 1, false, J::SmallInt, buildDatePart},
    {"MONTH", Builtin::Month, 1, 1, false, J::SmallInt, buildDatePart},
    {"DAY", Builtin::Day, 1, 1, false, J::SmallInt, buildDatePart},
    {"HOUR", Builtin::Hour, 1, 1, false, J::SmallInt, buildDatePart},
    {"MINUTE", Builtin::Minute, 1, 1, false, J::SmallInt, buildDatePart},
    {"SECOND", Builtin::Second, 1, 1, false, J::SmallInt, buildDatePart},
    {"DATE", Builtin::Date, 0, 0, false, J::Date, buildToday},
    {"NOW", Builtin::Now, 0, 0, false, J::Date, buildNow},
    {"TIME", Builtin::Time, 0, 0, false, J::Date, buildScalar},
    {"COUNT", Builtin::Count, 1, 1, false, J::Long, buildAggregate},
    {"SUM", Builtin::Sum, 1, 1, false, J::Unknown, buildAggregate},
    {"MAX", Builtin::Max, 1, 1, false, J::Unknown, buildAggregate},
    {"MIN", Builtin::Min, 1, 1, false, J::Unknown, buildAggregate},
    {"AVG", Builtin::Avg, 1, 1, false, J::Unknown, buildAggregate},
    {"FIRST", Builtin::First, 1, 1, false, J::Unknown, buildAggregate},
    {"LAST", Builtin::Last, 1, 1, false, J::Unknown, buildAggregate},
    {"STDEV", Builtin::StDev, 1, 1, false, J::Double, buildAggregate},
    {"STDEVP", Builtin::StDevP, 1, 1, false, J::Double, buildAggregate},
    {"VAR", Builtin::Var, 1, 1, false, J::Double, buildAggregate},
    {"VARP", Builtin::VarP, 1, 1, false, J::Double, buildAggregate},
    {"LEN", Builtin::Len, 1, 1, false, J::Long, buildScalar},
    {"LEFT", Builtin::Left, 2, 2, false, J::Text, buildScalar},
    {"RIGHT", Builtin::Right, 2, 2, false, J::Text, buildScalar},
    {"MID", Builtin::Mid, 2, 3, false, J::Text, buildScalar},
    {"UCASE", Builtin::UCase, 1, 1, false, J::Text, buildScalar},
    {"LCASE", Builtin::LCase, 1, 1, false, J::Text, buildScalar},
    {"INSTR", Builtin::InStr, 2, 4, false, J::Long, buildScalar},
    {"CSTR", Builtin::CStr, 1, 1, false, J::Text, buildScalar},
    {"CDBL", Builtin::CDbl, 1, 1, false, J::Double, buildScalar},
    {"CLNG", Builtin::CLng, 1, 1, false, J::Long, buildScalar},
    {"CINT", Builtin::CInt, 1, 1, false, J::SmallInt, buildScalar},
    {"CCUR", Builtin::CCur, 1, 1, false, J::Currency, buildScalar},
    {"CDATE", Builtin::CDate, 1, 1, false, J::Date, buildScalar},
    {"CBOOL", Builtin::CBool, 1, 1, false, J::Boolean, buildScalar},
    {"VAL", Builtin::Val, 1, 1, false, J::Double, buildScalar},
    {"ABS", Builtin::Abs, 1, 1, false, J::Unknown, buildScalar},
    {"INT", Builtin::Int, 1, 1, false, J::Unknown, buildScalar},
    {"FIX", Builtin::Fix, 1, 1, false, J::Unknown, buildScalar},
    {"SGN", Builtin::Sgn, 1, 1, false, J::SmallInt, buildScalar},
    {"ROUND", Builtin::Round, 1, 2, false, J::Unknown, buildScalar},
    {"SQR", Builtin::Sqr, 1, 1, false, J::Double, buildScalar},
    {"EXP", Builtin::Exp, 1, 1, false, J::Double, buildScalar},
    {"LOG", Builtin::Log, 1, 1, false, J::Double, buildScalar},
    {"SIN", Builtin::Sin, 1, 1, false, J::Double, buildScalar},
    {"COS", Builtin::Cos, 1, 1, false, J::Double, buildScalar},
    {"TAN", Builtin::Tan, 1, 1, false, J::Double, buildScalar},
    {"ATN", Builtin::Atn, 1, 1, false, J::Double, buildScalar},
    {"RND", Builtin::Rnd, 0, 1, false, J::Double, buildScalar},
    {"INSTRREV", Builtin::InStrRev, 2, 4, false, J::Long, buildScalar},
    {"REPLACE", Builtin::Replace, 3, 6, false, J::Text, buildScalar},
    {"STRCOMP", Builtin::StrComp, 2, 3, false, J::SmallInt, buildScalar},
    {"SPACE", Builtin::Space, 1, 1, false, J::Text, buildScalar},
    {"STRING", Builtin::String, 2, 2, false, J::Text, buildScalar},
    {"STRREVERSE", Builtin::StrReverse, 1, 1, false, J::Text, buildScalar},
    {"ASC", Builtin::Asc, 1, 1, false, J::SmallInt, buildScalar},
    {"CHR", Builtin::Chr, 1, 1, false, J::Text, buildScalar},
    {"HEX", Builtin::Hex, 1, 1, false, J::Text, buildScalar},
    {"OCT", Builtin::Oct, 1, 1, false, J::Text, buildScalar},
    {"CVAR", Builtin::CVar, 1, 1, false, J::Unknown, buildScalar},
    {"STR", Builtin::Str, 1, 1, false, J::Text, buildScalar},
    {"ISNUMERIC", Builtin::IsNumeric, 1, 1, false, J::Boolean, buildScalar},
    {"ISDATE", Builtin::IsDate, 1, 1, false, J::Boolean, buildScalar},
    {"ISEMPTY", Builtin::IsEmpty, 1, 1, false, J::Boolean, buildScalar},
    {"WEEKDAY", Builtin::Weekday, 1, 2, false, J::SmallInt, buildScalar},
    {"WEEKDAYNAME", Builtin::WeekdayName, 1, 3, false, J::Text, buildScalar},
    {"MONTHNAME", Builtin::MonthName, 1, 2, false, J::Text, buildScalar},
    {"DATEADD", Builtin::DateAdd, 3, 3, false, J::Date, buildScalar},
    {"DATEDIFF", Builtin::DateDiff, 3, 5, false, J::Long, buildScalar},
    {"DATEPART", Builtin::DatePart, 2, 4, false, J::SmallInt, buildScalar},
    {"DATESERIAL", Builtin::DateSerial, 3, 3, false, J::Date, buildScalar},
    {"TIMESERIAL", Builtin::TimeSerial, 3, 3, false, J::Date, buildScalar},
    {"DATEVALUE", Builtin::DateValue, 1, 1, false, J::Date, buildScalar},
    {"TIMEVALUE", Builtin::TimeValue, 1, 1, false, J::Date, buildScalar},
    {"FORMATNUMBER", Builtin::FormatNumber, 1, 5, false, J::Text, buildScalar},
    {"FORMATCURRENCY", Builtin::FormatCurrency, 1, 5, false, J::Text, buildScalar},
    {"FORMATPERCENT", Builtin::FormatPercent, 1, 5, false, J::Text, buildScalar},
    {"FORMATDATETIME", Builtin::FormatDateTime, 1, 2, false, J::Text, buildScalar},
    {"CHOOSE", Builtin::Choose, 2, kAny, false, J::Unknown, buildScalar},
};

}  // namespace

const FunctionDef& functionDef(Builtin id) {
    for (const auto& f : kFunctions)
        if (f.id == id) return f;
    return kFunctions[0];
}

std::span<const FunctionDef> allFunctions() { return kFunctions; }

const FunctionDef* findFunction(std::string_view name) {
    for (const auto& f : kFunctions) {
        if (platform::equalsNoCase(f.name, name)) return &f;
    }
    return nullptr;
}

}  // namespace zolk::jet
