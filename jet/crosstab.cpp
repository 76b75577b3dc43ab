#include "jet/crosstab.h"

#include <cmath>

#include "jet/functions.h"
#include "jet/limits.h"
#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::jet::crosstab {
namespace {

using ast::Expr;
using ast::ExprKind;
using ast::ExprPtr;

ExprPtr typed(ExprKind kind, JetType type) {
    auto e = ast::makeExpr(kind);
    e->type = type;
    return e;
}

ExprPtr numberLiteral(double v, JetType type) {
    auto e = typed(ExprKind::NumberLiteral, type);
    e->number = v;
    e->whole = std::floor(v) == v && std::fabs(v) < 2147483648.0;
    return e;
}

// A value the rows hold, as a literal of the pivot's type; nullptr for Null.
ExprPtr literal(const platform::Variant& v) {
    using platform::VarType;
    switch (v.type()) {
        case VarType::Integer: return numberLiteral(v.asInteger(), JetType::Long);
        case VarType::Long: return numberLiteral(v.asLong(), JetType::Long);
        case VarType::Double: {
            auto e = numberLiteral(v.asDouble(), JetType::Double);
            e->whole = false;
            return e;
        }
        case VarType::Currency: {
            auto e = numberLiteral(v.asCurrency().toDouble(), JetType::Currency);
            e->whole = false;
            return e;
        }
        case VarType::Boolean: return numberLiteral(v.asBoolean() ? -1 : 0, JetType::Boolean);
        case VarType::Date: {
            auto e = typed(ExprKind::DateLiteral, JetType::Date);
            e->text = v.asDate().iso();
            return e;
        }
        case VarType::String: {
            auto e = typed(ExprKind::TextLiteral, JetType::Text);
            e->text = v.asString();
            return e;
        }
        default: return nullptr;
    }
}

// The field name of a pivot value: the value as text by the regional rules, "<>" for Null.
// Yes/No values are named -1 and 0, as Jet stores them.
std::string heading(const platform::Variant& v) {
    if (v.isNull() || v.isEmpty()) return "<>";
    if (v.type() == platform::VarType::Boolean) return v.asBoolean() ? "-1" : "0";
    return platform::CStr(v);
}

// The value a literal of the IN list stands for.
platform::Variant valueOf(const Expr& e) {
    switch (e.kind) {
        case ExprKind::NullLiteral: return platform::Variant::null();
        case ExprKind::NumberLiteral:
        case ExprKind::BooleanLiteral:
            if (e.whole && std::fabs(e.number) < 2147483648.0)
                return platform::Variant(static_cast<std::int32_t>(e.number));
            return platform::Variant(e.number);
        case ExprKind::TextLiteral: return platform::Variant(e.text);
        case ExprKind::DateLiteral:
            if (const auto d = platform::parseHashDate(e.text)) return platform::Variant(*d);
            break;
        default: break;
    }
    throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                 "The values after PIVOT ... IN must be constants.");
}

// pivot = value (or pivot Is Null): the rows of one field.
ExprPtr rowsOf(const Expr& pivot, ExprPtr value) {
    if (!value) {
        auto test = typed(ExprKind::NullTest, JetType::Boolean);
        test->args.push_back(ast::clone(pivot));
        return test;
    }
    auto test = typed(ExprKind::Comparison, JetType::Boolean);
    test->op = int(ast::CompareOp::Equal);
    test->args.push_back(ast::clone(pivot));
    test->args.push_back(std::move(value));
    return test;
}

// CASE WHEN condition THEN value END: Null for the other rows.
ExprPtr only(ExprPtr condition, ExprPtr value) {
    auto e = typed(ExprKind::Conditional, value->type == JetType::Null ? JetType::Text : value->type);
    e->args.push_back(std::move(condition));
    e->args.push_back(std::move(value));
    return e;
}

// Every aggregate of the TRANSFORM value (outside its subqueries) made to see only the rows
// where `rows` holds. A cell without rows is Null, a count's as well.
void restrict(ExprPtr& e, const Expr& rows, int& depth) {
    limits::WalkLevel level(depth);
    if (e->kind != ExprKind::Aggregate) {
        for (auto& a : e->args) restrict(a, rows, depth);
        return;
    }
    const JetType type = e->type;
    if (e->args.empty()) e->args.push_back(numberLiteral(1, JetType::Long));  // Count(*)
    e->args[0] = only(ast::clone(rows), std::move(e->args[0]));
    if (e->function->id != Builtin::Count) return;
    // Count: Null unless the cell has rows.
    auto rowCount = typed(ExprKind::Aggregate, JetType::Long);
    rowCount->function = &functionDef(Builtin::Count);
    rowCount->args.push_back(only(ast::clone(rows), numberLiteral(1, JetType::Long)));
    auto any = typed(ExprKind::Comparison, JetType::Boolean);
    any->op = int(ast::CompareOp::Greater);
    any->args.push_back(std::move(rowCount));
    any->args.push_back(numberLiteral(0, JetType::Long));
    auto cell = only(std::move(any), std::move(e));
    cell->type = type;
    e = std::move(cell);
}

}  // namespace

ast::Statement valuesQuery(const ast::Statement& st) {
    const ast::Select& s = *st.select;
    ast::Statement q;
    q.kind = ast::StatementKind::Select;
    q.select = std::make_unique<ast::Select>();
    ast::Select& v = *q.select;
    v.distinct = true;
    ast::SelectItem item;
    item.expr = ast::clone(*st.crosstab->pivot);
    item.name = item.internal = "c0";
    v.items.push_back(std::move(item));
    for (const auto& f : s.from) v.from.push_back(ast::clone(*f));
    if (s.where) v.where = ast::clone(*s.where);
    ast::OrderItem order;
    order.expr = ast::clone(*st.crosstab->pivot);
    v.orderBy.push_back(std::move(order));
    return q;
}

void expand(ast::Statement& st, const std::vector<platform::Variant>& found,
            std::vector<ResultColumn>& columns) {
    ast::Select& s = *st.select;
    const ast::Crosstab& ct = *st.crosstab;
    std::vector<platform::Variant> values;
    if (ct.values.empty()) {
        values = found;
    } else {
        for (const auto& e : ct.values) values.push_back(valueOf(*e));
    }
    if (s.items.size() + values.size() > limits::kFields)
        limits::exceeded("more than " + std::to_string(limits::kFields) +
                         " fields once the PIVOT values are columns");
    int depth = 0;
    for (const auto& v : values) {
        const ExprPtr rows = rowsOf(*ct.pivot, literal(v));
        ast::SelectItem item;
        item.expr = ast::clone(*ct.value);
        restrict(item.expr, *rows, depth);
        item.name = heading(v);
        item.internal = "c" + std::to_string(s.items.size());
        columns.push_back({computedField(item.name, item.expr->type), item.expr->type});
        s.items.push_back(std::move(item));
    }
    st.crosstab.reset();
}

}  // namespace zolk::jet::crosstab
