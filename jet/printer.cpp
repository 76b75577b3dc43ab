#include "jet/printer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "jet/catalog.h"
#include "jet/evaluators.h"
#include "jet/functions.h"
#include "jet/limits.h"
#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::jet {
namespace {

using ast::Expr;
using ast::ExprKind;

bool isPredicate(const Expr& e) {
    switch (e.kind) {
        case ExprKind::Comparison:
        case ExprKind::And:
        case ExprKind::Or:
        case ExprKind::Xor:
        case ExprKind::Eqv:
        case ExprKind::Imp:
        case ExprKind::Not:
        case ExprKind::Like:
        case ExprKind::In:
        case ExprKind::Between:
        case ExprKind::NullTest:
        case ExprKind::Exists:
        case ExprKind::InQuery:
        case ExprKind::Quantified:
            return true;
        default:
            return false;
    }
}

}  // namespace

char kindLetter(JetType t) {
    switch (t) {
        case JetType::Date: return 'D';
        case JetType::Currency: return 'C';
        case JetType::Double: return 'N';
        case JetType::Boolean: return 'B';
        case JetType::Byte:
        case JetType::SmallInt:
        case JetType::Long: return 'L';
        case JetType::Text:
        case JetType::Memo: return 'T';
        default: return 'X';
    }
}

