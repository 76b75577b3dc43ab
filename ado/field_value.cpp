// Field types: which ones a fabricated recordset takes, and how a value is stored in each.
#include "ado/field_value.h"

#include <cmath>
#include <limits>
#include <vector>

#include "ado/data_types.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "platform/conversions.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"

namespace zolk::ado {

using platform::Variant;
using platform::VarType;
namespace err = platform::err;

namespace {

[[noreturn]] void notStored(const jet::Column& column, const char* why) {
    raiseAdo(err::DbErrorsOccurred, FieldSource, column.name + ": " + why);
}

Variant inRange(std::int16_t v, std::int16_t low, std::int16_t high) {
    if (v < low || v > high) platform::raise(err::Overflow);
    return Variant(v);
}

Variant convertScalar(std::int32_t type, const Variant& v) {
    using namespace platform;
    switch (type) {
        case adtype::SmallInt: return Variant(CInt(v));
        case adtype::TinyInt: return inRange(CInt(v), -128, 127);
        case adtype::UnsignedTinyInt: return inRange(CInt(v), 0, 255);
        case adtype::Integer:
        case adtype::Error: return Variant(CLng(v));
        case adtype::BigInt: {
            // No 64-bit integer subtype: a whole Double holds it.
            const double d = roundHalfEven(CDbl(v));
            if (std::fabs(d) >= 9223372036854775808.0) raise(err::Overflow);
            return Variant(d);
        }
        case adtype::Single: {
            const double d = CDbl(v);
            if (std::fabs(d) > std::numeric_limits<float>::max()) raise(err::Overflow);
            return Variant(static_cast<double>(static_cast<float>(d)));
        }
        case adtype::Double:
        case adtype::Decimal:
        case adtype::Numeric: return Variant(CDbl(v));
        case adtype::Currency: return Variant(CCur(v));
        case adtype::Date:
        case adtype::DBTimeStamp: return Variant(CDate(v));
        case adtype::DBDate: return Variant(CDate(v).dateOnly());
        case adtype::DBTime: {
            const double serial = CDate(v).serial();
            return Variant(DateTime(std::fabs(serial - std::trunc(serial))));
        }
        case adtype::Boolean: return Variant(CBool(v));
        default: return Variant(CStr(v));  // texts, GUID and binary kinds
    }
}

}  // namespace

bool isAppendableType(std::int32_t type) {
    switch (type) {
        case adtype::SmallInt: case adtype::Integer: case adtype::Single: case adtype::Double:
        case adtype::Currency: case adtype::Date: case adtype::BSTR: case adtype::Error:
        case adtype::Boolean: case adtype::Decimal: case adtype::TinyInt:
        case adtype::UnsignedTinyInt: case adtype::BigInt: case adtype::GUID:
        case adtype::Binary: case adtype::Char: case adtype::WChar: case adtype::Numeric:
        case adtype::DBDate: case adtype::DBTime: case adtype::DBTimeStamp:
        case adtype::VarChar: case adtype::LongVarChar: case adtype::VarWChar:
        case adtype::LongVarWChar: case adtype::VarBinary: case adtype::LongVarBinary:
            return true;
        default:
            return false;  // Empty, Variant, IDispatch, IUnknown, UserDefined, Chapter, unknown
    }
}

Variant convertForField(const jet::Column& column, const Variant& value) {
    Variant v = value;
    if (v.isObject()) {
        // An object gives its default value (a Field gives its Value).
        const platform::ObjectRef& object = v.asObject();
        if (!object) notStored(column, "Nothing is not a value");
        std::vector<Variant> noArgs;
        try {
            v = object->defaultValue(noArgs);
        } catch (const platform::RuntimeError&) {
            notStored(column, "the object has no value");
        }
        if (v.isObject()) notStored(column, "an object is not a value");
    }
    if (v.isNull()) {
        if (column.attributes & (adattr::IsNullable | adattr::MayBeNull)) return v;
        notStored(column, "the field does not take Null");
    }
    try {
        return convertScalar(column.type, v);
    } catch (const platform::RuntimeError&) {
        notStored(column, "the value does not convert to the field's type");
    }
}

std::int32_t resolveFieldIndex(const Recordset& recordset, const Variant& indexOrName) {
    Variant key = indexOrName;
    if (key.isObject() && key.asObject()) {
        std::vector<Variant> noArgs;
        key = key.asObject()->defaultValue(noArgs);
    }
    if (key.isString()) return recordset.fieldIndex(key.asString());
    if (key.isNumericType()) {
        std::int32_t index = -1;
        try {
            index = platform::CLng(key);
        } catch (const platform::RuntimeError&) {
        }
        recordset.column(index);  // range check: 3265
        return index;
    }
    raiseAdo(err::AdoItemNotFound, FieldsSource, "a field is named by its position or its name");
}

}  // namespace zolk::ado
