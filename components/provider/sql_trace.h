#pragma once
// The statement trace: with ZOLK_SQL_TRACE=FILE every connection the provider opens appends
// one JSON line per database action its callers ask for.
#include <memory>
#include <string>

#include "ado/connection.h"

namespace zolk::components {

// The trace file named by ZOLK_SQL_TRACE, or empty when tracing is off.
std::string traceFile();
// Appends {"op", "sql"[, "native"]} to the file; each line is written with one append.
void appendTraceLine(const std::string& file, const ado::TraceEvent& event);
// Installs the trace hook on a connection when tracing is on.
void attachTrace(ado::Connection& connection);

}  // namespace zolk::components
