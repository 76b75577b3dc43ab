#pragma once
// The statements of jet/tests/corpus/*.sql by case name: the texts the classes must write, kept
// apart from the classes that write them.
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace zolk::testsupport {

// The statement of case `caseName` of corpus `file` (e.g. "exames.sql"), with each (from, to) replaced.
inline std::string corpus(const std::string& file, const std::string& caseName,
                          const std::vector<std::pair<std::string, std::string>>& edits = {}) {
    std::ifstream in(std::string(ZOLK_SOURCE_DIR) + "/jet/tests/corpus/" + file);
    std::string line, text;
    bool inCase = false;
    while (std::getline(in, line) && !(inCase && !text.empty() && line.rfind("-- case: ", 0) == 0)) {
        if (line.rfind("-- case: ", 0) == 0) inCase = line.substr(9) == caseName;
        else if (inCase && line.rfind("--", 0) != 0) text += line;
    }
    for (const auto& [from, to] : edits)
        for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
    return text;
}

}  // namespace zolk::testsupport
