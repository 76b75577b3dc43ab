#include <ostream>

#include "cli/command.h"
#include "cli/database.h"
#include "cli/tabela.h"
#include "cli/values.h"

namespace zolk::cli {

int runStatement(const std::string& text, bool json, std::ostream& out, std::ostream& err) {
    try {
        const StatementResult result = executeStatement(text);
        if (result.recordset) {
            if (json) out << jsonLine(dumpRecordset(*result.recordset)) << "\n";
            else printTable(*result.recordset, out);
        } else if (json) {
            out << jsonLine(Json{{"rowsAffected", result.rowsAffected}}) << "\n";
        } else {
            out << result.rowsAffected << (result.rowsAffected == 1 ? " row" : " rows") << " affected\n";
        }
        return ExitOk;
    } catch (...) {
        return reportFailure(err);
    }
}

}  // namespace zolk::cli
