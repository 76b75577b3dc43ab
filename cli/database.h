#pragma once
// Statements run the way a front end runs them: through a new provider connection, so that the
// provider's settings and its statement trace apply.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ado/recordset.h"

namespace zolk::cli {

struct StatementResult {
    std::shared_ptr<ado::Recordset> recordset;  // open when the statement gave rows
    std::int64_t rowsAffected = 0;
};

// Connection.Execute on a new provider connection, released afterwards. Raises RuntimeError
// with the provider's or the engine's number when the connection or the statement fails.
StatementResult executeStatement(std::string_view text);

// A recordset opened with Source and ActiveConnection on a new provider connection, then
// disconnected, as the library's selections do.
std::shared_ptr<ado::Recordset> openDisconnected(std::string_view text);

}  // namespace zolk::cli
