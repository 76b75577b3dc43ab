#pragma once
// A recordset printed as a table for the terminal: a header, a rule, one line per row, the count.
#include <cstddef>
#include <iosfwd>
#include <string_view>

#include "ado/recordset.h"

namespace zolk::cli {

// Characters on screen, roughly: UTF-8 continuation bytes take no column.
std::size_t displayWidth(std::string_view text);

void printTable(ado::Recordset& rs, std::ostream& out);

}  // namespace zolk::cli
