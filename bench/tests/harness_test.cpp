// The generated practice holds what its size promises, keeps its records joined, and is reused.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/generated_practice.h"

namespace zolk::bench {
namespace {

std::string scalar(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::string value = "(failed)";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st), sqlite3_close(db);
    return value;
}

TEST(GeneratedPractice, HoldsItsRecordsJoinedAndIsReused) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("zolk_bench_test_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    setenv("ZOLK_BENCH_DATA", folder.c_str(), 1);
    const std::string path = generatedPractice(1001);
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM FichasClinicas f JOIN Animais a ON a.Codigo = f.CodigoDoAnimal "
                           "JOIN Clientes c ON c.Codigo = f.CodigoDoCliente AND c.Codigo = a.CodigoDoCliente "
                           "JOIN Funcionarios v ON v.Codigo = f.CodigoDoVeterinario"), "1001");
    const auto written = std::filesystem::last_write_time(path);
    EXPECT_EQ(generatedPractice(1001), path);
    EXPECT_EQ(std::filesystem::last_write_time(path), written);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zolk::bench
