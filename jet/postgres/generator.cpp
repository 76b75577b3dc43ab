// Where PostgreSQL's SQL differs from the standard printer's: its identity and row id, LIKE by
// the extension's matcher (PostgreSQL refuses LIKE under a case-blind collation), its deviation
// functions, and the casts a statically typed server needs where Jet mixes types.
#include "jet/postgres/generator.h"

#include "jet/printer.h"

namespace zolk::jet::postgres {
namespace {

using ast::Expr;
using ast::ExprKind;

bool identity(Printer& p, const Expr&) {
    p.out += "jet_identity()";
    return true;
}

bool rowId(Printer& p, const Expr& e) {
    p.identifier(e.source);
    p.out += ".ctid";
    return true;
}

bool like(Printer& p, const Expr& e) {
    if (e.negated) p.out += "NOT ";
    p.out += "jet_like(";
    p.value(*e.args[0]);
    p.out += ", ";
    p.value(*e.args[1]);
    p.out += ')';
    return true;
}

// A value of a text-typed result whose own type is not a text, as Jet's text of it.
void asText(Printer& p, const Expr& e) {
    if (isText(e.type) || e.type == JetType::Null || e.type == JetType::Unknown) {
        p.value(e);
        return;
    }
    p.out += "jet_text(";
    p.value(e);
    p.out += ", '";
    p.out += kindLetter(e.type);
    p.out += "')";
}

// IIF and SWITCH giving a text from branches of other types: every branch as text, since the
// server wants one type for all of them.
bool conditional(Printer& p, const Expr& e) {
    if (!isText(e.type)) return false;
    p.out += "CASE";
    for (std::size_t i = 0; i + 1 < e.args.size(); i += 2) {
        p.out += " WHEN ";
        p.condition(*e.args[i]);
        p.out += " THEN ";
        asText(p, *e.args[i + 1]);
    }
    if (e.hasElse) {
        p.out += " ELSE ";
        asText(p, *e.args.back());
    }
    p.out += " END";
    return true;
}

bool nullDefault(Printer& p, const Expr& e) {
    if (!isText(e.type)) return false;
    p.out += "coalesce(";
    asText(p, *e.args[0]);
    p.out += ", ";
    asText(p, *e.args[1]);
    p.out += ')';
    return true;
}

constexpr FunctionWrite kFunctions[] = {
    {Builtin::StDev, "stddev_samp($0)"},
    {Builtin::StDevP, "stddev_pop($0)"},
    {Builtin::Var, "var_samp($0)"},
    {Builtin::VarP, "var_pop($0)"},
};

PrinterRules rules() {
    PrinterRules r;
    r.traits = {"PostgreSQL"};
    r.nodes[static_cast<std::size_t>(ExprKind::Identity)] = &identity;
    r.nodes[static_cast<std::size_t>(ExprKind::RowId)] = &rowId;
    r.nodes[static_cast<std::size_t>(ExprKind::Like)] = &like;
    r.nodes[static_cast<std::size_t>(ExprKind::Conditional)] = &conditional;
    r.nodes[static_cast<std::size_t>(ExprKind::NullDefault)] = &nullDefault;
    r.functions = kFunctions;
    r.fetchWithTies = true;
    r.unionKindsAsText = true;
    // Text columns carry the collation themselves (see the schema script), so grouping by a
    // column is Jet's; a GROUP BY that repeated it would no longer match the select list.
    r.collateGroups = false;
    r.variantType = &sqlType;
    return r;
}

}  // namespace

const char* sqlType(JetType t) {
    switch (t) {
        case JetType::Boolean:
        case JetType::Byte:
        case JetType::SmallInt: return "smallint";
        case JetType::Long: return "integer";
        case JetType::Double: return "double precision";
        case JetType::Currency: return "numeric(19,4)";
        case JetType::Date: return "timestamp(0)";
        default: return "text";
    }
}

const Generator& generator() {
    static const PrinterRules r = rules();
    static const RulesGenerator g(r);
    return g;
}

}  // namespace zolk::jet::postgres
