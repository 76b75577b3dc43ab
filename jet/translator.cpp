#include "jet/translator.h"

#include "jet/parser.h"
#include "jet/rewrites.h"

namespace zolk::jet {

PreparedStatement prepare(std::string_view jetSql, catalog::Catalog& cat, const Generator& gen) {
    ast::Statement st = parseStatement(jetSql);
    PreparedStatement p;
    p.columns = bind(st, cat, jetSql);
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
