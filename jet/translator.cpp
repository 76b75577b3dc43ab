#include "jet/translator.h"

#include "jet/crosstab.h"
#include "jet/parser.h"
#include "jet/rewrites.h"
#include "platform/runtime_error.h"

namespace zolk::jet {

PreparedStatement prepare(std::string_view jetSql, catalog::Catalog& cat, const Generator& gen,
                          const ColumnQuery& values) {
    ast::Statement st = parseStatement(jetSql);
    PreparedStatement p;
    p.columns = bind(st, cat, jetSql);
    if (st.crosstab) {
        std::vector<platform::Variant> found;
        if (st.crosstab->values.empty()) {
            if (!values)
                throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                             "This crosstab query needs its PIVOT values listed.");
            ast::Statement query = crosstab::valuesQuery(st);
            rewrite::forEngine(query, gen.traits());
            found = values(gen.statement(query), st.crosstab->pivot->type);
        }
        crosstab::expand(st, found, p.columns);
    }
    rewrite::forEngine(st, gen.traits());
    p.kind = st.kind;
    p.translation.native = gen.statement(st);
    p.translation.writes = st.kind != ast::StatementKind::Select;
    if (st.table) {
        p.table = st.table->name;
        for (const auto& a : st.assignments) p.assignedColumns.push_back(a.columnName);
    }
    return p;
}

}  // namespace zolk::jet
