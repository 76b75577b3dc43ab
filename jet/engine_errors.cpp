#include "jet/engine_errors.h"

#include <cstdlib>

#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::jet {
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

void raiseGeneral(const std::string& text, const char* source, const std::string& engineMessage) {
    std::string d = text;
    if (!engineMessage.empty()) d += " (" + engineMessage + ")";
    throw RuntimeError(err::DbGeneralFailure, d, source, 0);
}

void raiseRefusal(Refusal refusal, const FailedStatement& what, catalog::Catalog* cat, const char* source,
                  const std::string& engineMessage) {
    switch (refusal) {
        case Refusal::ForeignKey: {
            const bool refused = what.kind == ast::StatementKind::Delete ||
                                 (what.kind == ast::StatementKind::Update && setsReferencedColumn(cat, what));
            if (refused)
                throw RuntimeError(err::DbGeneralFailure,
                                   "The record cannot be deleted or changed because table '" +
                                       childTable(cat, what) + "' includes related records.",
                                   source, err::DbRelationshipHelpContext);
            throw RuntimeError(err::DbGeneralFailure,
                               "You cannot add or change a record because a related record is required "
                               "in table '" + parentTable(cat, what) + "'.",
                               source, 0);
        }
        case Refusal::Duplicate:
            raiseGeneral("The changes you requested to the table were not successful because they "
                         "would create duplicate values in the index, primary key, or relationship.",
                         source, engineMessage);
        case Refusal::NotNull:
            raiseGeneral("A field that requires a value was left Null.", source, engineMessage);
        case Refusal::Check:
            raiseGeneral("One or more values are prohibited by the validation rule set for the field.", source,
                         engineMessage);
        case Refusal::Locked:
            raiseGeneral("Could not update; the database is locked by another user.", source, engineMessage);
        case Refusal::ReadOnly:
            raiseGeneral("Cannot update. Database or object is read-only.", source, engineMessage);
        case Refusal::Storage:
            raiseGeneral("The database file cannot be read or written.", source, engineMessage);
        case Refusal::TooMuchWork:
            raiseGeneral("The statement was stopped before it finished: it needed more work than allowed.", source,
                         engineMessage);
        case Refusal::Other: break;
    }
    raiseGeneral("The database refused the change.", source, engineMessage);
}

void raiseReported(std::string_view text, const char* source) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0) return;
    const std::string number(text.substr(0, colon));
    char* end = nullptr;
    const long n = std::strtol(number.c_str(), &end, 10);
    if (*end != '\0') return;
    throw RuntimeError(static_cast<std::int32_t>(n), std::string(text.substr(colon + 1)), source, 0);
}

}  // namespace zolk::jet