void quoteIdentifier(std::string& out, std::string_view name) {
    out += '"';
    for (char c : name) {
        if (c == '\0') continue;
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

namespace {

// A text literal; NUL characters (which would end the statement text) go in as `nulText`.
void quoteText(std::string& out, const std::string& text, const char* nulText) {
    if (text.find('\0') != std::string::npos) {
        out += "(''";
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t at = text.find('\0', start);
            const std::string piece = text.substr(start, at == std::string::npos ? std::string::npos : at - start);
            out += " || ";
            quoteText(out, piece, nulText);
            if (at == std::string::npos) break;
            out += " || ";
            out += nulText;
            start = at + 1;
        }
        out += ')';
        return;
    }
    out += '\'';
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    out += '\'';
}

const char* compareSymbol(int op) {
    switch (static_cast<ast::CompareOp>(op)) {
        case ast::CompareOp::Equal: return " = ";
        case ast::CompareOp::NotEqual: return " <> ";
        case ast::CompareOp::Less: return " < ";
        case ast::CompareOp::LessEqual: return " <= ";
        case ast::CompareOp::Greater: return " > ";
        case ast::CompareOp::GreaterEqual: return " >= ";
    }
    return " = ";
}

// Whether literal `a` sorts after literal `b`; std::nullopt when they are not two literals of one
// kind.
std::optional<bool> literalsReversed(const Expr& a, const Expr& b) {
    if (a.kind != b.kind) return std::nullopt;
    switch (a.kind) {
        case ExprKind::NumberLiteral: return a.number > b.number;
        case ExprKind::DateLiteral: return a.text > b.text;
        case ExprKind::TextLiteral: return platform::compareText(a.text, b.text) > 0;
        default: return std::nullopt;
    }
}

// The standard form of the functions SQL writes itself; the jet_* functions are the library's
// own, present on every engine. The conversions go through jet_cast(value, target kind, source
// kind), which applies the VB rules.
constexpr FunctionWrite kStandardWriteRows[] = {
    {Builtin::Count, "COUNT($0)"},
    {Builtin::Sum, "SUM($0)"},
    {Builtin::Avg, "AVG($0)"},
    {Builtin::Max, "MAX($0@0)"},
    {Builtin::Min, "MIN($0@0)"},
    {Builtin::First, "jet_first($0)"},
    {Builtin::Last, "jet_last($0)"},
    {Builtin::StDev, "jet_stdev($0)"},
    {Builtin::StDevP, "jet_stdevp($0)"},
    {Builtin::Var, "jet_var($0)"},
    {Builtin::VarP, "jet_varp($0)"},
    {Builtin::Trim, "TRIM(BOTH ' ' FROM $0)"},
    {Builtin::LTrim, "TRIM(LEADING ' ' FROM $0)"},
    {Builtin::RTrim, "TRIM(TRAILING ' ' FROM $0)"},
    {Builtin::Year, "CAST(EXTRACT(YEAR FROM $0) AS INTEGER)"},
    {Builtin::Month, "CAST(EXTRACT(MONTH FROM $0) AS INTEGER)"},
    {Builtin::Day, "CAST(EXTRACT(DAY FROM $0) AS INTEGER)"},
    {Builtin::Hour, "CAST(EXTRACT(HOUR FROM $0) AS INTEGER)"},
    {Builtin::Minute, "CAST(EXTRACT(MINUTE FROM $0) AS INTEGER)"},
    {Builtin::Second, "CAST(EXTRACT(SECOND FROM $0) AS INTEGER)"},
    {Builtin::Date, "CAST(CURRENT_DATE AS TIMESTAMP(0))"},
    {Builtin::Now, "LOCALTIMESTAMP(0)"},
    {Builtin::Time, "(DATE '1899-12-30' + LOCALTIME(0))"},
    {Builtin::Len, "CHAR_LENGTH($0)"},
    {Builtin::Left, "SUBSTRING($0 FROM 1 FOR GREATEST($1, 0))"},
    {Builtin::Mid, "SUBSTRING($0 FROM $1[ FOR GREATEST($2, 0)])"},
    {Builtin::Abs, "ABS($0)"},
    {Builtin::Right, "jet_right($0, $1)"},
    {Builtin::UCase, "jet_case($0, 'U')"},
    {Builtin::LCase, "jet_case($0, 'L')"},
    {Builtin::CStr, "jet_text($0, '#0')"},
    {Builtin::CDbl, "jet_cast($0, 'N', '#0')", true},
    {Builtin::CLng, "jet_cast($0, 'L', '#0')", true},
    {Builtin::CInt, "jet_cast($0, 'I', '#0')", true},
    {Builtin::CCur, "jet_cast($0, 'C', '#0')", true},
    {Builtin::CDate, "jet_cast($0, 'D', '#0')", true},
    {Builtin::CBool, "jet_cast($0, 'B', '#0')", true},
    {Builtin::Val, "jet_cast($0, 'V', '#0')", true},
    {Builtin::Int, "jet_cast($0, 'F', '#0')", true},
    {Builtin::Fix, "jet_cast($0, 'T', '#0')", true},
};
const std::span<const FunctionWrite> kStandardWrites = kStandardWriteRows;

}  // namespace

void Printer::identifier(const std::string& name) { quoteIdentifier(out, name); }

void Printer::text(const std::string& literal) { quoteText(out, literal, rules_.nulCharacter); }

// A call of a variant-valued jet_* function, cast to the engine's type for `type` when the
// engine types its values.
template <class Write>
void Printer::typedCall(JetType type, Write write) {
    if (!rules_.variantType) {
        write();
        return;
    }
    out += "CAST(";
    write();
    out += " AS ";
    out += rules_.variantType(type);
    out += ')';
}

void Printer::number(double v, bool whole) {
    if (std::isinf(v)) {
        out += v > 0 ? rules_.positiveInfinity : rules_.negativeInfinity;
        return;
    }
    if (std::isnan(v)) {
        out += "NULL";
        return;
    }
    char buf[40];
    if (whole && std::fabs(v) < 9.2e18) {
        std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(v));
    } else {
        std::snprintf(buf, sizeof buf, "%.17g", v);
        if (std::string_view(buf).find_first_of(".e") == std::string_view::npos)
            std::snprintf(buf, sizeof buf, "%.1f", v);
    }
    if (v < 0) {
        out += '(';
        out += buf;
        out += ')';
    } else {
        out += buf;
    }
}

void Printer::statement(const ast::Statement& st) {
    switch (st.kind) {
        case ast::StatementKind::Select:
            select(*st.select, false);
            break;
        case ast::StatementKind::Insert:
            out += "INSERT INTO ";
            identifier(st.table->name);
            out += " (";
            commaList(st.assignments, [&](const ast::Assignment& a) { identifier(a.columnName); });
            out += ") ";
            if (st.select) {
                select(*st.select, false);
                break;
            }
            out += "VALUES (";
            commaList(st.assignments, [&](const ast::Assignment& a) { value(*a.value); });
            out += ')';
            break;
        case ast::StatementKind::Update:
            out += "UPDATE ";
            identifier(st.table->name);
            out += " SET ";
            commaList(st.assignments, [&](const ast::Assignment& a) {
                identifier(a.columnName);
                out += " = ";
                value(*a.value);
            });
            where(st.where.get());
            break;
        case ast::StatementKind::Delete:
            out += "DELETE FROM ";
            identifier(st.table->name);
            where(st.where.get());
            break;
    }
}

