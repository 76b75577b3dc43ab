#pragma once
// PostgreSQL's SQLSTATEs to the project's error numbers, in one place.
#include "jet/catalog.h"
#include "jet/engine_errors.h"

struct pg_conn;
struct pg_result;

namespace zolk::jet::postgres {

// SQLSTATE of the errors the jet_* functions of the extension report, as "NUMBER:description".
inline constexpr const char* kFunctionState = "JET00";

// Raises the RuntimeError for a failed result `r` of `conn`: a foreign-key violation (23503) of
// a DELETE or key UPDATE is the relationship refusal (help context 5003000); a jet_* function's
// error keeps its number; a lost connection, a lock wait or a statement stopped by its time limit
// say so; the server's refusal of the text itself is -2147217900.
[[noreturn]] void raise(pg_conn* conn, const pg_result* r, const FailedStatement& what, catalog::Catalog* cat);

}  // namespace zolk::jet::postgres
