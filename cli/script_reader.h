#pragma once
// Reading the text of a `fichas run` script into its steps; nothing else, so that it can be
// tested and fuzzed on its own.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace zolk::cli {

using Json = nlohmann::ordered_json;

// A script that is not JSON; line and column are 1-based, in the whole script text.
class ScriptSyntaxError : public std::runtime_error {
public:
    ScriptSyntaxError(std::size_t line, std::size_t column, const std::string& what);
    std::size_t line() const { return line_; }
    std::size_t column() const { return column_; }

private:
    std::size_t line_, column_;
};

// The steps of a script: a JSON array, a single JSON object, or JSON Lines (one step a line,
// blank lines ignored). Raises ScriptSyntaxError.
std::vector<Json> readScript(std::string_view text);

}  // namespace zolk::cli
