#pragma once
// A fresh practice database per test, selected for the provider, with the statement trace on.
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace zolk::testsupport {

class ServerDatabase;

struct TraceLine {
    std::string op;
    std::string sql;
    std::string native;
    bool hasNative = false;
};

// Creates a temporary folder holding practice.db (with or without the demo data) and
// trace.jsonl; points the provider (--database) and ZOLK_SQL_TRACE at them; cleans up after.
// When the tests run on a PostgreSQL server (ZOLK_TEST_POSTGRES, server_database.h), the
// practice database is a database of its own on that server instead of practice.db.
class PracticeDatabase {
public:
    explicit PracticeDatabase(bool demo = true);
    ~PracticeDatabase();
    PracticeDatabase(const PracticeDatabase&) = delete;
    PracticeDatabase& operator=(const PracticeDatabase&) = delete;

    const std::string& url() const { return url_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Every trace line written so far; clearTrace() forgets them.
    std::vector<TraceLine> trace() const;
    // The sql texts of the trace lines with that op ("Execute", "Open", ...).
    std::vector<std::string> traced(const std::string& op) const;
    void clearTrace() const;

    // Whether the practice database is on a PostgreSQL server.
    bool onServer() const { return server_ != nullptr; }

    // Runs native SQL straight on the database (seeding, checking what landed), as an outside
    // tool would. Written as for SQLite, with standard SQL: on a server, the names are quoted
    // as the database spells them and values read back in SQLite's text.
    void native(const std::string& sql) const;
    // Makes the database refuse `event` ("INSERT", "UPDATE", "UPDATE OF Column", "DELETE") on
    // `table`, for the rows where `when` holds (standard SQL over OLD and NEW; empty: every row),
    // as a trigger of the engine's own: a way to make one statement of an operation fail.
    void refuse(const std::string& table, const std::string& event, const std::string& when = "") const;
    // The columns of `table` declared with `type` (YESNO, CURRENCY, ...), in table order.
    std::vector<std::string> columnsDeclared(const std::string& table, const std::string& type) const;
    // The first column of every row of a native query, as text ("" for NULL).
    std::vector<std::string> column(const std::string& sql) const;
    std::string scalar(const std::string& sql) const;
    // Every row of a native query, each as column name -> text ("" for NULL).
    std::vector<std::map<std::string, std::string>> rows(const std::string& sql) const;
    // Every table of the file (the AutoNumber counters included) by name, each as its row count
    // and a hash of every value with its storage class, rows in storage order: equal before and
    // after an action when the action wrote nothing.
    std::map<std::string, std::string> tableChecksums() const;

private:
    std::unique_ptr<ServerDatabase> server_;
    std::filesystem::path folder_;
    std::string url_;
    std::filesystem::path traceFile_;
};

// Registers the outside components (the provider and the text-treatment service) with the factory.
void registerComponents();

}  // namespace zolk::testsupport
