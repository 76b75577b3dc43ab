#pragma once
// The tests' practice databases on a PostgreSQL server, when ZOLK_TEST_POSTGRES gives one (its
// connection parameters in URL query form, "host=/tmp/x&port=5432&user=zolk"): each test gets a
// database of its own, copied from a template made once by `fichas init`'s own code.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zolk::testsupport {

// The server's connection parameters, when the tests run on one.
std::optional<std::string> testServer();

class ServerDatabase {
public:
    ServerDatabase(const std::string& server, bool demo);
    ~ServerDatabase();
    ServerDatabase(const ServerDatabase&) = delete;
    ServerDatabase& operator=(const ServerDatabase&) = delete;

    const std::string& url() const { return url_; }
    // Runs SQL written with unquoted names (as the SQLite tests write it): every table and
    // column name is quoted as the database spells it. Values come back as SQLite would print
    // them (a whole Double as "3.0", a Currency without trailing zeros).
    void run(const std::string& sql) const;
    std::vector<std::vector<std::pair<std::string, std::string>>> query(const std::string& sql) const;
    std::vector<std::string> tables() const;
    std::vector<std::string> columnsDeclared(const std::string& table, const std::string& type) const;

private:
    std::string quoted(const std::string& sql) const;
    void learnNames() const;
    std::string server_;
    std::string name_;
    std::string url_;
    mutable std::map<std::string, std::string> names_;  // upper case -> as spelled
};

}  // namespace zolk::testsupport