// Prints each item with `print`, separated by ", ".
template <class Items, class Print>
void Printer::commaList(const Items& items, Print print) {
    bool first = true;
    for (const auto& item : items) {
        if (!first) out += ", ";
        first = false;
        print(item);
    }
}

void Printer::where(const Expr* e) {
    if (!e) return;
    out += " WHERE ";
    condition(*e);
}

void Printer::select(const ast::Select& s, bool derived) {
    limits::WalkLevel level(depth_);
    const bool ties =
        s.top && !s.orderBy.empty() && s.unions.empty() && !s.orderUnique && (s.topPercent || *s.top > 0);
    if (ties && !rules_.fetchWithTies) {
        topWithTies(s, derived);
        return;
    }
    // Duplicates of a UNION or DISTINCT are found under the result columns' collation.
    const bool collateItems = s.distinct || !s.unions.empty();
    compound(s, derived, collateItems);
    if (!s.orderBy.empty()) {
        out += " ORDER BY ";
        for (std::size_t i = 0; i < s.orderBy.size(); ++i) {
            const auto& o = s.orderBy[i];
            if (i) out += ", ";
            if (o.outputIndex >= 0) {
                out += std::to_string(o.outputIndex + 1);
            } else {
                value(*o.expr);
                collate(*o.expr);
            }
            if (o.descending) out += " DESC";
        }
    }
    if (s.top) {
        out += ties ? " FETCH FIRST " : " LIMIT ";
        rowsOfTop(s);
        if (ties) out += " ROWS WITH TIES";
    }
}

void Printer::compound(const ast::Select& s, bool derived, bool collateItems) {
    std::vector<bool> asText;
    if (rules_.unionKindsAsText && !s.unions.empty()) {
        // 'N'umber, 'D'ate, 'T'ext or none (Null) of each column, part by part.
        const auto kind = [](JetType t) { return isNumeric(t) ? 'N' : t == JetType::Date ? 'D' : isText(t) ? 'T' : ' '; };
        asText.assign(s.items.size(), false);
        for (std::size_t i = 0; i < s.items.size(); ++i) {
            char seen = kind(s.items[i].expr->type);
            for (const auto& u : s.unions) {
                const char k = i < u.select->items.size() ? kind(u.select->items[i].expr->type) : ' ';
                if (k == ' ') continue;
                if (seen != ' ' && seen != k) asText[i] = true;
                seen = k;
            }
        }
    }
    selectCore(s, derived, collateItems, asText.empty() ? nullptr : &asText);
    for (const auto& u : s.unions) {
        out += u.all ? " UNION ALL " : " UNION ";
        selectCore(*u.select, derived, collateItems, asText.empty() ? nullptr : &asText);
    }
}

// How many rows a TOP keeps before its ties: n, or n percent of the rows rounded up.
void Printer::rowsOfTop(const ast::Select& s) {
    if (!s.topPercent) {
        out += std::to_string(*s.top);
        return;
    }
    out += "(SELECT (count(*) * ";
    out += std::to_string(*s.top);
    out += " + 99) / 100 FROM (";
    compound(s, true, s.distinct || !s.unions.empty());
    out += ')';
    out += rules_.derivedAlias;
    out += ')';
}

// TOP n ... ORDER BY on keys that rows may share: the first n rows and every row tied with
// the n-th on all the keys. The n-th row's keys are found first, along the sort (an index
// serves it); then the first n rows but those tied with it, and all the rows tied with it:
//   SELECT items FROM (SELECT * FROM (rows ORDER BY keys LIMIT n) WHERE NOT (keys IS (n-th))
//                      UNION ALL SELECT * FROM (rows) WHERE keys IS (n-th)) ORDER BY keys
// With fewer than n rows the n-th is all Null, which only rows with Null keys equal: the
// second part gives those back and the first part keeps the others.
void Printer::topWithTies(const ast::Select& s, bool derived) {
    out += "SELECT ";
    for (std::size_t i = 0; i < s.items.size(); ++i) {
        if (i) out += ", ";
        identifier(s.items[i].internal);
        out += " AS ";
        identifier(derived ? s.items[i].internal : s.items[i].name);
    }
    out += " FROM (SELECT * FROM (";
    rowsWithKeys(s, false);
    keyOrder(s);
    out += " LIMIT ";
    rowsOfTop(s);
    out += ')';
    out += rules_.derivedAlias;
    out += " WHERE NOT (";
    tiedWithTheLast(s);
    out += ") UNION ALL SELECT * FROM (";
    rowsWithKeys(s, false);
    out += ')';
    out += rules_.derivedAlias;
    out += " WHERE ";
    tiedWithTheLast(s);
    if (s.topPercent) {
        out += " AND ";
        rowsOfTop(s);
        out += " > 0";
    }
    out += ") AS \"jet_top\"";
    keyOrder(s);
}

