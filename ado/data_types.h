#pragma once
// ADO's DataTypeEnum and FieldAttributeEnum numbers, as Field.Type and Field.Attributes report them.
#include <cstdint>

namespace zolk::ado {

namespace adtype {
inline constexpr std::int32_t Empty = 0, SmallInt = 2, Integer = 3, Single = 4, Double = 5,
                              Currency = 6, Date = 7, BSTR = 8, IDispatch = 9, Error = 10,
                              Boolean = 11, Variant = 12, IUnknown = 13, Decimal = 14, TinyInt = 16,
                              UnsignedTinyInt = 17, BigInt = 20, GUID = 72, Binary = 128,
                              Char = 129, WChar = 130, Numeric = 131, UserDefined = 132,
                              DBDate = 133, DBTime = 134, DBTimeStamp = 135, Chapter = 136,
                              VarChar = 200, LongVarChar = 201, VarWChar = 202, LongVarWChar = 203,
                              VarBinary = 204, LongVarBinary = 205;
}

namespace adattr {
inline constexpr std::int32_t MayDefer = 2, Updatable = 4, UnknownUpdatable = 8, Fixed = 16,
                              IsNullable = 32, MayBeNull = 64, Long = 128, RowID = 256,
                              RowVersion = 512, CacheDeferred = 4096, KeyColumn = 32768;
}

// Connection.Execute option: run without building a recordset (Execute then returns Nothing).
inline constexpr std::int32_t adExecuteNoRecords = 128;

// Whether Fields.Append accepts the type (a value can be stored in such a field).
bool isAppendableType(std::int32_t type);

}  // namespace zolk::ado
