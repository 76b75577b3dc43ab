#pragma once
// The whole front end in one call: parse, bind, rewrite for the engine, print.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "jet/ast.h"
#include "jet/binder.h"
#include "jet/catalog.h"
#include "jet/dialect.h"
#include "jet/engine.h"
#include "platform/variant.h"

namespace zolk::jet {

struct PreparedStatement {
    Translation translation;
    ast::StatementKind kind = ast::StatementKind::Select;
    std::vector<ResultColumn> columns;  // of a SELECT
    std::string table;                  // the table an INSERT, UPDATE or DELETE writes
    std::vector<std::string> assignedColumns;  // of an INSERT or UPDATE
};

// Runs a native query of one column of Jet type `type` and gives its values: how a crosstab
// without an IN list finds its pivot values.
using ColumnQuery = std::function<std::vector<platform::Variant>(const std::string& native, JetType type)>;

// A crosstab without an IN list needs `values`; without it one is refused.
PreparedStatement prepare(std::string_view jetSql, catalog::Catalog& cat, const Generator& gen,
                          const ColumnQuery& values = {});

}  // namespace zolk::jet