// The select's rows with its sort keys as jet_k0, jet_k1, ...; `keysOnly` leaves the
// select list out (not for DISTINCT, whose rows are told apart by it).
void Printer::rowsWithKeys(const ast::Select& s, bool keysOnly) {
    keysOnly = keysOnly && !s.distinct;
    out += "SELECT ";
    if (s.distinct) out += "DISTINCT ";
    if (!keysOnly) {
        for (const auto& item : s.items) {
            value(*item.expr);
            if (s.distinct) collate(*item.expr);
            out += " AS ";
            identifier(item.internal);
            out += ", ";
        }
    }
    for (std::size_t i = 0; i < s.orderBy.size(); ++i) {
        if (i) out += ", ";
        value(*s.orderBy[i].expr);
        if (s.distinct) collate(*s.orderBy[i].expr);
        out += " AS ";
        identifier("jet_k" + std::to_string(i));
    }
    fromToHaving(s);
}

void Printer::keyOrder(const ast::Select& s) {
    out += " ORDER BY ";
    for (std::size_t i = 0; i < s.orderBy.size(); ++i) {
        if (i) out += ", ";
        identifier("jet_k" + std::to_string(i));
        collate(*s.orderBy[i].expr);
        if (s.orderBy[i].descending) out += " DESC";
    }
}

// (jet_k0, ...) IS (the keys of the last row the TOP takes before its ties)
void Printer::tiedWithTheLast(const ast::Select& s) {
    out += '(';
    for (std::size_t i = 0; i < s.orderBy.size(); ++i) {
        if (i) out += ", ";
        identifier("jet_k" + std::to_string(i));
        collate(*s.orderBy[i].expr);
    }
    out += rules_.rowsTiedWith;
    out += "(SELECT ";
    for (std::size_t i = 0; i < s.orderBy.size(); ++i) {
        if (i) out += ", ";
        identifier("jet_k" + std::to_string(i));
    }
    out += " FROM (";
    rowsWithKeys(s, true);
    out += ')';
    out += rules_.derivedAlias;
    keyOrder(s);
    out += " LIMIT 1 OFFSET ";
    rowsOfTop(s);
    out += " - 1)";
}

void Printer::selectCore(const ast::Select& s, bool derived, bool collateItems, const std::vector<bool>* asText) {
    out += "SELECT ";
    if (s.distinct) out += "DISTINCT ";
    for (std::size_t i = 0; i < s.items.size(); ++i) {
        const auto& item = s.items[i];
        if (i) out += ", ";
        if (asText && i < asText->size() && (*asText)[i]) {
            out += "CAST((";
            value(*item.expr);
            out += ") AS TEXT)";
        } else {
            value(*item.expr);
        }
        if (collateItems) collate(*item.expr);
        out += " AS ";
        identifier(derived ? item.internal : item.name);
    }
    fromToHaving(s);
}

void Printer::fromToHaving(const ast::Select& s) {
    for (std::size_t i = 0; i < s.from.size(); ++i) {
        out += i ? ", " : " FROM ";
        source(*s.from[i], false);
    }
    where(s.where.get());
    if (!s.groupBy.empty()) {
        out += " GROUP BY ";
        commaList(s.groupBy, [&](const ast::ExprPtr& g) {
            value(*g);
            if (rules_.collateGroups) collate(*g);
        });
    }
    if (s.having) {
        out += " HAVING ";
        condition(*s.having);
    }
}

