#include "jet/postgres/errors.h"

#include <libpq-fe.h>
#include <string>
#include <string_view>

#include "jet/postgres/connection.h"
#include "platform/runtime_error.h"

namespace zolk::jet::postgres {

void raise(PGconn* conn, const PGresult* r, const FailedStatement& what, catalog::Catalog* cat) {
    const char* stateText = r ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
    const std::string_view state = stateText ? stateText : "";
    const char* primary = r ? PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    std::string message = primary ? primary : (conn ? PQerrorMessage(conn) : "");
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
    if (state == kFunctionState) raiseReported(message, kErrorSource);
    if (state == "23503") raiseRefusal(Refusal::ForeignKey, what, cat, kErrorSource, message);
    if (state == "23505") raiseRefusal(Refusal::Duplicate, what, cat, kErrorSource, message);
    if (state == "23502") raiseRefusal(Refusal::NotNull, what, cat, kErrorSource, message);
    if (state == "23514") raiseRefusal(Refusal::Check, what, cat, kErrorSource, message);
    if (state.starts_with("23")) raiseRefusal(Refusal::Other, what, cat, kErrorSource, message);
    if (state == "55P03" || state == "40001" || state == "40P01")
        raiseRefusal(Refusal::Locked, what, cat, kErrorSource, message);
    if (state == "25006" || state == "42501") raiseRefusal(Refusal::ReadOnly, what, cat, kErrorSource, message);
    if (state == "57014") raiseRefusal(Refusal::TooMuchWork, what, cat, kErrorSource, message);
    if (state == "54001")
        throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                     "The statement is too complex for the database engine: " + message + ".",
                                     kErrorSource, 0);
    if (state == "53200")
        throw platform::RuntimeError(platform::err::OutOfMemory,
                                     "Not enough storage is available to complete this operation.", kErrorSource, 0);
    if ((conn && PQstatus(conn) == CONNECTION_BAD) || state.starts_with("08") || state.starts_with("57P"))
        raiseGeneral("The connection to the database server was lost.", kErrorSource, message);
    // Syntax, undefined names and types: the server refused the translated text itself.
    if (state.starts_with("42"))
        throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                     "The statement could not be run on this database: " + message + ".",
                                     kErrorSource, 0);
    raiseGeneral("The database could not run the statement.", kErrorSource, message);
}

}  // namespace zolk::jet::postgres
