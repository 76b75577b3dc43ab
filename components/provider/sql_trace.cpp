#include "components/provider/sql_trace.h"

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

namespace zolk::components {

std::string traceFile() {
    const char* file = std::getenv("ZOLK_SQL_TRACE");
    return file && *file ? std::string(file) : std::string();
}

void appendTraceLine(const std::string& file, const ado::TraceEvent& event) {
    nlohmann::ordered_json line;
    line["op"] = std::string(event.op);
    line["sql"] = std::string(event.sql);
    if (event.native) line["native"] = *event.native;
    const std::string text =
        line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    // Append mode: lines from several connections and processes never overwrite each other.
    if (std::FILE* f = std::fopen(file.c_str(), "a")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
}

void attachTrace(ado::Connection& connection) {
    std::string file = traceFile();
    if (file.empty()) return;
    connection.setTraceHook([file](const ado::TraceEvent& e) { appendTraceLine(file, e); });
}

}  // namespace zolk::components
