// The provider's kept sessions: each user finds one as a new connection would be (no transaction,
// no failure and no trace setting of the last user), never shared by two users at once, never
// serving a database file that was replaced, and with its translations made again when the
// schema changes.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "ado/connection.h"
#include "ado/recordset.h"
#include "components/provider/objetos_de_dados.h"
#include "components/provider/session_pool.h"
#include "jet/test_switches.h"
#include "platform/conversions.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"
#include "testsupport/practice_fixture.h"

namespace zolk::components {
namespace {

namespace fs = std::filesystem;

// Whether another program could take the write lock on `url` right now (no waiting).
bool writeLockFree(const std::string& url) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(url.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const bool free = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return free;
}

std::size_t lines(const fs::path& file) {
    std::ifstream in(file);
    std::size_t n = 0;
    for (std::string line; std::getline(in, line);) ++n;
    return n;
}

class PooledSessions : public ::testing::Test {
protected:
    PooledSessions() { closeIdleSessions(); }

    // A connection as an operation gets it from the provider, or nullptr with the reason.
    std::shared_ptr<ado::Connection> open(ObjetosDeDados& provider) {
        EXPECT_EQ(provider.AbrirConexao(), 0) << provider.DescricaoDoErro() << provider.DescricaoDaFalha();
        return provider.ReferenciaDeConexao();
    }

    std::string count(const std::string& where) const {
        return db.scalar("SELECT COUNT(*) FROM EspeciesDeAnimais WHERE " + where);
    }

    testsupport::PracticeDatabase db;
    SessionPool& pool = SessionPool::shared();
};

TEST_F(PooledSessions, TheNextUserFindsNoTransactionNoFailureAndNoTraceOfTheLastOne) {
    const std::size_t opened = pool.opened();
    {
        // Left in the middle of a transaction, without a rollback from the provider.
        auto connection = std::make_shared<ado::Connection>(pool.open(db.url()));
        connection->BeginTrans();
        connection->Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Abandonada')");
    }
    EXPECT_TRUE(writeLockFree(db.url())) << "a kept session holds the write lock";
    {
        // A database action failed (the commit), and the operation ended on its error path.
        ObjetosDeDados provider;
        auto connection = open(provider);
        connection->BeginTrans();
        connection->Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Falhou')");
        jet::switches::armFault(1, jet::switches::Fault::IoError);
        EXPECT_THROW(connection->CommitTrans(), platform::RuntimeError);
        jet::switches::disarmFault();
    }
    {
        // The trace goes where the setting says when the connection is opened: nowhere now.
        unsetenv("ZOLK_SQL_TRACE");
        const std::size_t traced = db.trace().size();
        ObjetosDeDados provider;
        auto connection = open(provider);
        EXPECT_FALSE(connection->session().inTransaction());
        connection->Execute("SELECT COUNT(*) FROM EspeciesDeAnimais");
        EXPECT_EQ(db.trace().size(), traced);
    }
    const fs::path other = db.folder() / "other-trace.jsonl";
    setenv("ZOLK_SQL_TRACE", other.c_str(), 1);
    {
        ObjetosDeDados provider;
        auto connection = open(provider);
        EXPECT_EQ(provider.NumeroDoErro(), 0);
        EXPECT_EQ(connection->BeginTrans(), 1);
        EXPECT_FALSE(writeLockFree(db.url())) << "BeginTrans takes the write lock at once";
        connection->Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Gravada')");
        connection->CommitTrans();
        EXPECT_EQ(lines(other), 3u) << "BeginTrans, Execute and CommitTrans";
    }
    EXPECT_EQ(pool.opened(), opened + 1) << "every user after the first had the kept session";
    EXPECT_EQ(count("Nome IN ('Abandonada', 'Falhou')"), "0");
    EXPECT_EQ(count("Nome = 'Gravada'"), "1");
    EXPECT_TRUE(writeLockFree(db.url()));
}

TEST_F(PooledSessions, TwoThreadsNeverHoldTheSameSessionAtOnce) {
    constexpr int kThreads = 4, kRounds = 25;
    unsetenv("ZOLK_SQL_TRACE");
    std::vector<std::string> failures(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                try {
                    auto session = pool.reuse(db.url(), schema::SchemaVersion);
                    if (!session) session = pool.open(db.url());
                    ado::Connection connection(std::move(session));
                    // A shared session would find the other thread's transaction open, or
                    // commit it half done.
                    connection.BeginTrans();
                    connection.Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Linha " + std::to_string(t) + "')");
                    connection.Execute("UPDATE EspeciesDeAnimais SET Nome = 'Feita " + std::to_string(t) +
                                       "' WHERE Nome = 'Linha " + std::to_string(t) + "'");
                    connection.CommitTrans();
                } catch (const platform::RuntimeError& e) {
                    failures[std::size_t(t)] += e.description() + "\n";
                }
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(failures[std::size_t(t)], "") << "thread " << t;
        EXPECT_EQ(count("Nome = 'Feita " + std::to_string(t) + "'"), std::to_string(kRounds));
    }
    EXPECT_LE(pool.idle(), SessionPool::kIdlePerDatabase);
}

}  // namespace
}  // namespace zolk::components
