#pragma once
// ADO's errors: numbers, standard texts and the object that raised them.
#include <cstdint>
#include <string_view>

namespace zolk::ado {

// XACT_E_XTIONEXISTS: a second BeginTrans while one is open (no nested transactions here).
inline constexpr std::int32_t TransactionExists = -2147168237;

inline constexpr std::string_view ConnectionSource = "ADODB.Connection";
inline constexpr std::string_view RecordsetSource = "ADODB.Recordset";
inline constexpr std::string_view FieldSource = "ADODB.Field";
inline constexpr std::string_view FieldsSource = "ADODB.Fields";

// Throws platform::RuntimeError with `number`, its standard ADO text (then `detail`, if any)
// and `source`.
[[noreturn]] void raiseAdo(std::int32_t number, std::string_view source,
                           std::string_view detail = {});

}  // namespace zolk::ado
