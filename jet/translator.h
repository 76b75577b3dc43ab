#pragma once
// The whole front end in one call: parse, bind, rewrite for the engine, print.
#include <string>
#include <string_view>
#include <vector>

#include "jet/ast.h"
#include "jet/binder.h"
#include "jet/catalog.h"
#include "jet/dialect.h"
#include "jet/engine.h"

namespace zolk::jet {

struct PreparedStatement {
    Translation translation;
    ast::StatementKind kind = ast::StatementKind::Select;
    std::vector<ResultColumn> columns;  // of a SELECT
    std::string table;                  // the table an INSERT, UPDATE or DELETE writes
    std::vector<std::string> assignedColumns;  // of an INSERT or UPDATE
};

PreparedStatement prepare(std::string_view jetSql, catalog::Catalog& cat, const Generator& gen);

}  // namespace zolk::jet