void Printer::source(const ast::TableRef& t, bool nested) {
    limits::WalkLevel level(depth_);
    switch (t.kind) {
        case ast::TableRef::Kind::Table:
            identifier(t.table->name);
            if (t.alias != t.table->name) {
                out += " AS ";
                identifier(t.alias);
            }
            break;
        case ast::TableRef::Kind::Derived:
            // A derived table the statement wrote gives its columns by name.
            out += '(';
            select(*t.derived, !t.written);
            out += ')';
            if (!t.alias.empty()) {
                out += " AS ";
                identifier(t.alias);
            } else {
                out += rules_.derivedAlias;
            }
            break;
        case ast::TableRef::Kind::Join:
            if (nested) out += '(';
            source(*t.left, false);
            out += t.join == ast::JoinKind::Inner  ? " INNER JOIN "
                   : t.join == ast::JoinKind::Left ? " LEFT JOIN "
                                                   : " RIGHT JOIN ";
            source(*t.right, true);
            out += " ON ";
            condition(*t.on);
            if (nested) out += ')';
            break;
    }
}

void Printer::collate(const Expr& e) {
    if (isText(e.type)) {
        out += " COLLATE ";
        out += rules_.textCollation;
    }
}

// An expression where SQL expects a truth value: a Jet value is true when not zero.
void Printer::condition(const Expr& e) {
    if (isPredicate(e)) {
        predicate(e);
        return;
    }
    out += '(';
    value(e);
    out += ") <> 0";
}

// An operand that must be atomic next to an operator.
void Printer::operand(const Expr& e) {
    // Negative numbers and arithmetic print their own parentheses; calls need none.
    bool atomic = false;
    switch (e.kind) {
        case ExprKind::Column:
        case ExprKind::TextLiteral:
        case ExprKind::DateLiteral:
        case ExprKind::NullLiteral:
        case ExprKind::NumberLiteral:
        case ExprKind::BooleanLiteral:
        case ExprKind::OutputRef:
        case ExprKind::Identity:
        case ExprKind::Arithmetic:
        case ExprKind::Concat:
        case ExprKind::TextOf:
        case ExprKind::FormatText:
        case ExprKind::Trim:
        case ExprKind::DatePart:
        case ExprKind::Now:
        case ExprKind::Today:
        case ExprKind::Aggregate:
        case ExprKind::Subquery:
        case ExprKind::RowId:
            atomic = true;
            break;
        default:
            break;
    }
    if (!atomic) out += '(';
    value(e);
    if (!atomic) out += ')';
}

// A compared date column in its full stored form: other tools may have written a date without
// its time ("2024-05-15") or a time without its date, which would never match a full literal.
void Printer::comparand(const Expr& e) {
    if (e.type != JetType::Date || e.kind != ExprKind::Column) {
        operand(e);
        return;
    }
    out += "jet_date(";
    value(e);
    out += ')';
}

void Printer::truthPair(const Expr& e, const char* open, const char* middle, const char* close) {
    out += open;
    condition(*e.args[0]);
    out += middle;
    condition(*e.args[1]);
    out += close;
}

// Between's bounds, lower first whichever order they were written in: literals are put in
// order here, anything else is ordered when the statement runs.
void Printer::bounds(const Expr& a, const Expr& b) {
    if (const auto reversed = literalsReversed(a, b)) {
        operand(*reversed ? b : a);
        out += " AND ";
        operand(*reversed ? a : b);
        return;
    }
    const bool text = isText(a.type) || isText(b.type);
    for (const char* f : {rules_.least, rules_.greatest}) {
        if (f == rules_.greatest) out += " AND ";
        out += f;
        out += '(';
        value(a);
        if (text) {
            out += " COLLATE ";
            out += rules_.textCollation;
        }
        out += ", ";
        value(b);
        out += ')';
    }
}

// "(x [NOT] <word>", x in its compared form: the opening of IN and BETWEEN.
void Printer::membership(const Expr& e, const char* word) {
    out += '(';
    comparand(*e.args[0]);
    collate(*e.args[0]);
    out += e.negated ? " NOT " : " ";
    out += word;
}

void Printer::predicate(const Expr& e) {
    limits::WalkLevel level(depth_);
    if (const NodeWriter own = rules_.nodes[static_cast<std::size_t>(e.kind)]; own && isPredicate(e) && own(*this, e))
        return;
    standardPredicate(e);
}

