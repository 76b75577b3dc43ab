#pragma once
// The errors every engine reports the same way, whatever its own codes: a relationship refusal,
// a duplicate key, a required field left Null, a validation rule, a lock, a read-only database.
// Each engine maps its codes (SQLite's result codes, PostgreSQL's SQLSTATEs) onto these.
#include <string>
#include <vector>

#include "jet/ast.h"
#include "jet/catalog.h"

namespace zolk::jet {

// What was running when the engine failed: enough to name the tables of a relationship refusal.
struct FailedStatement {
    ast::StatementKind kind = ast::StatementKind::Select;
    std::string table;
    std::vector<std::string> assignedColumns;
    bool preparing = false;  // the engine refused the text itself
};

enum class Refusal {
    ForeignKey,   // a row refers to one that is missing, or is referred to by others
    Duplicate,    // a unique index or primary key
    NotNull,
    Check,
    Locked,
    ReadOnly,
    Storage,      // the database cannot be read or written
    TooMuchWork,  // stopped by the engine's work limit
    Other,        // the engine refused the change for another reason
};

// Raises -2147467259 with Jet's text for `refusal` and the engine's own message after it. A
// foreign-key refusal of a DELETE or of an UPDATE of a referred column carries help context
// 5003000 and names the referring table; of an INSERT or other UPDATE, the table of the
// missing related record.
[[noreturn]] void raiseRefusal(Refusal refusal, const FailedStatement& what, catalog::Catalog* cat,
                               const char* source, const std::string& engineMessage);

// Raises -2147467259 with `text` and the engine's message in parentheses after it.
[[noreturn]] void raiseGeneral(const std::string& text, const char* source, const std::string& engineMessage);

// An error a jet_* function reported as "NUMBER:description": raised with that number.
// Returns when the text is not of that form.
void raiseReported(std::string_view numberAndText, const char* source);

}  // namespace zolk::jet
