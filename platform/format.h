#pragma once
// VB's Format function with pt-BR output symbols; one implementation for the library and SQL.
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace zolk::platform {

// Returns a String Variant, or Null for a Null value without a fourth section.
Variant Format(const Variant& value, std::string_view pattern);

}  // namespace zolk::platform
