#include "ado/errors.h"

#include <string>

#include "platform/runtime_error.h"

namespace zolk::ado {

namespace err = platform::err;

namespace {
const char* standardText(std::int32_t number) {
    switch (number) {
        case err::AdoArguments:
            return "Arguments are of the wrong type, are out of acceptable range, or are in "
                   "conflict with one another.";
        case err::AdoNoCurrentRecord:
            return "Either BOF or EOF is True, or the current record has been deleted. Requested "
                   "operation requires a current record.";
        case err::AdoNotAllowed: return "Operation is not allowed in this context.";
        case err::AdoCloseInTransaction:
            return "Connection object cannot be explicitly closed while in a transaction.";
        case err::AdoNotUpdatable:
            return "Current Recordset does not support updating. This may be a limitation of the "
                   "provider, or of the selected locktype.";
        case err::AdoItemNotFound:
            return "Item cannot be found in the collection corresponding to the requested name or "
                   "ordinal.";
        case err::AdoAlreadyInCollection: return "Cannot append. Object already in collection.";
        case err::AdoObjectClosed: return "Operation is not allowed when the object is closed.";
        case err::AdoObjectOpen: return "Operation is not allowed when the object is open.";
        case err::AdoConnectionInvalid:
            return "The connection cannot be used to perform this operation. It is either closed "
                   "or invalid in this context.";
        case err::DbErrorsOccurred:
            return "Multiple-step operation generated errors. Check each status value.";
        case err::NoTransaction: return "No transaction is active.";
        case TransactionExists: return "Only one transaction can be active on this session.";
        default: return "Unspecified error";
    }
}
}  // namespace

void raiseAdo(std::int32_t number, std::string_view source, std::string_view detail) {
    std::string text = standardText(number);
    if (!detail.empty()) {
        text += " (";
        text += detail;
        text += ')';
    }
    throw platform::RuntimeError(number, std::move(text), std::string(source));
}

}  // namespace zolk::ado
