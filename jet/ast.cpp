#include "jet/ast.h"

namespace zolk::jet {

bool isNumeric(JetType t) {
    switch (t) {
        case JetType::Boolean:
        case JetType::Byte:
        case JetType::SmallInt:
        case JetType::Long:
        case JetType::Double:
        case JetType::Currency:
            return true;
        default:
            return false;
    }
}

bool isText(JetType t) { return t == JetType::Text || t == JetType::Memo; }

bool isInteger(JetType t) {
    return t == JetType::Boolean || t == JetType::Byte || t == JetType::SmallInt ||
           t == JetType::Long;
}

namespace ast {

ExprPtr makeExpr(ExprKind k, std::uint32_t at) { return std::make_unique<Expr>(k, at); }

ExprPtr clone(const Expr& e) {
    auto c = std::make_unique<Expr>();
    c->kind = e.kind;
    c->offset = e.offset;
    c->levels = e.levels;
    c->op = e.op;
    c->negated = e.negated;
    c->whole = e.whole;
    c->hasElse = e.hasElse;
    c->distinct = e.distinct;
    c->number = e.number;
    c->text = e.text;
    c->qualifier = e.qualifier;
    c->flags = e.flags;
    c->function = e.function;
    c->type = e.type;
    c->table = e.table;
    c->column = e.column;
    c->source = e.source;
    c->args.reserve(e.args.size());
    for (const auto& a : e.args) c->args.push_back(clone(*a));
    return c;
}

std::size_t nodeCount(const Expr& e) {
    std::size_t n = 1;
    for (const auto& a : e.args) n += nodeCount(*a);
    return n;
}

}  // namespace ast
}  // namespace zolk::jet
