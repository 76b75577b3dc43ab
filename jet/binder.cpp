#include "jet/binder.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>

#include "jet/functions.h"
#include "jet/lexer.h"
#include "jet/limits.h"
#include "platform/conversions.h"
#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::jet {
namespace {

using ast::Expr;
using ast::ExprKind;
using ast::ExprPtr;

struct Source {
    std::string alias;
    const catalog::Table* table;
};

int rank(JetType t) {
    switch (t) {
        case JetType::Boolean: return 1;
        case JetType::Byte: return 2;
        case JetType::SmallInt: return 3;
        case JetType::Long: return 4;
        case JetType::Currency: return 5;
        case JetType::Double: return 6;
        default: return 0;
    }
}

[[noreturn]] void nameError(std::string_view sql, std::uint32_t offset, const std::string& what) {
    throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                 what + " (character " +
                                     std::to_string(characterPosition(sql, offset)) + ").");
}

[[noreturn]] void mismatch() {
    throw platform::RuntimeError(platform::err::DbCantConvertValue,
                                 "Data type mismatch in criteria expression.");
}

class Binder {
public:
    Binder(catalog::Catalog& cat, std::string_view sql) : cat_(cat), sql_(sql) {}

    std::vector<ResultColumn> statement(ast::Statement& st) {
        switch (st.kind) {
            case ast::StatementKind::Select: {
                auto columns = select(*st.select, true);
                if (st.crosstab) crosstab(*st.select, *st.crosstab);
                return columns;
            }
            case ast::StatementKind::Insert:
            case ast::StatementKind::Update:
            case ast::StatementKind::Delete:
                write(st);
                return {};
        }
        return {};
    }

private:
    catalog::Catalog& cat_;
    std::string_view sql_;
    std::vector<Source> scope_;               // the sources of the select being bound
    std::vector<std::vector<Source>> outer_;  // those of the selects around it, innermost last
    int exprCounter_ = 1000;
    int depth_ = 0;            // open recursive calls
    std::size_t copied_ = 0;   // nodes copied from the select list into ORDER BY

    // ---- statements that write --------------------------------------------------------------

    void write(ast::Statement& st) {
        st.table = cat_.find(st.tableName);
        if (!st.table)
            nameError(sql_, st.tableOffset, "Cannot find the table '" + st.tableName + "'");
        scope_ = {{st.table->name, st.table}};
        for (auto& a : st.assignments) {
            a.column = st.table->find(a.columnName);
            if (!a.column)
                nameError(sql_, a.offset,
                          "Unknown field '" + a.columnName + "' in table '" + st.table->name + "'");
            a.columnName = a.column->name;
        }
        if (st.kind == ast::StatementKind::Insert && st.select) {
            auto cols = select(*st.select, true);
            if (cols.size() != st.assignments.size())
                nameError(sql_, st.tableOffset,
                          "Number of query values and destination fields are not the same");
            scope_ = {{st.table->name, st.table}};
            return;
        }
        for (auto& a : st.assignments) {
            expr(*a.value);
            coerceInto(a.value, *a.column);
        }
        if (st.where) expr(*st.where);
    }

