#pragma once
// Runs the fichas command in-process on a fresh practice database of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/command.h"
#include "schema/practice_database.h"

namespace zolk::cli::testing {

using Json = nlohmann::ordered_json;

inline bool mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// One JSON value per non-empty line of `in`.
inline std::vector<Json> jsonLines(std::istream& in) {
    std::vector<Json> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(Json::parse(line));
    return lines;
}

struct Outcome {
    int status = -1;
    std::string out, err;
    std::vector<Json> lines() const {  // standard output read as one JSON value per line
        std::istringstream stream(out);
        return jsonLines(stream);
    }
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::path(::testing::TempDir()) / "fichas-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        database_ = (dir_ / "practice.db").string();
        unsetenv("ZOLK_SQL_TRACE");
        unsetenv("ZOLK_DATABASE");
    }

    void TearDown() override {
        unsetenv("ZOLK_SQL_TRACE");
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    void createDatabase(bool demo = false) { schema::createPracticeDatabase(database_, demo, false); }

    // Runs `fichas --database DB ARGS...` with `input` on standard input.
    Outcome fichas(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {"--database", database_});
        return fichasRaw(args, input);
    }

    Outcome fichasRaw(const std::vector<std::string>& args, const std::string& input = {}) {
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = runCommand(args, in, out, err);
        return {status, out.str(), err.str()};
    }

    Outcome script(const std::string& text) { return fichas({"run", "-"}, text); }

    // Turns on the statement trace into a file of this test; returns the file's path.
    std::string traceToFile() {
        const std::string file = (dir_ / "trace.jsonl").string();
        setenv("ZOLK_SQL_TRACE", file.c_str(), 1);
        return file;
    }

    static std::vector<Json> traceLines(const std::string& file) { std::ifstream stream(file); return jsonLines(stream); }

    std::filesystem::path dir_;
    std::string database_;
};

}  // namespace zolk::cli::testing
