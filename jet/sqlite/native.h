#pragma once
// Reads a native SQLite query with the C API alone, touching every cell: the baseline that the
// engine's materialisation is measured against (bench/jet_bench.cpp).
#include <cstdint>
#include <string>

namespace zolk::jet::sqlite {

// Returns the number of cells read; raises -2147467259 when the query fails.
std::int64_t stepNatively(const std::string& url, const std::string& nativeSql);

}  // namespace zolk::jet::sqlite