    // A literal written into a column takes the column's type as Jet converts it: a text into
    // a date column is read day first, a text into a number column by the regional rules.
    void coerceInto(ExprPtr& value, const catalog::Column& col) {
        Expr& v = *value;
        switch (col.type) {
            case JetType::Date:
                if (v.kind == ExprKind::TextLiteral) {
                    const auto d = platform::parseRegionalDate(v.text);
                    if (!d) mismatch();
                    toDateLiteral(v, *d);
                } else if (v.kind == ExprKind::NumberLiteral) {
                    toDateLiteral(v, platform::DateTime(v.number));
                }
                break;
            case JetType::Boolean:
                if (v.kind == ExprKind::NullLiteral) {
                    // Yes/No holds no Null: Jet stores No.
                    v.kind = ExprKind::NumberLiteral;
                    v.number = 0;
                    v.whole = true;
                    v.type = JetType::Boolean;
                } else if (v.kind == ExprKind::NumberLiteral) {
                    v.number = v.number != 0 ? -1 : 0;
                    v.whole = true;
                } else if (v.kind == ExprKind::TextLiteral) {
                    if (platform::equalsNoCase(v.text, "True") || platform::equalsNoCase(v.text, "Yes")) {
                        v.kind = ExprKind::NumberLiteral, v.number = -1, v.whole = true;
                    } else if (platform::equalsNoCase(v.text, "False") || platform::equalsNoCase(v.text, "No")) {
                        v.kind = ExprKind::NumberLiteral, v.number = 0, v.whole = true;
                    } else if (auto n = platform::parseRegionalNumber(v.text)) {
                        v.kind = ExprKind::NumberLiteral, v.number = *n != 0 ? -1 : 0, v.whole = true;
                    } else {
                        mismatch();
                    }
                    v.type = JetType::Boolean;
                }
                break;
            case JetType::Byte:
            case JetType::SmallInt:
            case JetType::Long:
            case JetType::Double:
            case JetType::Currency:
                if (v.kind == ExprKind::TextLiteral) {
                    const auto n = platform::parseRegionalNumber(v.text);
                    if (!n) mismatch();
                    v.kind = ExprKind::NumberLiteral;
                    v.number = *n;
                    v.whole = std::floor(*n) == *n && std::fabs(*n) < 2147483648.0;
                    v.type = v.whole ? JetType::Long : JetType::Double;
                } else if (v.kind == ExprKind::DateLiteral) {
                    mismatch();
                }
                break;
            default:
                break;
        }
    }

    static void toDateLiteral(Expr& v, platform::DateTime d) {
        v.kind = ExprKind::DateLiteral;
        v.text = d.iso();
        v.type = JetType::Date;
    }

    // ---- SELECT -----------------------------------------------------------------------------

    std::vector<ResultColumn> select(ast::Select& s, bool outer) {
        limits::WalkLevel level(depth_);
        auto columns = selectCore(s);
        for (auto& part : s.unions) {
            auto other = selectCore(*part.select);
            if (other.size() != columns.size())
                nameError(sql_, 0,
                          "The number of columns in the two selected tables or queries of a union "
                          "query do not match");
        }
        if (s.unions.empty()) {
            orderSingle(s, columns);
            checkGrouping(s, true);
        } else {
            orderCompound(s);
            checkGrouping(s, false);
            for (const auto& part : s.unions) checkGrouping(*part.select, false);
        }
        (void)outer;
        return columns;
    }

    // A select inside an expression or in FROM: it sees the sources of the selects around it.
    std::vector<ResultColumn> nested(ast::Select& s) {
        outer_.push_back(std::move(scope_));
        scope_.clear();
        struct Restore {
            Binder& b;
            ~Restore() {
                b.scope_ = std::move(b.outer_.back());
                b.outer_.pop_back();
            }
        } restore{*this};
        return select(s, false);
    }

    // A subquery standing for one value or one column of values.
    void oneColumnQuery(Expr& e) {
        const auto columns = nested(*e.query);
        if (columns.size() != 1)
            nameError(sql_, e.offset,
                      "You have written a subquery that can return more than one field without "
                      "using the EXISTS reserved word in the main query's FROM clause. Revise the "
                      "SELECT statement of the subquery to request only one field");
        e.type = columns[0].type;
    }

    std::vector<ResultColumn> selectCore(ast::Select& s) {
        scope_.clear();
        for (auto& src : s.from) sources(*src);
        if (s.where) noAggregate(*s.where, "WHERE clause");
        for (auto& src : s.from) joinConditions(*src);
        expandStars(s);
        std::vector<ResultColumn> columns;
        int index = 0;
        for (auto& item : s.items) {
            expr(*item.expr);
            item.internal = "c" + std::to_string(index++);
            columns.push_back(describe(item));
        }
        if (s.where) expr(*s.where);
        for (auto& g : s.groupBy) {
            expr(*g);
            noAggregate(*g, "GROUP BY clause");
        }
        if (s.having) expr(*s.having);
        return columns;
    }

