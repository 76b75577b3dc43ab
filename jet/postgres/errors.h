#pragma once
// PostgreSQL's SQLSTATEs to the project's error numbers, in one place.
#include <libpq-fe.h>

#include "jet/catalog.h"
#include "jet/engine_errors.h"

namespace zolk::jet::postgres {

// SQLSTATE of the errors the jet_* functions of the extension report, as "NUMBER:description".
inline constexpr const char* kFunctionState = "JET00";

// Raises the RuntimeError for a failed result `r` of `conn`: a foreign-key violation (23503) of
// a DELETE or key UPDATE is the relationship refusal (help context 5003000); a jet_* function's
// error keeps its number; a lost connection, a lock wait or a statement stopped by its time limit
// say so; the server's refusal of the text itself is -2147217900.
[[noreturn]] void raise(PGconn* conn, const PGresult* r, const FailedStatement& what, catalog::Catalog* cat);

}  // namespace zolk::jet::postgres
