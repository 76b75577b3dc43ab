#include "jet/rewrites.h"

#include "jet/functions.h"
#include "jet/limits.h"
#include "jet/unique_order.h"

namespace zolk::jet::rewrite {
namespace {

using ast::ExprKind;
using ast::ExprPtr;
using Fn = std::function<void(ExprPtr&)>;

// Open calls of the walk on this thread: the walks nest only through the tree itself.
thread_local int walkDepth = 0;

void walkSelect(ast::Select& s, const Fn& fn);

void walk(ExprPtr& e, const Fn& fn) {
    if (!e) return;
    limits::WalkLevel level(walkDepth);
    for (auto& a : e->args) walk(a, fn);
    if (e->query) walkSelect(*e->query, fn);
    fn(e);
}

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

using QueryFn = std::function<void(std::unique_ptr<ast::Select>&)>;

// Calls `fn` on the slot of each subquery in `e` (not on those nested in them).
void querySlots(ExprPtr& e, const QueryFn& fn) {
    if (!e) return;
    limits::WalkLevel level(walkDepth);
    for (auto& a : e->args) querySlots(a, fn);
    if (e->query) fn(e->query);
}

void querySlotsOfSource(ast::TableRef& t, const QueryFn& fn) {
    limits::WalkLevel level(walkDepth);
    if (t.left) querySlotsOfSource(*t.left, fn);
    if (t.right) querySlotsOfSource(*t.right, fn);
    querySlots(t.on, fn);
    if (t.derived) fn(t.derived);
}

// Calls `fn` on the slot of each subquery of `s`: derived tables (inside joins too), those
// written in its expressions, and those of its UNION parts.
void querySlotsOfSelect(ast::Select& s, const QueryFn& fn) {
    limits::WalkLevel level(walkDepth);
    for (auto& item : s.items) querySlots(item.expr, fn);
    for (auto& src : s.from) querySlotsOfSource(*src, fn);
    querySlots(s.where, fn);
    for (auto& g : s.groupBy) querySlots(g, fn);
    querySlots(s.having, fn);
    for (auto& o : s.orderBy) querySlots(o.expr, fn);
    for (auto& u : s.unions) querySlotsOfSelect(*u.select, fn);
}

void markSelect(ast::Select& s) {
    querySlotsOfSelect(s, [](std::unique_ptr<ast::Select>& q) { markSelect(*q); });
    s.orderUnique = s.top && !s.orderBy.empty() && s.unions.empty() && orderIsUnique(s);
}

}  // namespace

namespace {
using SelectFn = std::function<void(ast::Select&)>;

void selectsOf(ast::Select& s, const SelectFn& fn);

void selectsIn(ExprPtr& e, const SelectFn& fn) {
    if (!e) return;
    limits::WalkLevel level(walkDepth);
    for (auto& a : e->args) selectsIn(a, fn);
    if (e->query) selectsOf(*e->query, fn);
}

void selectsInSource(ast::TableRef& t, const SelectFn& fn) {
    limits::WalkLevel level(walkDepth);
    if (t.left) selectsInSource(*t.left, fn);
    if (t.right) selectsInSource(*t.right, fn);
    selectsIn(t.on, fn);
    if (t.derived) selectsOf(*t.derived, fn);
}

void selectsOf(ast::Select& s, const SelectFn& fn) {
    limits::WalkLevel level(walkDepth);
    for (auto& item : s.items) selectsIn(item.expr, fn);
    for (auto& src : s.from) selectsInSource(*src, fn);
    selectsIn(s.where, fn);
    for (auto& g : s.groupBy) selectsIn(g, fn);
    selectsIn(s.having, fn);
    for (auto& o : s.orderBy) selectsIn(o.expr, fn);
    for (auto& u : s.unions) selectsOf(*u.select, fn);
    fn(s);
}

// The tables and derived tables of a FROM clause, in order.
void leaves(const ast::TableRef& t, std::vector<const ast::TableRef*>& out) {
    limits::WalkLevel level(walkDepth);
    if (t.kind == ast::TableRef::Kind::Join) {
        leaves(*t.left, out);
        leaves(*t.right, out);
    } else {
        out.push_back(&t);
    }
}

bool aggregates(const ast::Expr& e) {
    limits::WalkLevel level(walkDepth);
    if (e.kind == ExprKind::Aggregate) return true;
    for (const auto& a : e.args)
        if (aggregates(*a)) return true;
    return false;
}

// The sources (by alias) whose columns of this select `e` uses.
void sourcesUsed(const ast::Expr& e, std::vector<std::string>& out) {
    limits::WalkLevel level(walkDepth);
    if (e.kind == ExprKind::Column && e.outer == 0) {
        bool known = false;
        for (const auto& s : out) known = known || s == e.source;
        if (!known) out.push_back(e.source);
    }
    for (const auto& a : e.args) sourcesUsed(*a, out);
}

void distinctRowSelect(ast::Select& s) {
    if (!s.distinctRow) return;
    s.distinctRow = false;
    bool grouped = !s.groupBy.empty() || s.having;
    for (const auto& item : s.items) grouped = grouped || aggregates(*item.expr);
    if (grouped) return;
    std::vector<const ast::TableRef*> all;
    for (const auto& src : s.from) leaves(*src, all);
    std::vector<std::string> shown;
    for (const auto& item : s.items) sourcesUsed(*item.expr, shown);
    if (all.size() < 2 || shown.empty() || shown.size() >= all.size()) return;
    std::vector<ExprPtr> keys;
    for (const auto* t : all) {
        bool isShown = false;
        for (const auto& name : shown) isShown = isShown || name == t->alias;
        if (isShown) {
            // A derived table has no row identity: its rows count by their values.
            if (t->kind != ast::TableRef::Kind::Table) {
                s.distinct = true;
                return;
            }
            auto key = ast::makeExpr(ExprKind::RowId, t->offset);
            key->source = t->alias;
            key->type = JetType::Long;
            keys.push_back(std::move(key));
        }
    }
    s.groupBy = std::move(keys);
}
}  // namespace

void forEachSelect(ast::Statement& st, const SelectFn& fn) {
    if (st.select) selectsOf(*st.select, fn);
    for (auto& a : st.assignments) selectsIn(a.value, fn);
    selectsIn(st.where, fn);
}

void distinctRowAsGroups(ast::Statement& st) { forEachSelect(st, distinctRowSelect); }

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
        if (e->kind == ExprKind::Scalar && e->function->id == Builtin::Choose && isText(e->type)) {
            for (std::size_t i = 1; i < e->args.size(); ++i) asText(e->args[i]);
            return;
        }
        if (e->kind != ExprKind::Conditional || !isText(e->type)) return;
        for (std::size_t i = 1; i < e->args.size(); i += 2) asText(e->args[i]);
        if (e->hasElse && e->args.size() % 2 == 1) asText(e->args.back());
    });
}

void markUniqueOrder(ast::Statement& st) {
    if (st.select) markSelect(*st.select);
}

void forEngine(ast::Statement& st, const EngineTraits&) {
    distinctRowAsGroups(st);
    trueAsMinusOne(st);
    concatOperandsToText(st);
    conditionalBranchesToText(st);
    markUniqueOrder(st);
}

}  // namespace zolk::jet::rewrite