    void sources(ast::TableRef& t) {
        limits::WalkLevel level(depth_);
        if (t.kind == ast::TableRef::Kind::Join) {
            sources(*t.left);
            sources(*t.right);
            return;
        }
        if (t.kind == ast::TableRef::Kind::Derived) {
            derivedSource(t);
            return;
        }
        t.table = cat_.find(t.name);
        if (!t.table) nameError(sql_, t.offset, "Cannot find the table '" + t.name + "'");
        for (const auto& s : scope_)
            if (platform::equalsNoCase(s.alias, t.alias))
                nameError(sql_, t.offset, "The table '" + t.alias + "' is named twice in FROM");
        if (platform::equalsNoCase(t.alias, t.name)) t.alias = t.table->name;
        scope_.push_back({t.alias, t.table});
    }

    // FROM (SELECT ...) AS t: its result columns are the columns of a table named t. It does not
    // see the other sources of the same FROM.
    void derivedSource(ast::TableRef& t) {
        auto siblings = std::move(scope_);
        scope_.clear();
        std::vector<ResultColumn> columns;
        {
            outer_.push_back({});
            struct Pop {
                std::vector<std::vector<Source>>& outer;
                ~Pop() { outer.pop_back(); }
            } pop{outer_};
            columns = select(*t.derived, false);
        }
        scope_ = std::move(siblings);
        auto table = std::make_shared<catalog::Table>();
        table->name = t.alias;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            catalog::Column c;
            c.name = columns[i].field.name;
            c.type = columns[i].type;
            c.size = columns[i].field.definedSize;
            table->columns.push_back(std::move(c));
        }
        table->buildIndex();
        t.table = table.get();
        t.derivedColumns = std::move(table);
        for (const auto& s : scope_)
            if (!t.alias.empty() && platform::equalsNoCase(s.alias, t.alias))
                nameError(sql_, t.offset, "The table '" + t.alias + "' is named twice in FROM");
        scope_.push_back({t.alias, t.table});
    }

    void joinConditions(ast::TableRef& t) {
        limits::WalkLevel level(depth_);
        if (t.kind != ast::TableRef::Kind::Join) return;
        joinConditions(*t.left);
        joinConditions(*t.right);
        expr(*t.on);
    }

    void expandStars(ast::Select& s) {
        std::vector<ast::SelectItem> items;
        for (auto& item : s.items) {
            if (item.expr->kind != ExprKind::Star) {
                items.push_back(std::move(item));
                continue;
            }
            bool any = false;
            for (const auto& src : scope_) {
                if (!item.expr->qualifier.empty() && !platform::equalsNoCase(src.alias, item.expr->qualifier))
                    continue;
                any = true;
                for (const auto& c : src.table->columns) {
                    ast::SelectItem x;
                    x.expr = ast::makeExpr(ExprKind::Column, item.expr->offset);
                    x.expr->qualifier = src.alias;
                    x.expr->text = c.name;
                    // Jet names a column T.C when another source has a column of that name.
                    for (const auto& other : scope_)
                        if (&other != &src && other.table->find(c.name) &&
                            (item.expr->qualifier.empty()))
                            x.alias = src.alias + "." + c.name;
                    items.push_back(std::move(x));
                    if (items.size() > limits::kFields)
                        limits::exceeded("more than " + std::to_string(limits::kFields) +
                                         " fields in the select list");
                }
            }
            if (!any) nameError(sql_, item.expr->offset, "Cannot find the table '" + item.expr->qualifier + "'");
        }
        s.items = std::move(items);
    }

    ResultColumn describe(ast::SelectItem& item) {
        const Expr& e = *item.expr;
        if (!item.alias.empty()) item.name = item.alias;
        else if (e.kind == ExprKind::Column) item.name = e.column->name;
        else item.name = "Expr" + std::to_string(exprCounter_++);
        if (e.kind == ExprKind::Column) {
            const auto& c = *e.column;
            Column f = computedField(item.name, c.type);
            f.definedSize = c.size;
            f.attributes = adattr::Updatable;
            if (c.type != JetType::Text && c.type != JetType::Memo) f.attributes |= adattr::Fixed;
            if (c.type == JetType::Memo) f.attributes |= adattr::Long;
            if (!c.notNull && !c.primaryKey) f.attributes |= adattr::IsNullable | adattr::MayBeNull;
            if (c.primaryKey) f.attributes |= adattr::KeyColumn;
            return {f, c.type};
        }
        return {computedField(item.name, e.type), e.type};
    }

    // ORDER BY of a plain SELECT names source columns first, then the select list's aliases.
    void orderSingle(ast::Select& s, const std::vector<ResultColumn>&) {
        for (auto& o : s.orderBy) {
            Expr& e = *o.expr;
            if (e.kind == ExprKind::Column && e.qualifier.empty() && !findColumn(e.text)) {
                const ast::SelectItem* byAlias = nullptr;
                for (const auto& item : s.items)
                    if (!byAlias && platform::equalsNoCase(item.name, e.text)) byAlias = &item;
                if (byAlias) {
                    o.expr = copy(*byAlias->expr);  // already bound
                    continue;
                }
            }
            if (e.kind == ExprKind::NumberLiteral && e.whole && e.number >= 1 &&
                e.number <= double(s.items.size())) {
                o.expr = copy(*s.items[std::size_t(e.number) - 1].expr);
                continue;
            }
            expr(e);
        }
    }

    // A sort key that names a select list expression sorts by a copy of it; the copies of one
    // statement together stay within the limit on terms, however often a key repeats.
    ExprPtr copy(const Expr& e) {
        copied_ += ast::nodeCount(e);
        if (copied_ > limits::kTerms)
            limits::exceeded("more than " + std::to_string(limits::kTerms) +
                             " terms once the sort keys are written out");
        return ast::clone(e);
    }

    // ORDER BY of a UNION names output columns (by alias, column name or position).
    void orderCompound(ast::Select& s) {
        for (auto& o : s.orderBy) {
            const Expr& e = *o.expr;
            if (e.kind == ExprKind::NumberLiteral && e.whole && e.number >= 1 &&
                e.number <= double(s.items.size())) {
                o.outputIndex = int(e.number) - 1;
            } else if (e.kind == ExprKind::Column) {
                for (std::size_t i = 0; i < s.items.size() && o.outputIndex < 0; ++i) {
                    const auto& item = s.items[i];
                    const bool byName = e.qualifier.empty() && platform::equalsNoCase(item.name, e.text);
                    const bool byColumn = item.expr->kind == ExprKind::Column &&
                                          platform::equalsNoCase(item.expr->column->name, e.text) &&
                                          (e.qualifier.empty() ||
                                           platform::equalsNoCase(item.expr->source, e.qualifier));
                    if (byName || byColumn) o.outputIndex = int(i);
                }
            }
            if (o.outputIndex < 0)
                nameError(sql_, e.offset,
                          "The ORDER BY expression of a UNION must name one of its output columns");
            o.expr->type = s.items[std::size_t(o.outputIndex)].expr->type;
        }
    }

    // ---- grouping ---------------------------------------------------------------------------

    // Calls `fn` on e and the nodes under it that belong to this select (not to its subqueries),
    // parents first; `fn` returns false to skip a node's children.
    template <class Fn>
    void visitOwn(const Expr& e, Fn&& fn) {
        limits::WalkLevel level(depth_);
        if (!fn(e)) return;
        for (const auto& a : e.args) visitOwn(*a, fn);
    }

    bool hasAggregate(const Expr& e) {
        bool found = false;
        visitOwn(e, [&](const Expr& x) {
            if (x.kind == ExprKind::Aggregate) found = true;
            return !found;
        });
        return found;
    }

    void noAggregate(const Expr& e, const char* clause) {
        if (hasAggregate(e))
            nameError(sql_, e.offset, std::string("Cannot have aggregate function in ") + clause);
    }

    // Two bound expressions that compute the same value the same way.
    static bool same(const Expr& a, const Expr& b) {
        if (a.kind != b.kind || a.op != b.op || a.function != b.function || a.negated != b.negated || a.all != b.all ||
            a.args.size() != b.args.size() || a.query || b.query)
            return false;
        switch (a.kind) {
            case ExprKind::Column:
                if (a.column != b.column || a.outer != b.outer ||
                    !platform::equalsNoCase(a.source, b.source))
                    return false;
                break;
            case ExprKind::NumberLiteral:
            case ExprKind::BooleanLiteral:
                if (a.number != b.number) return false;
                break;
            case ExprKind::TextLiteral:
            case ExprKind::DateLiteral:
                if (a.text != b.text) return false;
                break;
            case ExprKind::Scalar:
                if (a.function != b.function) return false;
                break;
            default:
                break;
        }
        for (std::size_t i = 0; i < a.args.size(); ++i)
            if (!same(*a.args[i], *b.args[i])) return false;
        return true;
    }

    // A column as the statement writes it: T.C, [T].[C], [T.C] or C.
    std::string written(const Expr& column) const {
        auto part = [&](std::size_t at) {
            std::size_t end = at;
            if (at < sql_.size() && sql_[at] == '[') {
                end = sql_.find(']', at);
                end = end == std::string_view::npos ? sql_.size() : end + 1;
            } else {
                while (end < sql_.size() && (std::isalnum(static_cast<unsigned char>(sql_[end])) ||
                                             sql_[end] == '_' || static_cast<unsigned char>(sql_[end]) >= 0x80))
                    ++end;
            }
            return end;
        };
        std::size_t end = part(column.offset);
        if (end < sql_.size() && sql_[end] == '.') end = part(end + 1);
        if (end <= column.offset) return column.qualifier.empty() ? column.text : column.qualifier + "." + column.text;
        return std::string(sql_.substr(column.offset, end - column.offset));
    }

    // A grouped select (GROUP BY, HAVING or an aggregate among its fields) may show, sort and
    // test only grouped expressions, aggregates and constants: any other column of its own
    // sources is refused, named as the statement writes it.
    void checkGrouping(const ast::Select& s, bool withOrder) {
        bool grouped = !s.groupBy.empty() || s.having;
        for (const auto& item : s.items) grouped = grouped || hasAggregate(*item.expr);
        if (withOrder)
            for (const auto& o : s.orderBy) grouped = grouped || hasAggregate(*o.expr);
        if (!grouped) return;
        auto check = [&](const Expr& root) { requireGrouped(s, root); };
        for (const auto& item : s.items) check(*item.expr);
        if (s.having) check(*s.having);
        if (withOrder)
            for (const auto& o : s.orderBy) check(*o.expr);
    }

    // Refuses a column of the select's own sources in `root` that is neither grouped nor inside
    // an aggregate.
    void requireGrouped(const ast::Select& s, const Expr& root) {
        visitOwn(root, [&](const Expr& e) {
            if (e.kind == ExprKind::Aggregate) return false;
            for (const auto& g : s.groupBy)
                if (same(e, *g)) return false;
            if (e.kind == ExprKind::Column && e.outer == 0)
                throw platform::RuntimeError(
                    platform::err::DbErrorsInCommand,
                    "You tried to execute a query that does not include the specified "
                    "expression '" + written(e) + "' as part of an aggregate function.");
            return true;
        });
    }

    // TRANSFORM value ... PIVOT pivot [IN (...)], bound in the scope of its select: the value is
    // an aggregate of the group's rows, the pivot a value of each row.
    void crosstab(const ast::Select& s, ast::Crosstab& ct) {
        if (s.groupBy.empty())
            nameError(sql_, ct.offset, "A crosstab query needs a GROUP BY clause");
        expr(*ct.value);
        if (!hasAggregate(*ct.value))
            nameError(sql_, ct.value->offset,
                      "The TRANSFORM value of a crosstab query must be an aggregate function");
        requireGrouped(s, *ct.value);
        expr(*ct.pivot);
        noAggregate(*ct.pivot, "PIVOT clause");
        for (auto& v : ct.values) {
            expr(*v);
            coerceComparison(v, ct.pivot);
        }
    }

    // ---- expressions ------------------------------------------------------------------------

    const Source* findColumn(const std::string& name, const catalog::Column** col = nullptr) {
        const Source* found = nullptr;
        for (const auto& s : scope_) {
            if (const auto* c = s.table->find(name)) {
                if (found) return nullptr;  // ambiguous: the caller reports it
                found = &s;
                if (col) *col = c;
            }
        }
        return found;
    }

    // The sources a column may name, innermost select first: level 0 is the select's own.
    const std::vector<Source>& scopeAt(std::size_t level) const {
        return level == 0 ? scope_ : outer_[outer_.size() - level];
    }

    void column(Expr& e) {
        const std::size_t levels = outer_.size() + 1;
        if (!e.qualifier.empty()) {
            for (std::size_t level = 0; level < levels; ++level) {
                for (const auto& s : scopeAt(level)) {
                    if (!platform::equalsNoCase(s.alias, e.qualifier)) continue;
                    const auto* c = s.table->find(e.text);
                    if (!c)
                        nameError(sql_, e.offset,
                                  "Unknown field '" + e.qualifier + "." + e.text + "'");
                    e.table = s.table;
                    e.column = c;
                    e.source = s.alias;
                    e.text = c->name;
                    e.type = c->type;
                    e.outer = static_cast<std::uint8_t>(std::min<std::size_t>(level, 255));
                    return;
                }
            }
            nameError(sql_, e.offset,
                      "Unknown table '" + e.qualifier + "' in the field '" + e.qualifier + "." +
                          e.text + "'");
        }
        for (std::size_t level = 0; level < levels; ++level) {
            int matches = 0;
            for (const auto& s : scopeAt(level)) {
                if (const auto* c = s.table->find(e.text)) {
                    ++matches;
                    e.table = s.table;
                    e.column = c;
                    e.source = s.alias;
                }
            }
            if (matches == 1) {
                e.text = e.column->name;
                e.type = e.column->type;
                e.outer = static_cast<std::uint8_t>(std::min<std::size_t>(level, 255));
                return;
            }
            if (matches > 1)
                nameError(sql_, e.offset,
                          "The field '" + e.text + "' could refer to more than one table in FROM");
        }
        // NOW, DATE and TIME written without parentheses are the functions.
        if (platform::equalsNoCase(e.text, "NOW")) {
            e.kind = ExprKind::Now;
            e.function = &functionDef(Builtin::Now);
            e.type = JetType::Date;
            return;
        }
        if (platform::equalsNoCase(e.text, "DATE")) {
            e.kind = ExprKind::Today;
            e.function = &functionDef(Builtin::Date);
            e.type = JetType::Date;
            return;
        }
        if (platform::equalsNoCase(e.text, "TIME")) {
            e.kind = ExprKind::Scalar;
            e.function = findFunction("TIME");
            e.type = JetType::Date;
            return;
        }
        nameError(sql_, e.offset, "Unknown field '" + e.text + "'");
    }

    void expr(Expr& e) {
        limits::WalkLevel level(depth_);
        for (auto& a : e.args) expr(*a);
        switch (e.kind) {
            case ExprKind::Subquery: oneColumnQuery(e); break;
            case ExprKind::Exists:
                nested(*e.query);
                e.type = JetType::Boolean;
                break;
            case ExprKind::InQuery:
            case ExprKind::Quantified:
                oneColumnQuery(e);
                e.type = JetType::Boolean;
                break;
            case ExprKind::RowId: e.type = JetType::Long; break;
            case ExprKind::NullLiteral: e.type = JetType::Null; break;
            case ExprKind::NumberLiteral:
                e.type = e.whole ? JetType::Long : JetType::Double;
                break;
            case ExprKind::TextLiteral: e.type = JetType::Text; break;
            case ExprKind::DateLiteral: {
                if (e.type != JetType::Date) {
                    const auto d = platform::parseHashDate(e.text);
                    if (!d) nameError(sql_, e.offset, "Syntax error in date '#" + e.text + "#'");
                    e.text = d->iso();
                }
                e.type = JetType::Date;
                break;
            }
            case ExprKind::BooleanLiteral: e.type = JetType::Boolean; break;
            case ExprKind::Column: column(e); break;
            case ExprKind::Star:
                nameError(sql_, e.offset, "'*' is allowed only in the select list and in Count(*)");
            case ExprKind::Identity: e.type = JetType::Long; break;
            case ExprKind::Negate: {
                const JetType t = e.args[0]->type;
                e.type = t == JetType::Boolean || t == JetType::Byte ? JetType::SmallInt
                         : isText(t)                                ? JetType::Double
                                                                    : t;
                break;
            }
            case ExprKind::Arithmetic: e.type = arithmetic(e); break;
            case ExprKind::Concat: {
                bool memo = false;
                for (const auto& a : e.args) memo = memo || a->type == JetType::Memo;
                e.type = memo ? JetType::Memo : JetType::Text;
                break;
            }
            case ExprKind::Comparison:
                coerceComparison(e.args[0], e.args[1]);
                coerceComparison(e.args[1], e.args[0]);
                e.type = JetType::Boolean;
                break;
            case ExprKind::In:
            case ExprKind::Between:
                for (std::size_t i = 1; i < e.args.size(); ++i) coerceComparison(e.args[i], e.args[0]);
                e.type = JetType::Boolean;
                break;
            case ExprKind::And:
            case ExprKind::Or:
            case ExprKind::Xor:
            case ExprKind::Eqv:
            case ExprKind::Imp:
            case ExprKind::Not:
            case ExprKind::Like:
            case ExprKind::NullTest:
                e.type = JetType::Boolean;
                break;
            case ExprKind::Conditional: {
                JetType t = JetType::Null;
                for (std::size_t i = 1; i < e.args.size(); i += 2) t = mergeTypes(t, e.args[i]->type);
                if (e.hasElse) t = mergeTypes(t, e.args.back()->type);
                e.type = t == JetType::Null ? JetType::Text : t;
                break;
            }
            case ExprKind::NullDefault: {
                const JetType t = mergeTypes(e.args[0]->type, e.args[1]->type);
                e.type = t == JetType::Null ? JetType::Text : t;
                break;
            }
            case ExprKind::FormatText: e.type = JetType::Text; break;
            case ExprKind::TextOf: e.type = JetType::Text; break;
            case ExprKind::Trim:
                e.type = e.args[0]->type == JetType::Memo ? JetType::Memo : JetType::Text;
                break;
            case ExprKind::DatePart: e.type = JetType::SmallInt; break;
            case ExprKind::Today:
            case ExprKind::Now: e.type = JetType::Date; break;
            case ExprKind::Aggregate: e.type = aggregate(e); break;
            case ExprKind::Scalar:
                if (e.function->id == Builtin::CVar) {
                    e.type = e.args[0]->type;
                    break;
                }
                if (e.function->id == Builtin::Choose) {
                    JetType t = JetType::Null;
                    for (std::size_t i = 1; i < e.args.size(); ++i) t = mergeTypes(t, e.args[i]->type);
                    e.type = t == JetType::Null ? JetType::Text : t;
                    break;
                }
                e.type = e.function->result != JetType::Unknown ? e.function->result
                         : e.args.empty()                      ? JetType::Double
                                                               : e.args[0]->type;
                if (isText(e.type) && e.function->result == JetType::Unknown) e.type = JetType::Double;
                break;
            case ExprKind::OutputRef: break;
        }
    }

    // A date compared with a quoted text reads the text as a date (regional rules).
    void coerceComparison(ExprPtr& literal, const ExprPtr& other) {
        if (literal->kind != ExprKind::TextLiteral || other->type != JetType::Date) return;
        const auto d = platform::parseRegionalDate(literal->text);
        if (!d) mismatch();
        toDateLiteral(*literal, *d);
    }

    static JetType arithmetic(const Expr& e) {
        const JetType a = e.args[0]->type, b = e.args[1]->type;
        if (a == JetType::Null || b == JetType::Null) return mergeTypes(a, b) == JetType::Null ? JetType::Double : mergeTypes(a, b);
        switch (static_cast<ast::ArithOp>(e.op)) {
            case ast::ArithOp::Divide:
            case ast::ArithOp::Power: return JetType::Double;
            case ast::ArithOp::IntDivide:
            case ast::ArithOp::Modulo: return JetType::Long;
            // A date plus a date is the moment their serials add up to; a date minus a date
            // the days between them.
            case ast::ArithOp::Add:
                if (isText(a) && isText(b)) return JetType::Text;
                if (a == JetType::Date || b == JetType::Date) return JetType::Date;
                [[fallthrough]];
            case ast::ArithOp::Subtract:
                if (a == JetType::Date && b == JetType::Date) return JetType::Double;
                if (a == JetType::Date || b == JetType::Date) return JetType::Date;
                [[fallthrough]];
            case ast::ArithOp::Multiply:
                if (a == JetType::Date || b == JetType::Date) return JetType::Double;
                if (isText(a) || isText(b) || a == JetType::Double || b == JetType::Double)
                    return JetType::Double;
                if (a == JetType::Currency || b == JetType::Currency) return JetType::Currency;
                return JetType::Long;
        }
        return JetType::Double;
    }

    static JetType aggregate(const Expr& e) {
        const JetType arg = e.args.empty() ? JetType::Long : e.args[0]->type;
        switch (e.function->id) {
            case Builtin::Count: return JetType::Long;
            case Builtin::Sum: return arg == JetType::Currency ? JetType::Currency
                                      : isInteger(arg)        ? JetType::Long
                                                              : JetType::Double;
            case Builtin::Avg: return arg == JetType::Currency ? JetType::Currency : JetType::Double;
            case Builtin::StDev:
            case Builtin::StDevP:
            case Builtin::Var:
            case Builtin::VarP: return JetType::Double;
            default: return arg == JetType::Null ? JetType::Text : arg;
        }
    }
};

}  // namespace

