#pragma once
// A fresh practice database per test, selected for the provider, with the statement trace on.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace zolk::testsupport {

struct TraceLine {
    std::string op;
    std::string sql;
    std::string native;
    bool hasNative = false;
};

// Creates a temporary folder holding practice.db (with or without the demo data) and
// trace.jsonl; points the provider (--database) and ZOLK_SQL_TRACE at them; cleans up after.
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

    // Runs native SQL straight on the database file (seeding, checking what landed), as an
    // outside tool would.
    void native(const std::string& sql) const;
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
    std::filesystem::path folder_;
    std::string url_;
    std::filesystem::path traceFile_;
};

// Registers the outside components (the provider and the text-treatment service) with the factory.
void registerComponents();

}  // namespace zolk::testsupport