void Printer::standardPredicate(const Expr& e) {
    switch (e.kind) {
        case ExprKind::Comparison: {
            const bool text = isText(e.args[0]->type) || isText(e.args[1]->type);
            comparand(*e.args[0]);
            out += compareSymbol(e.op);
            comparand(*e.args[1]);
            if (text) {
                out += " COLLATE ";
                out += rules_.textCollation;
            }
            break;
        }
        case ExprKind::And:
        case ExprKind::Or:
            out += '(';
            for (std::size_t i = 0; i < e.args.size(); ++i) {
                if (i) out += e.kind == ExprKind::And ? " AND " : " OR ";
                condition(*e.args[i]);
            }
            out += ')';
            break;
        // Truth values (1, 0 or Null) compared or combined: each operand is written once.
        case ExprKind::Xor: truthPair(e, "(", ") <> (", ")"); break;
        case ExprKind::Eqv: truthPair(e, "(", ") = (", ")"); break;
        case ExprKind::Imp: truthPair(e, "(NOT (", ") OR (", "))"); break;
        case ExprKind::Not:
            out += "NOT (";
            condition(*e.args[0]);
            out += ')';
            break;
        case ExprKind::Like:
            operand(*e.args[0]);
            out += e.negated ? " NOT LIKE " : " LIKE ";
            operand(*e.args[1]);
            break;
        case ExprKind::In: {
            membership(e, "IN (");
            for (std::size_t i = 1; i < e.args.size(); ++i) {
                if (i > 1) out += ", ";
                value(*e.args[i]);
            }
            out += "))";
            break;
        }
        case ExprKind::Between:
            membership(e, "BETWEEN ");
            bounds(*e.args[1], *e.args[2]);
            out += ')';
            break;
        case ExprKind::NullTest:
            operand(*e.args[0]);
            out += e.negated ? " IS NOT NULL" : " IS NULL";
            break;
        case ExprKind::Exists:
            out += "EXISTS (";
            select(*e.query, true);
            out += ')';
            break;
        case ExprKind::InQuery:
            membership(e, "IN (");
            select(*e.query, true);
            out += "))";
            break;
        case ExprKind::Quantified: quantified(e); break;
        default:
            condition(e);
    }
}

void Printer::value(const Expr& e) {
    limits::WalkLevel level(depth_);
    if (const NodeWriter own = rules_.nodes[static_cast<std::size_t>(e.kind)]; own && !isPredicate(e) && own(*this, e))
        return;
    standardValue(e);
}

void Printer::standardValue(const Expr& e) {
    if (isPredicate(e)) {
        // A truth value as a Jet value: -1, 0 or Null.
        out += rules_.truthAsValueOpen;
        predicate(e);
        out += rules_.truthAsValueClose;
        return;
    }
    switch (e.kind) {
        case ExprKind::NullLiteral: out += "NULL"; break;
        case ExprKind::NumberLiteral:
        case ExprKind::BooleanLiteral: number(e.number, e.whole); break;
        case ExprKind::TextLiteral:
        case ExprKind::DateLiteral: text(e.text); break;
        case ExprKind::Column:
            identifier(e.source);
            out += '.';
            identifier(e.text);
            break;
        case ExprKind::OutputRef: identifier(e.text); break;
        case ExprKind::Star: out += '*'; break;
        case ExprKind::Negate:
            if (!isNumeric(e.args[0]->type)) {
                // A text is read as a number by the regional rules; a date stays a date.
                typedCall(e.type, [&] {
                    out += "jet_op('n', ";
                    value(*e.args[0]);
                    out += ", '";
                    out += kindLetter(e.args[0]->type);
                    out += "', NULL, 'X')";
                });
                break;
            }
            out += "-";
            operand(*e.args[0]);
            break;
        case ExprKind::Arithmetic: arithmetic(e); break;
        case ExprKind::Concat: concat(e.args, 0, e.args.size()); break;
        case ExprKind::TextOf:
            out += "jet_text(";
            value(*e.args[0]);
            out += ", '";
            out += kindLetter(e.args[0]->type);
            out += "')";
            break;
        case ExprKind::Conditional:
            out += "CASE";
            for (std::size_t i = 0; i + 1 < e.args.size(); i += 2) {
                out += " WHEN ";
                condition(*e.args[i]);
                out += " THEN ";
                value(*e.args[i + 1]);
            }
            if (e.hasElse) {
                out += " ELSE ";
                value(*e.args.back());
            }
            out += " END";
            break;
        case ExprKind::NullDefault:
            out += "coalesce(";
            value(*e.args[0]);
            out += ", ";
            value(*e.args[1]);
            out += ')';
            break;
        case ExprKind::FormatText:
            out += "jet_format(";
            value(*e.args[0]);
            out += ", ";
            value(*e.args[1]);
            out += ", '";
            out += kindLetter(e.args[0]->type);
            out += "')";
            break;
        case ExprKind::DatePart:
            // A text (or number) is read as a date by the regional rules.
            if (e.args[0]->type != JetType::Date) evaluated(e, e.function->id);
            else function(e);
            break;
        case ExprKind::Trim:
        case ExprKind::Today:
        case ExprKind::Now:
        case ExprKind::Scalar: function(e); break;
        case ExprKind::Aggregate: aggregate(e); break;
        case ExprKind::Subquery:
            // A subquery standing for a value has one row at most (an engine might take the
            // first of several).
            out += "(SELECT jet_one(";
            identifier(e.query->items[0].internal);
            out += ") FROM (";
            select(*e.query, true);
            out += ')';
            out += rules_.derivedAlias;
            out += ')';
            break;
        case ExprKind::Identity:
        case ExprKind::RowId:
            throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                         std::string(e.kind == ExprKind::Identity ? "@@Identity" : "DISTINCTROW") +
                                             " cannot be expressed on " + rules_.traits.name + ".");
        default:  // truth values, printed above
            break;
    }
}