JetType mergeTypes(JetType a, JetType b) {
    if (a == JetType::Unknown || a == JetType::Null) return b;
    if (b == JetType::Unknown || b == JetType::Null) return a;
    if (a == b) return a;
    if (isText(a) || isText(b)) return (a == JetType::Memo || b == JetType::Memo) ? JetType::Memo : JetType::Text;
    if (a == JetType::Date || b == JetType::Date) return JetType::Double;
    const int ra = rank(a), rb = rank(b);
    if (ra == 1 || rb == 1) {  // Yes/No beside a number: the number's type
        const JetType n = ra == 1 ? b : a;
        return n == JetType::Byte ? JetType::SmallInt : n;
    }
    return ra >= rb ? a : b;
}

Column computedField(const std::string& name, JetType type) {
    Column f;
    f.name = name;
    f.attributes = adattr::IsNullable | adattr::MayBeNull;
    switch (type) {
        case JetType::Boolean: f.type = adotype::Boolean; f.definedSize = 2; break;
        case JetType::Byte: f.type = adotype::UnsignedTinyInt; f.definedSize = 1; break;
        case JetType::SmallInt: f.type = adotype::SmallInt; f.definedSize = 2; break;
        case JetType::Long: f.type = adotype::Integer; f.definedSize = 4; break;
        case JetType::Double: f.type = adotype::Double; f.definedSize = 8; break;
        case JetType::Currency: f.type = adotype::Currency; f.definedSize = 8; break;
        case JetType::Date: f.type = adotype::Date; f.definedSize = 8; break;
        case JetType::Memo:
            f.type = adotype::LongVarWChar;
            f.definedSize = 536870910;
            f.attributes |= adattr::Long;
            return f;
        default: f.type = adotype::VarWChar; f.definedSize = 255; return f;
    }
    f.attributes |= adattr::Fixed;
    return f;
}

std::vector<ResultColumn> bind(ast::Statement& st, catalog::Catalog& cat, std::string_view sql) {
    Binder b(cat, sql);
    return b.statement(st);
}

}  // namespace zolk::jet
