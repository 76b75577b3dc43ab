#include "testsupport/practice_fixture.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "components/provider/session_pool.h"
#include "components/provider/settings.h"
#include "components/register_components.h"
#include "schema/practice_database.h"
#include "testsupport/server_database.h"

namespace zolk::testsupport {

namespace fs = std::filesystem;

PracticeDatabase::PracticeDatabase(bool demo) {
    std::string pattern = (fs::temp_directory_path() / "zolk-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    folder_ = pattern;
    traceFile_ = folder_ / "trace.jsonl";
    if (const auto server = testServer()) {
        server_ = std::make_unique<ServerDatabase>(*server, demo);
        url_ = server_->url();
    } else {
        url_ = (folder_ / "practice.db").string();
        schema::createPracticeDatabase(url_, demo, false);
    }
    components::setDatabaseOverride(url_);
    setenv("ZOLK_SQL_TRACE", traceFile_.c_str(), 1);
    registerComponents();
}

PracticeDatabase::~PracticeDatabase() {
    // The provider's kept sessions on this database end with it.
    components::closeIdleSessions();
    components::setDatabaseOverride({});
    unsetenv("ZOLK_SQL_TRACE");
    server_.reset();
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

std::vector<TraceLine> PracticeDatabase::trace() const {
    std::vector<TraceLine> lines;
    std::ifstream in(traceFile_);
    std::string text;
    while (std::getline(in, text)) {
        const auto j = nlohmann::json::parse(text);
        TraceLine line{j.at("op").get<std::string>(), j.value("sql", std::string()), {}, false};
        if (j.contains("native")) {
            line.native = j.at("native").get<std::string>();
            line.hasNative = true;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> PracticeDatabase::traced(const std::string& op) const {
    std::vector<std::string> sql;
    for (const TraceLine& line : trace())
        if (line.op == op) sql.push_back(line.sql);
    return sql;
}

void PracticeDatabase::clearTrace() const { std::ofstream(traceFile_, std::ios::trunc); }

namespace {
struct Db {
    sqlite3* handle = nullptr;
    explicit Db(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path);
        sqlite3_busy_timeout(handle, 10000);
    }
    ~Db() { sqlite3_close(handle); }
};
}  // namespace

void PracticeDatabase::native(const std::string& sql) const {
    if (server_) {
        server_->run(sql);
        return;
    }
    Db db(url_);
    char* message = nullptr;
    if (sqlite3_exec(db.handle, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error(text + " in: " + sql);
    }
}

void PracticeDatabase::refuse(const std::string& table, const std::string& event, const std::string& when) const {
    static int count = 0;
    const std::string name = "zolk_refuse_" + std::to_string(++count);
    if (server_) {
        native("CREATE OR REPLACE FUNCTION zolk_refuse() RETURNS trigger LANGUAGE plpgsql AS "
               "$$BEGIN RAISE EXCEPTION 'refused by the test'; END$$");
        native("CREATE TRIGGER " + name + " BEFORE " + event + " ON " + table + " FOR EACH ROW" +
               (when.empty() ? "" : " WHEN (" + when + ")") + " EXECUTE FUNCTION zolk_refuse()");
        return;
    }
    native("CREATE TRIGGER " + name + " BEFORE " + event + " ON " + table + (when.empty() ? "" : " WHEN " + when) +
           " BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
}

std::vector<std::map<std::string, std::string>> PracticeDatabase::rows(const std::string& sql) const {
    if (server_) {
        std::vector<std::map<std::string, std::string>> out;
        for (auto& row : server_->query(sql)) out.emplace_back(row.begin(), row.end());
        return out;
    }
    Db db(url_);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db.handle, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db.handle)) + " in: " + sql);
    std::vector<std::map<std::string, std::string>> out;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        auto& row = out.emplace_back();
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const unsigned char* text = sqlite3_column_text(stmt, i);
            row[sqlite3_column_name(stmt, i)] = text ? reinterpret_cast<const char*>(text) : "";
        }
    }
    sqlite3_finalize(stmt);
    return out;
}

std::map<std::string, std::string> PracticeDatabase::tableChecksums() const {
    if (server_) {
        std::map<std::string, std::string> sums;
        for (const std::string& table : server_->tables()) {
            std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
            const auto rows = server_->query("SELECT * FROM \"" + table + "\" ORDER BY ctid");
            for (const auto& row : rows)
                for (const auto& [name, value] : row)
                    for (const char ch : value + '\x1f') hash = (hash ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
            sums[table] = std::to_string(rows.size()) + " rows, " + std::to_string(hash);
        }
        return sums;
    }
    Db db(url_);
    std::map<std::string, std::string> sums;
    for (const std::string& table : column("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")) {
        sqlite3_stmt* stmt = nullptr;
        const std::string sql = "SELECT * FROM \"" + table + "\" ORDER BY rowid";
        if (sqlite3_prepare_v2(db.handle, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db.handle)) + " in: " + sql);
        std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
        auto mix = [&hash](const void* data, int size) {
            for (int i = 0; i < size; ++i) hash = (hash ^ static_cast<const unsigned char*>(data)[i]) * 1099511628211ull;
        };
        std::size_t count = 0;
        for (; sqlite3_step(stmt) == SQLITE_ROW; ++count)
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const int type = sqlite3_column_type(stmt, i);
                mix(&type, sizeof type);
                const void* bytes = type == SQLITE_BLOB ? sqlite3_column_blob(stmt, i) : sqlite3_column_text(stmt, i);
                mix(bytes, sqlite3_column_bytes(stmt, i));
            }
        sqlite3_finalize(stmt);
        sums[table] = std::to_string(count) + " rows, " + std::to_string(hash);
    }
    return sums;
}

std::vector<std::string> PracticeDatabase::column(const std::string& sql) const {
    if (server_) {
        std::vector<std::string> values;
        for (const auto& row : server_->query(sql)) values.push_back(row.empty() ? "" : row.front().second);
        return values;
    }
    Db db(url_);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db.handle, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db.handle)) + " in: " + sql);
    std::vector<std::string> values;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(stmt, 0);
        values.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
    }
    sqlite3_finalize(stmt);
    return values;
}

std::vector<std::string> PracticeDatabase::columnsDeclared(const std::string& table, const std::string& type) const {
    if (server_) return server_->columnsDeclared(table, type);
    return column("SELECT name FROM pragma_table_info('" + table + "') WHERE upper(type) = upper('" + type +
                  "') ORDER BY cid");
}

std::string PracticeDatabase::scalar(const std::string& sql) const {
    auto values = column(sql);
    return values.empty() ? std::string() : values.front();
}

void registerComponents() { components::registerComponents(); }

}  // namespace zolk::testsupport
