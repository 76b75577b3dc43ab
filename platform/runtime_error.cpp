#include "platform/runtime_error.h"

namespace zolk::platform {

namespace {
const char* standardText(std::int32_t number) {
    switch (number) {
        case err::InvalidProcedureCall: return "Invalid procedure call or argument";
        case err::Overflow: return "Overflow";
        case err::SubscriptOutOfRange: return "Subscript out of range";
        case err::DivisionByZero: return "Division by zero";
        case err::TypeMismatch: return "Type mismatch";
        case err::ObjectNotSet: return "Object variable or With block variable not set";
        case err::InvalidUseOfNull: return "Invalid use of Null";
        case err::ObjectRequired: return "Object required";
        default: return "Application-defined or object-defined error";
    }
}
}  // namespace

void raise(std::int32_t number, const std::string& detail) {
    std::string text = standardText(number);
    if (!detail.empty()) text += ": " + detail;
    throw RuntimeError(number, text, "ZOLK runtime");
}

}  // namespace zolk::platform
