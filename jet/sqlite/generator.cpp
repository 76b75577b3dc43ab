// Where SQLite's SQL differs from the standard printer's: its date functions over ISO texts, its
// row id, its trims, substr and length, and its scalar min/max. The jet_* functions and the
// JETTEXT collation are registered on every connection (functions.cpp).
#include "jet/sqlite/generator.h"

#include "jet/printer.h"

namespace zolk::jet::sqlite {
namespace {

using ast::Expr;
using ast::ExprKind;

bool identity(Printer& p, const Expr&) {
    p.out += "last_insert_rowid()";
    return true;
}

bool rowId(Printer& p, const Expr& e) {
    p.identifier(e.source);
    p.out += "._rowid_";
    return true;
}

// Dates are ISO texts: a date and a number of days meet as Julian day numbers. A number minus a
// date is left to the VB operator.
bool arithmetic(Printer& p, const Expr& e) {
    const Expr& a = *e.args[0];
    const Expr& b = *e.args[1];
    const auto op = static_cast<ast::ArithOp>(e.op);
    if (op != ast::ArithOp::Add && op != ast::ArithOp::Subtract) return false;
    const bool aDate = a.type == JetType::Date, bDate = b.type == JetType::Date;
    if (op == ast::ArithOp::Subtract && bDate && !aDate) return false;
    if (aDate && bDate) {
        if (op == ast::ArithOp::Add) return false;
        p.out += "(julianday(";
        p.value(a);
        p.out += ") - julianday(";
        p.value(b);
        p.out += "))";
        return true;
    }
    if (!(aDate && isNumeric(b.type)) && !(bDate && isNumeric(a.type))) return false;
    p.out += "strftime('%Y-%m-%d %H:%M:%S', julianday(";
    p.value(aDate ? a : b);
    p.out += op == ast::ArithOp::Add ? ") + (" : ") - (";
    p.value(aDate ? b : a);
    p.out += "))";
    return true;
}

constexpr FunctionWrite kFunctions[] = {
    {Builtin::Trim, "trim($0, ' ')"},
    {Builtin::LTrim, "ltrim($0, ' ')"},
    {Builtin::RTrim, "rtrim($0, ' ')"},
    {Builtin::Year, "CAST(strftime('%Y', $0) AS INTEGER)"},
    {Builtin::Month, "CAST(strftime('%m', $0) AS INTEGER)"},
    {Builtin::Day, "CAST(strftime('%d', $0) AS INTEGER)"},
    {Builtin::Hour, "CAST(strftime('%H', $0) AS INTEGER)"},
    {Builtin::Minute, "CAST(strftime('%M', $0) AS INTEGER)"},
    {Builtin::Second, "CAST(strftime('%S', $0) AS INTEGER)"},
    {Builtin::Date, "(date('now', 'localtime') || ' 00:00:00')"},
    {Builtin::Now, "datetime('now', 'localtime')"},
    {Builtin::Time, "('1899-12-30 ' || time('now', 'localtime'))"},
    {Builtin::Len, "length($0)"},
    {Builtin::Left, "substr($0, 1, max($1, 0))"},
    {Builtin::Mid, "substr($0, $1[, max($2, 0)])"},
    {Builtin::Abs, "abs($0)"},
};

PrinterRules rules() {
    PrinterRules r;
    r.traits = {"SQLite"};
    r.textCollation = kCollation;
    r.nodes[static_cast<std::size_t>(ExprKind::Identity)] = &identity;
    r.nodes[static_cast<std::size_t>(ExprKind::RowId)] = &rowId;
    r.nodes[static_cast<std::size_t>(ExprKind::Arithmetic)] = &arithmetic;
    r.functions = kFunctions;
    r.positiveInfinity = "1e999";
    r.negativeInfinity = "(-1e999)";
    r.nulCharacter = "char(0)";
    r.least = "min";
    r.greatest = "max";
    r.rowsTiedWith = ") IS ";
    r.truthAsValueOpen = "-(";
    r.truthAsValueClose = ")";
    r.derivedAlias = "";
    return r;
}

}  // namespace

const Generator& generator() {
    static const PrinterRules r = rules();
    static const RulesGenerator g(r);
    return g;
}

}  // namespace zolk::jet::sqlite