// jet_concat over args[first, last). SQLite takes at most 127 arguments a call, so a longer
// chain is written as calls of groups (Null only when every operand is, as one call).
void Printer::concat(const std::vector<ast::ExprPtr>& args, std::size_t first, std::size_t last) {
    constexpr std::size_t kMaxArguments = 100;
    limits::WalkLevel level(depth_);
    out += "jet_concat(";
    const std::size_t n = last - first;
    const std::size_t group = n <= kMaxArguments ? 1 : (n + kMaxArguments - 1) / kMaxArguments;
    for (std::size_t i = first; i < last; i += group) {
        if (i > first) out += ", ";
        if (group == 1) value(*args[i]);
        else concat(args, i, std::min(last, i + group));
    }
    out += ')';
}

// VB's arithmetic by the platform: texts read by CDbl's rules, a zero divisor's error 11,
// dates added as serials, powers.
void Printer::vbOperator(const Expr& e) {
    static constexpr char kLetters[] = {'+', '-', '*', '/', '\\', 'm', '^'};
    typedCall(e.type, [&] { vbCall(e, kLetters[e.op]); });
}

void Printer::vbCall(const Expr& e, char op) {
    out += "jet_op('";
    out += op;
    out += "', ";
    value(*e.args[0]);
    out += ", '";
    out += kindLetter(e.args[0]->type);
    out += "', ";
    value(*e.args[1]);
    out += ", '";
    out += kindLetter(e.args[1]->type);
    out += "')";
}

// Numbers are added, subtracted and multiplied by SQL, texts joined by +; the rest (dates, a
// text operand, division, powers) by the platform's VB operators.
void Printer::arithmetic(const Expr& e) {
    const Expr& a = *e.args[0];
    const Expr& b = *e.args[1];
    const auto op = static_cast<ast::ArithOp>(e.op);
    const bool numbers = isNumeric(a.type) && isNumeric(b.type);
    if (op == ast::ArithOp::Add && isText(a.type) && isText(b.type)) {
        out += '(';
        operand(a);
        out += " || ";
        operand(b);
        out += ')';
        return;
    }
    if (!numbers || (op != ast::ArithOp::Add && op != ast::ArithOp::Subtract && op != ast::ArithOp::Multiply)) {
        vbOperator(e);
        return;
    }
    out += '(';
    operand(a);
    out += op == ast::ArithOp::Add ? " + " : op == ast::ArithOp::Subtract ? " - " : " * ";
    operand(b);
    out += ')';
}

