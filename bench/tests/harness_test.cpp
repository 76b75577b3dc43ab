// The benchmark harness: the generated practice holds what its size promises and is reused;
// the reporter pairs ours with raw by name and compares their medians.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "bench/generated_practice.h"
#include "bench/pair_reporter.h"
#include "jet/engine.h"

namespace zolk::bench {
namespace {

namespace fs = std::filesystem;

// Generated practices of this test go to a folder of its own, removed afterwards.
class GeneratedPractice : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("zolk_bench_test_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        setenv("ZOLK_BENCH_DATA", folder_.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("ZOLK_BENCH_DATA");
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    fs::path folder_;
};

std::string scalar(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    std::string value = "(failed)";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        value = sqlite3_column_text(st, 0) ? reinterpret_cast<const char*>(sqlite3_column_text(st, 0)) : "NULL";
    sqlite3_finalize(st);
    sqlite3_close(db);
    return value;
}

TEST_F(GeneratedPractice, HoldsItsRecordsWithTheirAnimalsClientsAndVeterinariansAndIsReused) {
    const std::string path = generatedPractice(1001);
    EXPECT_EQ(fs::path(path).parent_path(), folder_);
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM FichasClinicas"), "1001");
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM Animais"), "501");
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM Clientes"), "251");
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM Funcionarios"), "20");
    // Every record keeps its client, animal and veterinarian through the listing's inner joins,
    // and the animal is the client's.
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM FichasClinicas f JOIN Animais a ON a.Codigo = f.CodigoDoAnimal "
                           "JOIN Clientes c ON c.Codigo = f.CodigoDoCliente AND c.Codigo = a.CodigoDoCliente "
                           "JOIN Funcionarios v ON v.Codigo = f.CodigoDoVeterinario"),
              "1001");
    // Storage conventions: ISO dates, Yes/No as -1/0; numbered in the order issued.
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM FichasClinicas WHERE DataDeEmissao NOT GLOB "
                           "'[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] 00:00:00'"),
              "0");
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM FichasClinicas WHERE SGIEmese NOT IN (0, -1)"), "0");
    EXPECT_EQ(scalar(path, "SELECT count(*) FROM FichasClinicas a JOIN FichasClinicas b ON b.Numero = a.Numero + 1 "
                           "WHERE b.DataDeEmissao < a.DataDeEmissao"),
              "0");
    EXPECT_NE(scalar(path, "SELECT count(*) FROM Clientes WHERE NomeOuRazaoSocial LIKE '%Conceição%'"), "0");
    // A practice the engine opens as initialised, in write-ahead mode.
    EXPECT_EQ(jet::databaseVersion("sqlite:" + path), 1);
    EXPECT_EQ(scalar(path, "PRAGMA journal_mode"), "wal");

    const auto written = fs::last_write_time(path);
    EXPECT_EQ(generatedPractice(1001), path);
    EXPECT_EQ(fs::last_write_time(path), written);
    for (const auto& entry : fs::directory_iterator(folder_))
        EXPECT_EQ(entry.path().string().find(".partial"), std::string::npos) << entry.path();
    EXPECT_THROW(generatedPractice(0), std::invalid_argument);
}

benchmark::BenchmarkReporter::Run run(const std::string& function, const std::string& args, double milliseconds,
                                      const std::string& aggregate = "") {
    benchmark::BenchmarkReporter::Run r;
    r.run_name.function_name = function;
    r.run_name.args = args;
    r.run_type = aggregate.empty() ? benchmark::BenchmarkReporter::Run::RT_Iteration
                                   : benchmark::BenchmarkReporter::Run::RT_Aggregate;
    r.aggregate_name = aggregate;
    r.family_index = r.per_family_instance_index = r.repetition_index = 0;
    r.repetitions = 3;
    r.statistics = nullptr;
    r.iterations = 10;
    r.time_unit = benchmark::kMillisecond;
    r.real_accumulated_time = milliseconds * 10 / 1000.0;
    r.cpu_accumulated_time = milliseconds * 5 / 1000.0;
    return r;
}

TEST(PairReporter, PairsOursWithRawByNameAndComparesMedians) {
    PairReporter reporter;
    std::ostringstream out, err;
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&err);
    // Three repetitions each: medians 12 and 4 whatever the order; the mean would differ.
    reporter.ReportRuns({run("Pair/Top20/ours", "records:1000", 30), run("Pair/Top20/ours", "records:1000", 12),
                         run("Pair/Top20/ours", "records:1000", 11)});
    reporter.ReportRuns({run("Pair/Top20/raw", "records:1000", 4), run("Pair/Top20/raw", "records:1000", 3),
                         run("Pair/Top20/raw", "records:1000", 9)});
    reporter.ReportRuns({run("Pair/Top20/ours", "records:5", 1)});
    reporter.ReportRuns({run("BM_Other", "", 7), run("Pair/Lonely/ours", "", 2)});
    auto failed = run("Pair/Broken/raw", "", 0);
    failed.error_occurred = true;
    failed.error_message = "no such table";
    reporter.ReportRuns({run("Pair/Broken/ours", "", 1), failed});

    const auto& pairs = reporter.pairs();
    ASSERT_EQ(pairs.size(), 4u);
    const auto& top = pairs.at("Top20/records:1000");
    EXPECT_DOUBLE_EQ(top.ours.seconds, 0.012);
    EXPECT_DOUBLE_EQ(top.raw.seconds, 0.004);
    EXPECT_DOUBLE_EQ(top.ours.cpuSeconds, 0.006);
    EXPECT_TRUE(top.ours.median);
    EXPECT_FALSE(pairs.at("Top20/records:5").hasRaw);
    EXPECT_TRUE(pairs.at("Broken").raw.failed);
    EXPECT_EQ(pairs.count("Other"), 0u);

    const std::string table = reporter.table();
    EXPECT_NE(table.find("Top20/records:1000"), std::string::npos) << table;
    EXPECT_NE(table.find("3.00x"), std::string::npos) << table;  // 12 ms / 4 ms
    EXPECT_NE(table.find("(not run)"), std::string::npos) << table;
    EXPECT_NE(table.find("no such table"), std::string::npos) << table;
    EXPECT_NE(table.find("a single run"), std::string::npos) << table;
}

TEST(PairReporter, TakesTheMedianAggregateWhenOnlyAggregatesAreShown) {
    PairReporter reporter;
    reporter.ReportRuns({run("Pair/Like/ours", "", 10, "mean"), run("Pair/Like/ours", "", 8, "median")});
    reporter.ReportRuns({run("Pair/Like/raw", "", 2, "median")});
    const auto& like = reporter.pairs().at("Like");
    EXPECT_DOUBLE_EQ(like.ours.seconds, 0.008);
    EXPECT_DOUBLE_EQ(like.raw.seconds, 0.002);
    EXPECT_NE(reporter.table().find("4.00x"), std::string::npos) << reporter.table();
}

}  // namespace
}  // namespace zolk::bench
