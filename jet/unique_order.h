#pragma once
// Whether a bound SELECT's ORDER BY can have ties: told from the catalog's unique keys and the
// equalities that join the tables.
#include "jet/ast.h"

namespace zolk::jet {

// True when no two rows of the result can share their ORDER BY values: the sort keys hold every
// column of a unique key of one table (non-text columns, so that case folding cannot make two
// keys equal), every other table of the FROM is an inner join reached from it through
// equalities on its own unique key, and the select neither groups nor combines.
bool orderIsUnique(const ast::Select& s);

}  // namespace zolk::jet
