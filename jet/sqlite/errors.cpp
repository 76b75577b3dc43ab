#include "jet/sqlite/errors.h"

#include <sqlite3.h>

#include <cstdlib>

#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::jet::sqlite {
namespace {

using platform::RuntimeError;
namespace err = platform::err;

// The table whose rows still refer to `parent` (for "table 'X' includes related records").
std::string childTable(catalog::Catalog* cat, const FailedStatement& what) {
    if (!cat || what.table.empty()) return what.table;
    const auto children = cat->referring(what.table);
    return children.empty() ? what.table : children.front()->name;
}

// The table a row written into `what.table` must find its related record in.
std::string parentTable(catalog::Catalog* cat, const FailedStatement& what) {
    if (!cat || what.table.empty()) return what.table;
    const catalog::Table* t = cat->find(what.table);
    if (!t || t->foreignKeys.empty()) return what.table;
    for (const auto& fk : t->foreignKeys)
        for (const auto& c : what.assignedColumns)
            if (platform::equalsNoCase(fk.column, c)) return fk.parentTable;
    return t->foreignKeys.front().parentTable;
}

// Whether an UPDATE assigns a column that other tables' foreign keys point at.
bool setsReferencedColumn(catalog::Catalog* cat, const FailedStatement& what) {
    if (!cat) return false;
    for (const auto* child : cat->referring(what.table))
        for (const auto& fk : child->foreignKeys)
            if (platform::equalsNoCase(fk.parentTable, what.table))
                for (const auto& c : what.assignedColumns)
                    if (platform::equalsNoCase(fk.parentColumn, c)) return true;
    return false;
}

}  // namespace

void raiseGeneral(const std::string& text, int rc, const char* sqliteMessage) {
    std::string d = text;
    const char* m = sqliteMessage && *sqliteMessage ? sqliteMessage : sqlite3_errstr(rc);
    if (m && *m) d += " (" + std::string(m) + ")";
    throw RuntimeError(err::DbGeneralFailure, d, kErrorSource, 0);
}

void raise(sqlite3* db, int rc, const FailedStatement& what, catalog::Catalog* cat) {
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    // Our own functions report a Jet number: "jet:NUMBER:description".
    if (message.rfind("jet:", 0) == 0) {
        const auto colon = message.find(':', 4);
        if (colon != std::string::npos) {
            const long number = std::strtol(message.c_str() + 4, nullptr, 10);
            throw RuntimeError(static_cast<std::int32_t>(number), message.substr(colon + 1),
                               kErrorSource, 0);
        }
    }
    const int primary = rc & 0xFF;
    // ON DELETE/UPDATE RESTRICT actions report the trigger code with the foreign key's text.
    const bool foreignKey = rc == SQLITE_CONSTRAINT_FOREIGNKEY ||
                            (rc == SQLITE_CONSTRAINT_TRIGGER && message == "FOREIGN KEY constraint failed");
    if (foreignKey) {
        const bool refusal = what.kind == ast::StatementKind::Delete ||
                             (what.kind == ast::StatementKind::Update && setsReferencedColumn(cat, what));
        if (refusal)
            throw RuntimeError(err::DbGeneralFailure,
                               "The record cannot be deleted or changed because table '" +
                                   childTable(cat, what) + "' includes related records.",
                               kErrorSource, err::DbRelationshipHelpContext);
        throw RuntimeError(err::DbGeneralFailure,
                           "You cannot add or change a record because a related record is required "
                           "in table '" + parentTable(cat, what) + "'.",
                           kErrorSource, 0);
    }
    switch (rc) {
        case SQLITE_CONSTRAINT_UNIQUE:
        case SQLITE_CONSTRAINT_PRIMARYKEY:
        case SQLITE_CONSTRAINT_ROWID:
            raiseGeneral("The changes you requested to the table were not successful because they "
                         "would create duplicate values in the index, primary key, or relationship.",
                         rc, message.c_str());
        case SQLITE_CONSTRAINT_NOTNULL:
            raiseGeneral("A field that requires a value was left Null.", rc, message.c_str());
        case SQLITE_CONSTRAINT_CHECK:
            raiseGeneral("One or more values are prohibited by the validation rule set for the field.",
                         rc, message.c_str());
        default:
            break;
    }
    switch (primary) {
        case SQLITE_CONSTRAINT:
            raiseGeneral("The database refused the change.", rc, message.c_str());
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            raiseGeneral("Could not update; the database is locked by another user.", rc, message.c_str());
        case SQLITE_READONLY:
            raiseGeneral("Cannot update. Database or object is read-only.", rc, message.c_str());
        case SQLITE_IOERR:
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_CANTOPEN:
        case SQLITE_FULL:
            raiseGeneral("The database file cannot be read or written.", rc, message.c_str());
        case SQLITE_INTERRUPT:
            raiseGeneral("The statement was stopped before it finished: it needed more work than allowed.",
                         rc, message.c_str());
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
