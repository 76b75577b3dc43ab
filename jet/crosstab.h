#pragma once
// Crosstab queries (TRANSFORM value SELECT ... GROUP BY ... PIVOT pivot [IN (...)]) turned into
// one grouped select: after the select's own fields, one field per pivot value, named by the
// value, holding the TRANSFORM value computed over the group's rows with that pivot value.
// Without an IN list the values are those the rows hold, found by a first query, in ascending
// order; a Null pivot value has the field "<>".
#include <vector>

#include "jet/ast.h"
#include "jet/binder.h"
#include "platform/variant.h"

namespace zolk::jet::crosstab {

// SELECT DISTINCT pivot FROM ... WHERE ... ORDER BY pivot, over the crosstab's own sources
// (bound, like the crosstab it comes from). Its one column is named "c0".
ast::Statement valuesQuery(const ast::Statement& st);

// Replaces the crosstab by its fields: one per value of the IN list, or else per entry of
// `found` (the rows of valuesQuery); appends their descriptions to `columns`. Refuses more
// fields than a select may have.
void expand(ast::Statement& st, const std::vector<platform::Variant>& found,
            std::vector<ResultColumn>& columns);

}  // namespace zolk::jet::crosstab