// x op ANY|ALL (SELECT c ...), which SQLite lacks, as a truth value with SQL's Null rule:
// ANY is true when some comparison is true, else Null when some is Null, else false;
// ALL is false when some comparison is false, else Null when some is Null, else true.
void Printer::quantified(const Expr& e) {
    const Expr& item = *e.query->items[0].expr;
    // EXISTS (SELECT 1 FROM (sub) AS jet_q WHERE <before>(x op jet_q.c)<after>)
    auto rowsWhere = [&](const char* before, const char* after) {
        out += "EXISTS (SELECT 1 FROM (";
        select(*e.query, true);
        out += ") AS \"jet_q\" WHERE ";
        out += before;
        out += '(';
        comparand(*e.args[0]);
        out += compareSymbol(e.op);
        const bool date = item.type == JetType::Date;
        if (date) out += "jet_date(";
        out += "\"jet_q\".";
        identifier(e.query->items[0].internal);
        if (date) out += ')';
        if (isText(e.args[0]->type) || isText(item.type)) {
            out += " COLLATE ";
            out += rules_.textCollation;
        }
        out += ')';
        out += after;
        out += ')';
    };
    out += "(CASE WHEN ";
    rowsWhere(e.all ? "NOT " : "", "");
    out += e.all ? " THEN 0 WHEN " : " THEN 1 WHEN ";
    rowsWhere("", " IS NULL");
    out += e.all ? " THEN NULL ELSE 1 END)" : " THEN NULL ELSE 0 END)";
}

void Printer::aggregate(const Expr& e) {
    if (e.args.empty()) {
        out += "COUNT(*)";
        return;
    }
    function(e);
}

// @n writes the text collation when argument n is a text.
void Printer::pattern(const Expr& e, const char* p) {
    for (; *p; ++p) {
        const char c = *p;
        if ((c == '$' || c == '%' || c == '#' || c == '@') && p[1] >= '0' && p[1] <= '9') {
            const Expr& arg = *e.args[static_cast<std::size_t>(*++p - '0')];
            if (c == '$') value(arg);
            else if (c == '%') operand(arg);
            else if (c == '@') collate(arg);
            else out += kindLetter(arg.type);
        } else if (c == '[') {
            const char* digit = p + 1;
            while (*digit && (*digit < '0' || *digit > '9')) ++digit;
            if (*digit && static_cast<std::size_t>(*digit - '0') >= e.args.size())
                while (*p && *p != ']') ++p;
        } else if (c != ']') {
            out += c;
        }
    }
}

// jet_<name>('kinds', arg, ...): a function the platform evaluates.
void Printer::evaluated(const Expr& e, Builtin id) {
    typedCall(e.type, [&] { evaluatedCall(e, id); });
}

void Printer::evaluatedCall(const Expr& e, Builtin id) {
    out += evaluatorName(id);
    out += "('";
    for (const auto& a : e.args) out += kindLetter(a->type);
    out += '\'';
    for (const auto& a : e.args) {
        out += ", ";
        value(*a);
    }
    out += ')';
}

// Choose(i, a, b, ...): the index worked out once, then only the chosen value; an index
// outside the choices gives Null.
void Printer::choose(const Expr& e) {
    out += "CASE ";
    typedCall(JetType::Long, [&] {
        out += evaluatorName(Builtin::Choose);
        out += "('";
        out += kindLetter(e.args[0]->type);
        out += "', ";
        value(*e.args[0]);
        out += ')';
    });
    for (std::size_t i = 1; i < e.args.size(); ++i) {
        out += " WHEN ";
        out += std::to_string(i);
        out += " THEN ";
        value(*e.args[i]);
    }
    out += " END";
}

// A function by the engine's pattern, else the standard one, else the platform's evaluator.
void Printer::function(const Expr& e) {
    const Builtin id = e.function->id;
    for (const auto* table : {&rules_.functions, &kStandardWrites}) {
        for (const FunctionWrite& w : *table) {
            if (w.id == id) {
                if (w.variant) typedCall(e.type, [&] { pattern(e, w.pattern); });
                else pattern(e, w.pattern);
                return;
            }
        }
    }
    if (id == Builtin::Choose) {
        choose(e);
        return;
    }
    if (evaluatorOf(id)) {
        evaluated(e, id);
        return;
    }
    throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                 std::string("The function '") + e.function->name + "' cannot be expressed on " +
                                     rules_.traits.name + ".");
}

std::string RulesGenerator::statement(const ast::Statement& st) const {
    Printer p(rules_);
    p.statement(st);
    return std::move(p.out);
}

}  // namespace zolk::jet
