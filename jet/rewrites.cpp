#include "jet/rewrites.h"

#include "jet/limits.h"

namespace zolk::jet::rewrite {
namespace {

using ast::ExprKind;
using ast::ExprPtr;
using Fn = std::function<void(ExprPtr&)>;

// Open calls of the walk on this thread: the walks nest only through the tree itself.
thread_local int walkDepth = 0;

void walk(ExprPtr& e, const Fn& fn) {
    if (!e) return;
    limits::WalkLevel level(walkDepth);
    for (auto& a : e->args) walk(a, fn);
    fn(e);
}

void walkSelect(ast::Select& s, const Fn& fn);

void walkSource(ast::TableRef& t, const Fn& fn) {
    limits::WalkLevel level(walkDepth);
    switch (t.kind) {
        case ast::TableRef::Kind::Join:
            walkSource(*t.left, fn);
            walkSource(*t.right, fn);
            walk(t.on, fn);
            break;
        case ast::TableRef::Kind::Derived:
            walkSelect(*t.derived, fn);
            break;
        case ast::TableRef::Kind::Table:
            break;
    }
}

void walkSelect(ast::Select& s, const Fn& fn) {
    limits::WalkLevel level(walkDepth);
    for (auto& item : s.items) walk(item.expr, fn);
    for (auto& src : s.from) walkSource(*src, fn);
    walk(s.where, fn);
    for (auto& g : s.groupBy) walk(g, fn);
    walk(s.having, fn);
    for (auto& o : s.orderBy) walk(o.expr, fn);
    for (auto& u : s.unions) walkSelect(*u.select, fn);
}

ExprPtr outputRef(const std::string& internal, JetType type) {
    auto e = ast::makeExpr(ExprKind::OutputRef);
    e->text = internal;
    e->type = type;
    return e;
}

void topWithTiesSelect(std::unique_ptr<ast::Select>& slot) {
    ast::Select& s = *slot;
    for (auto& src : s.from)
        if (src->kind == ast::TableRef::Kind::Derived) topWithTiesSelect(src->derived);
    if (!s.top || s.orderBy.empty() || !s.unions.empty()) return;

    auto inner = std::make_unique<ast::Select>();
    inner->distinct = s.distinct;
    inner->from = std::move(s.from);
    inner->where = std::move(s.where);
    inner->groupBy = std::move(s.groupBy);
    inner->having = std::move(s.having);

    auto outer = std::make_unique<ast::Select>();
    for (auto& item : s.items) {
        ast::SelectItem ref;
        ref.expr = outputRef(item.internal, item.expr->type);
        ref.name = item.name;
        ref.alias = item.alias;
        ref.internal = item.internal;
        outer->items.push_back(std::move(ref));
        inner->items.push_back(std::move(item));
    }
    auto rank = ast::makeExpr(ExprKind::Rank);
    rank->type = JetType::Long;
    for (auto& o : s.orderBy) {
        rank->flags.push_back(o.descending);
        rank->args.push_back(std::move(o.expr));
    }
    ast::SelectItem rankItem;
    rankItem.expr = std::move(rank);
    rankItem.name = rankItem.internal = "jet_rank";
    inner->items.push_back(std::move(rankItem));

    auto derived = std::make_unique<ast::TableRef>();
    derived->kind = ast::TableRef::Kind::Derived;
    derived->alias = "jet_top";
    derived->derived = std::move(inner);
    outer->from.push_back(std::move(derived));

    auto limit = ast::makeExpr(ExprKind::NumberLiteral);
    limit->number = double(*s.top);
    limit->whole = true;
    limit->type = JetType::Long;
    auto keep = ast::makeExpr(ExprKind::Comparison);
    keep->op = int(ast::CompareOp::LessEqual);
    keep->type = JetType::Boolean;
    keep->args.push_back(outputRef("jet_rank", JetType::Long));
    keep->args.push_back(std::move(limit));
    outer->where = std::move(keep);

    ast::OrderItem byRank;
    byRank.expr = outputRef("jet_rank", JetType::Long);
    outer->orderBy.push_back(std::move(byRank));
    slot = std::move(outer);
}

}  // namespace

void forEachExpr(ast::Statement& st, const Fn& fn) {
    if (st.select) walkSelect(*st.select, fn);
    for (auto& a : st.assignments) walk(a.value, fn);
    walk(st.where, fn);
}

void trueAsMinusOne(ast::Statement& st) {
    forEachExpr(st, [](ExprPtr& e) {
        if (e->kind != ExprKind::BooleanLiteral) return;
        e->kind = ExprKind::NumberLiteral;
        e->whole = true;
        e->number = e->number != 0 ? -1 : 0;
    });
}

namespace {
// Wraps a value that is not text in the regional text conversion.
void asText(ExprPtr& operand) {
    const JetType t = operand->type;
    if (isText(t) || t == JetType::Null || operand->kind == ExprKind::TextOf) return;
    auto text = ast::makeExpr(ExprKind::TextOf, operand->offset);
    text->type = JetType::Text;
    text->args.push_back(std::move(operand));
    operand = std::move(text);
}
}  // namespace

void concatOperandsToText(ast::Statement& st) {
    forEachExpr(st, [](ExprPtr& e) {
        if (e->kind != ExprKind::Concat) return;
        for (auto& operand : e->args) asText(operand);
    });
}

void conditionalBranchesToText(ast::Statement& st) {
    forEachExpr(st, [](ExprPtr& e) {
        if (e->kind == ExprKind::NullDefault && isText(e->type)) {
            for (auto& branch : e->args) asText(branch);
            return;
        }
        if (e->kind != ExprKind::Conditional || !isText(e->type)) return;
        for (std::size_t i = 1; i < e->args.size(); i += 2) asText(e->args[i]);
        if (e->hasElse && e->args.size() % 2 == 1) asText(e->args.back());
    });
}

void topWithTies(ast::Statement& st) {
    if (st.select) topWithTiesSelect(st.select);
}

void forEngine(ast::Statement& st, const EngineTraits& traits) {
    trueAsMinusOne(st);
    concatOperandsToText(st);
    conditionalBranchesToText(st);
    if (!traits.fetchWithTies) topWithTies(st);
}

}  // namespace zolk::jet::rewrite
