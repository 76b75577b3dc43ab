#pragma once
// Small tree-to-tree rewrites that run on a bound statement before an engine prints it. Each
// does one thing and is tested on its own. (IIF and SWITCH become conditionals in the function
// table's builders; #date# literals are read by the binder, which needs their type.)
#include <functional>

#include "jet/ast.h"
#include "jet/dialect.h"

namespace zolk::jet::rewrite {

// Calls `fn` on every expression slot of the statement, children before parents.
void forEachExpr(ast::Statement& st, const std::function<void(ast::ExprPtr&)>& fn);

// True and False become the numbers -1 and 0 (keeping the Yes/No type).
void trueAsMinusOne(ast::Statement& st);

// The operands of `&` that are not text (numbers, dates, Yes/No) are turned into text by the
// regional rules; Null operands stay Null, so the chain is Null only when all of them are.
void concatOperandsToText(ast::Statement& st);

// An IIF, SWITCH, Choose or Nz whose branches mix text with numbers, dates or Yes/No gives text: the other
// branches are written by the regional rules (a date as 15/05/2024, 12.5 as 12,5), as Jet does.
void conditionalBranchesToText(ast::Statement& st);

// Calls `fn` on every select of the statement, nested ones (subqueries, derived tables, the
// parts of a UNION) before the selects around them.
void forEachSelect(ast::Statement& st, const std::function<void(ast::Select&)>& fn);

// SELECT DISTINCTROW keeps one row per combination of rows of the tables whose fields it shows:
// the select is grouped by those tables' row identities. Showing fields of every table (or of
// the only one), it keeps every row, as Jet does; a grouped select ignores it.
void distinctRowAsGroups(ast::Statement& st);

// Marks each SELECT TOP ... ORDER BY whose sort keys no two result rows can share (orderUnique):
// its TOP is then a plain limit, with no ties to look for.
void markUniqueOrder(ast::Statement& st);

// All of the above that the engine needs, in order.
void forEngine(ast::Statement& st, const EngineTraits& traits);

}  // namespace zolk::jet::rewrite
