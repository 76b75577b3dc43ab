#pragma once
// The Jet functions the dialect accepts: one table, one row per spelling. Each row gives the
// arity, the result type (Unknown: derived from the arguments by the binder) and the builder
// that turns a call into the node of its meaning.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "jet/ast.h"

namespace zolk::jet {

enum class Builtin : std::uint8_t {
    Iif, Switch, IsNull, Nz, Format, Trim, LTrim, RTrim,
    Year, Month, Day, Hour, Minute, Second, Date, Now, Time,
    Count, Sum, Max, Min, Avg, First, Last, StDev, StDevP, Var, VarP,
    Len, Left, Right, Mid, UCase, LCase, InStr,
    CStr, CDbl, CLng, CInt, CCur, CDate, CBool, Val, Abs, Int, Fix,
    Sgn, Round, Sqr, Exp, Log, Sin, Cos, Tan, Atn, Rnd,
    InStrRev, Replace, StrComp, Space, String, StrReverse, Asc, Chr, Hex, Oct,
    CVar, Str, IsNumeric, IsDate, IsEmpty,
    Weekday, WeekdayName, MonthName, DateAdd, DateDiff, DatePart, DateSerial, TimeSerial,
    DateValue, TimeValue,
    FormatNumber, FormatCurrency, FormatPercent, FormatDateTime, Choose,
};

struct FunctionDef {
    const char* name;
    Builtin id;
    std::uint8_t minArgs;
    std::uint8_t maxArgs;  // 255: any number
    bool pairs;            // arguments come in (condition, value) pairs
    JetType result;        // Unknown: from the arguments
    ast::ExprPtr (*build)(const FunctionDef& def, std::vector<ast::ExprPtr>&& args,
                          std::uint32_t offset);
};

// The row for a name (any letter case), or nullptr.
const FunctionDef* findFunction(std::string_view name);
// The row of a function.
const FunctionDef& functionDef(Builtin id);
// Every row.
std::span<const FunctionDef> allFunctions();

}  // namespace zolk::jet
