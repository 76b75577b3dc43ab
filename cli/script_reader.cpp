#include "cli/script_reader.h"

#include <algorithm>

namespace zolk::cli {
namespace {

constexpr std::string_view Blanks = " \t\r\n";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The part of nlohmann's message that says what was wrong, without its own position.
std::string parseProblem(const std::string& what) {
    const std::size_t column = what.find("column ");
    if (column != std::string::npos) {
        const std::size_t colon = what.find(": ", column);
        if (colon != std::string::npos) return what.substr(colon + 2);
    }
    return what;
}

// The error at byte `index` of the whole script.
ScriptSyntaxError syntaxError(std::string_view text, std::size_t index, const std::string& problem) {
    index = std::min(index, text.size());
    const std::size_t line = 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(index), '\n'));
    const std::size_t lineStart = index == 0 ? 0 : text.rfind('\n', index - 1);
    const std::size_t column = lineStart == std::string_view::npos || index == 0 ? index + 1 : index - lineStart;
    return ScriptSyntaxError(line, column, problem);
}

Json parseChunk(std::string_view text, std::size_t offset, std::size_t length) {
    const std::string_view chunk = text.substr(offset, length);
    try {
        return Json::parse(chunk.begin(), chunk.end());
    } catch (const Json::parse_error& e) {
        // `byte` counts the characters read from `offset` when the parser gave up.
        throw syntaxError(text, offset + (e.byte > 0 ? e.byte - 1 : 0), parseProblem(e.what()));
    } catch (const Json::out_of_range& e) {
        // A number past the Double range (1e999) names no place: the step's start is given.
        const std::string what = e.what();
        const std::size_t bracket = what.find("] ");
        throw syntaxError(text, offset, bracket == std::string::npos ? what : what.substr(bracket + 2));
    }
}

}  // namespace

ScriptSyntaxError::ScriptSyntaxError(std::size_t line, std::size_t column, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ", column " + std::to_string(column) +
                         ": " + what),
      line_(line), column_(column) {}

std::vector<Json> readScript(std::string_view text) {
    const std::size_t begin = text.substr(0, ByteOrderMark.size()) == ByteOrderMark ? ByteOrderMark.size() : 0;
    const std::size_t first = text.find_first_not_of(Blanks, begin);
    if (first == std::string_view::npos) return {};

    if (text[first] == '[') {
        Json all = parseChunk(text, begin, std::string_view::npos);
        return std::vector<Json>(all.begin(), all.end());
    }
    if (text[first] == '{') {
        // One step written over several lines is a script too.
        const std::string_view rest = text.substr(begin);
        Json single = Json::parse(rest.begin(), rest.end(), nullptr, false);
        if (single.is_object()) return {std::move(single)};
    }

    std::vector<Json> steps;
    for (std::size_t start = begin; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        if (line.find_first_not_of(Blanks) != std::string_view::npos)
            steps.push_back(parseChunk(text, start, end - start));
        start = end + 1;
    }
    return steps;
}

}  // namespace zolk::cli
