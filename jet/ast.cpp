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

Expr::Expr() = default;
Expr::~Expr() = default;
Expr::Expr(Expr&&) noexcept = default;
Expr& Expr::operator=(Expr&&) noexcept = default;
Expr::Expr(ExprKind k, std::uint32_t at) : kind(k), offset(at) {}

ExprPtr makeExpr(ExprKind k, std::uint32_t at) { return std::make_unique<Expr>(k, at); }

namespace {
ExprPtr cloneOrNull(const ExprPtr& e) { return e ? clone(*e) : nullptr; }
}  // namespace

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
    c->all = e.all;
    c->number = e.number;
    c->text = e.text;
    c->qualifier = e.qualifier;
    c->function = e.function;
    c->type = e.type;
    c->table = e.table;
    c->column = e.column;
    c->source = e.source;
    c->outer = e.outer;
    if (e.query) c->query = clone(*e.query);
    c->args.reserve(e.args.size());
    for (const auto& a : e.args) c->args.push_back(clone(*a));
    return c;
}

std::unique_ptr<TableRef> clone(const TableRef& t) {
    auto c = std::make_unique<TableRef>();
    c->kind = t.kind;
    c->offset = t.offset;
    c->name = t.name;
    c->alias = t.alias;
    c->join = t.join;
    if (t.left) c->left = clone(*t.left);
    if (t.right) c->right = clone(*t.right);
    c->on = cloneOrNull(t.on);
    if (t.derived) c->derived = clone(*t.derived);
    c->written = t.written;
    c->table = t.table;
    c->derivedColumns = t.derivedColumns;
    return c;
}

std::unique_ptr<Select> clone(const Select& s) {
    auto c = std::make_unique<Select>();
    c->top = s.top;
    c->topPercent = s.topPercent;
    c->orderUnique = s.orderUnique;
    c->distinct = s.distinct;
    c->distinctRow = s.distinctRow;
    for (const auto& item : s.items) {
        SelectItem x;
        x.expr = clone(*item.expr);
        x.alias = item.alias;
        x.name = item.name;
        x.internal = item.internal;
        c->items.push_back(std::move(x));
    }
    for (const auto& f : s.from) c->from.push_back(clone(*f));
    c->where = cloneOrNull(s.where);
    for (const auto& g : s.groupBy) c->groupBy.push_back(clone(*g));
    c->having = cloneOrNull(s.having);
    for (const auto& o : s.orderBy) {
        OrderItem x;
        x.expr = clone(*o.expr);
        x.descending = o.descending;
        x.outputIndex = o.outputIndex;
        c->orderBy.push_back(std::move(x));
    }
    for (const auto& u : s.unions) c->unions.push_back({u.all, clone(*u.select)});
    return c;
}

namespace {
std::size_t sourceNodes(const TableRef& t);

std::size_t selectNodes(const Select& s) {
    std::size_t n = 1;
    for (const auto& item : s.items) n += nodeCount(*item.expr);
    for (const auto& f : s.from) n += sourceNodes(*f);
    if (s.where) n += nodeCount(*s.where);
    for (const auto& g : s.groupBy) n += nodeCount(*g);
    if (s.having) n += nodeCount(*s.having);
    for (const auto& o : s.orderBy) n += nodeCount(*o.expr);
    for (const auto& u : s.unions) n += selectNodes(*u.select);
    return n;
}

std::size_t sourceNodes(const TableRef& t) {
    std::size_t n = 1;
    if (t.left) n += sourceNodes(*t.left);
    if (t.right) n += sourceNodes(*t.right);
    if (t.on) n += nodeCount(*t.on);
    if (t.derived) n += selectNodes(*t.derived);
    return n;
}
}  // namespace

std::size_t nodeCount(const Expr& e) {
    std::size_t n = 1;
    for (const auto& a : e.args) n += nodeCount(*a);
    if (e.query) n += selectNodes(*e.query);
    return n;
}

}  // namespace ast
}  // namespace zolk::jet
