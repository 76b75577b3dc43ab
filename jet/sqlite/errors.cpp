#include "jet/sqlite/errors.h"

#include <sqlite3.h>

#include "platform/runtime_error.h"

namespace zolk::jet::sqlite {

using platform::RuntimeError;
namespace err = platform::err;

void raiseGeneral(const std::string& text, int rc, const char* sqliteMessage) {
    const char* m = sqliteMessage && *sqliteMessage ? sqliteMessage : sqlite3_errstr(rc);
    jet::raiseGeneral(text, kErrorSource, m ? m : "");
}

void raise(sqlite3* db, int rc, const FailedStatement& what, catalog::Catalog* cat) {
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    // Our own functions report a Jet number: "jet:NUMBER:description".
    if (message.rfind("jet:", 0) == 0) raiseReported(std::string_view(message).substr(4), kErrorSource);
    const int primary = rc & 0xFF;
    // ON DELETE/UPDATE RESTRICT actions report the trigger code with the foreign key's text.
    if (rc == SQLITE_CONSTRAINT_FOREIGNKEY ||
        (rc == SQLITE_CONSTRAINT_TRIGGER && message == "FOREIGN KEY constraint failed"))
        raiseRefusal(Refusal::ForeignKey, what, cat, kErrorSource, message);
    switch (rc) {
        case SQLITE_CONSTRAINT_UNIQUE:
        case SQLITE_CONSTRAINT_PRIMARYKEY:
        case SQLITE_CONSTRAINT_ROWID: raiseRefusal(Refusal::Duplicate, what, cat, kErrorSource, message);
        case SQLITE_CONSTRAINT_NOTNULL: raiseRefusal(Refusal::NotNull, what, cat, kErrorSource, message);
        case SQLITE_CONSTRAINT_CHECK: raiseRefusal(Refusal::Check, what, cat, kErrorSource, message);
        default: break;
    }
    switch (primary) {
        case SQLITE_CONSTRAINT: raiseRefusal(Refusal::Other, what, cat, kErrorSource, message);
        case SQLITE_BUSY:
        case SQLITE_LOCKED: raiseRefusal(Refusal::Locked, what, cat, kErrorSource, message);
        case SQLITE_READONLY: raiseRefusal(Refusal::ReadOnly, what, cat, kErrorSource, message);
        case SQLITE_IOERR:
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_CANTOPEN:
        case SQLITE_FULL: raiseRefusal(Refusal::Storage, what, cat, kErrorSource, message);
        case SQLITE_INTERRUPT: raiseRefusal(Refusal::TooMuchWork, what, cat, kErrorSource, message);
        case SQLITE_NOMEM:
            throw RuntimeError(err::OutOfMemory,
                               "Not enough storage is available to complete this operation.",
                               kErrorSource, 0);
        default:
            break;
    }
    // SQLite's reader has less room for nesting than the translator for some shapes.
    if (what.preparing && (message == "parser stack overflow" ||
                           message.rfind("Expression tree is too large", 0) == 0))
        throw RuntimeError(err::DbErrorsInCommand,
                           "The statement is too complex for the database engine: " + message + ".",
                           kErrorSource, 0);
    if (what.preparing)
        throw RuntimeError(err::DbErrorsInCommand,
                           "The statement could not be run on this database: " + message + ".",
                           kErrorSource, 0);
    raiseGeneral("The database could not run the statement.", rc, message.c_str());
}

}  // namespace zolk::jet::sqlite
