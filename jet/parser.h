#pragma once
// Recursive-descent parser of one Jet statement into the tree of ast.h. Operator precedence
// lives in one table (parser.cpp). Names are not resolved here: that is the binder's work.
#include <string_view>

#include "jet/ast.h"

namespace zolk::jet {

// Parses exactly one statement; a trailing ';' is allowed, anything after it is refused with
// "Characters found after end of SQL statement.". Errors are -2147217900.
ast::Statement parseStatement(std::string_view sql);

}  // namespace zolk::jet
