#include "jet/unique_order.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "jet/catalog.h"
#include "platform/text_compare.h"

namespace zolk::jet {
namespace {

using ast::Expr;
using ast::ExprKind;

struct Source {
    std::string name;  // as columns name it
    const catalog::Table* table;
};

// The tables of the FROM; false when a source is not a table or a join is not inner.
bool tablesOf(const ast::TableRef& t, std::vector<Source>& out, std::vector<const Expr*>& conditions) {
    switch (t.kind) {
        case ast::TableRef::Kind::Table:
            if (!t.table) return false;
            out.push_back({t.alias.empty() ? t.name : t.alias, t.table});
            return true;
        case ast::TableRef::Kind::Derived: return false;
        case ast::TableRef::Kind::Join:
            if (t.join != ast::JoinKind::Inner || !t.on) return false;
            conditions.push_back(t.on.get());
            return tablesOf(*t.left, out, conditions) && tablesOf(*t.right, out, conditions);
    }
    return false;
}

void conjuncts(const Expr* e, std::vector<const Expr*>& out) {
    if (!e) return;
    if (e->kind == ExprKind::And) {
        for (const auto& a : e->args) conjuncts(a.get(), out);
        return;
    }
    out.push_back(e);
}

std::size_t sourceOf(const std::vector<Source>& sources, const Expr& column) {
    for (std::size_t i = 0; i < sources.size(); ++i)
        if (platform::equalsNoCase(sources[i].name, column.source)) return i;
    return sources.size();
}

// Every column of `e` belongs to a source in `known`, and nothing in it is an aggregate.
bool onlyFrom(const Expr& e, const std::vector<Source>& sources, const std::vector<bool>& known) {
    if (e.kind == ExprKind::Aggregate || e.query) return false;
    if (e.kind == ExprKind::Column && e.outer > 0) return true;  // an outer query's: one value here
    if (e.kind == ExprKind::Column) {
        const std::size_t i = sourceOf(sources, e);
        if (i == sources.size() || !known[i]) return false;
    }
    return std::all_of(e.args.begin(), e.args.end(),
                       [&](const ast::ExprPtr& a) { return a && onlyFrom(*a, sources, known); });
}

bool isColumnOf(const Expr& e, const std::vector<Source>& sources, std::size_t source) {
    return e.kind == ExprKind::Column && e.column && e.outer == 0 && sourceOf(sources, e) == source;
}

// A unique key whose columns are all in `columns` and none of them text.
bool holdsKey(const catalog::Table& table, const std::set<std::string>& columns) {
    for (const auto& key : table.uniqueKeys) {
        bool all = !key.empty();
        for (const auto& name : key) {
            const catalog::Column* c = table.find(name);
            all = all && c && !isText(c->type) && columns.count(c->name) > 0;
        }
        if (all) return true;
    }
    return false;
}

}  // namespace

bool orderIsUnique(const ast::Select& s) {
    if (s.orderBy.empty() || !s.unions.empty() || !s.groupBy.empty() || s.having) return false;
    std::vector<Source> sources;
    std::vector<const Expr*> conditions;
    for (const auto& src : s.from)
        if (!tablesOf(*src, sources, conditions)) return false;
    if (sources.empty()) return false;
    std::vector<const Expr*> equalities;
    conjuncts(s.where.get(), equalities);
    for (const Expr* on : conditions) conjuncts(on, equalities);

    for (std::size_t anchor = 0; anchor < sources.size(); ++anchor) {
        std::set<std::string> sortColumns;
        for (const auto& o : s.orderBy)
            if (isColumnOf(*o.expr, sources, anchor)) sortColumns.insert(o.expr->column->name);
        if (!holdsKey(*sources[anchor].table, sortColumns)) continue;

        // Tables reached from the anchor: at most one row of each per row of the anchor.
        std::vector<bool> known(sources.size(), false);
        known[anchor] = true;
        for (bool grew = true; grew;) {
            grew = false;
            for (std::size_t i = 0; i < sources.size(); ++i) {
                if (known[i]) continue;
                std::set<std::string> fixed;
                for (const Expr* e : equalities) {
                    if (e->kind != ExprKind::Comparison || e->op != int(ast::CompareOp::Equal) || e->args.size() != 2)
                        continue;
                    for (int side = 0; side < 2; ++side) {
                        const Expr& column = *e->args[std::size_t(side)];
                        const Expr& other = *e->args[std::size_t(1 - side)];
                        if (isColumnOf(column, sources, i) && onlyFrom(other, sources, known))
                            fixed.insert(column.column->name);
                    }
                }
                if (holdsKey(*sources[i].table, fixed)) known[i] = grew = true;
            }
        }
        if (std::all_of(known.begin(), known.end(), [](bool k) { return k; })) return true;
    }
    return false;
}

}  // namespace zolk::jet
