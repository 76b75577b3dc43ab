#pragma once
// Name resolution and type inference: binds every table and column of a parsed statement to the
// catalog, gives every node its Jet type, names the result columns and describes them as ADO
// fields. Unknown tables and columns are refused with -2147217900; a text written into a date
// (or number) column that is not one is refused with -2147217913.
#include <string_view>
#include <vector>

#include "jet/ast.h"
#include "jet/catalog.h"
#include "jet/engine.h"

namespace zolk::jet {

struct ResultColumn {
    Column field;   // name, ADO type, DefinedSize, Attributes
    JetType type;   // how a value of the column is read back
};

std::vector<ResultColumn> bind(ast::Statement& st, catalog::Catalog& cat, std::string_view sql);

// The common type of two branches (IIF, SWITCH, UNION): numbers widen, any text makes text.
JetType mergeTypes(JetType a, JetType b);

// The ADO description of a value of a Jet type that no table column stands behind.
Column computedField(const std::string& name, JetType type);

}  // namespace zolk::jet
