#pragma once
// How a field takes a value, and how a field is named in a call (position or name).
#include <cstdint>

#include "jet/engine.h"
#include "platform/variant.h"

namespace zolk::ado {

class Recordset;

// Converts `value` to the field's type as ADO does when a field is assigned; Null into a field
// that is neither IsNullable nor MayBeNull, or a value that does not convert, raises
// -2147217887 (DB_E_ERRORSOCCURRED).
platform::Variant convertForField(const jet::Column& column, const platform::Variant& value);

// A field named by its 0-based position or by its name (letter case ignored); else 3265.
std::int32_t resolveFieldIndex(const Recordset& recordset, const platform::Variant& indexOrName);

}  // namespace zolk::ado
