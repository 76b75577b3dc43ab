// What only a server does: connections that fail or drop, writers that wait for each other, a
// database fichas init must not take over. Runs when the tests have a server (ZOLK_TEST_POSTGRES).
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <unistd.h>

#include "jet/engine.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"
#include "testsupport/server_database.h"

namespace zolk::jet {
namespace {

// Runs SQL on the server's maintenance database, as an administrator would.
std::string admin(const std::string& server, const std::string& sql, const std::string& db = "postgres") {
    PGconn* c = PQconnectdb(("postgresql:///" + db + "?" + server).c_str());
    PGresult* r = PQexec(c, sql.c_str());
    std::string value = PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) > 0 ? PQgetvalue(r, 0, 0) : "";
    const bool ok = PQresultStatus(r) == PGRES_TUPLES_OK || PQresultStatus(r) == PGRES_COMMAND_OK;
    const std::string error = PQerrorMessage(c);
    PQclear(r);
    PQfinish(c);
    if (!ok) throw std::runtime_error(error + " in: " + sql);
    return value;
}

TEST(DatabaseUrls, AnOverlongUrlIsRefusedBeforeAnyEngineSeesIt) {
    for (const std::string scheme : {"postgresql:///", "sqlite:/tmp/"}) {
        try {
            openSession(scheme + std::string(5000, 'a'));
            FAIL() << scheme;
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.description(), "The database URL is too long (" + std::to_string(scheme.size() + 5000) +
                                           " characters; at most 4096).");
        }
    }
}

class ServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto s = testsupport::testServer();
        if (!s) GTEST_SKIP() << "no PostgreSQL server for the tests (ZOLK_TEST_POSTGRES)";
        server = *s;
        db = std::make_unique<testsupport::ServerDatabase>(server, true);
    }
    std::string server;
    std::unique_ptr<testsupport::ServerDatabase> db;
};

TEST_F(ServerTest, AnUnreachableServerIsAClearErrorNotAHang) {
    try {
        openSession("postgresql:///practice?host=/nonexistent-zolk-folder&port=5432&connect_timeout=2");
        FAIL() << "opened";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::err::DbGeneralFailure);
        EXPECT_NE(e.description().find("Could not connect to the database server at 'postgresql:///practice?host="),
                  std::string::npos)
            << e.description();
    }
}

TEST_F(ServerTest, IdentityIsThisConnectionsLastNumberAndRefusalsKeepTheirHelpContext) {
    auto s = openSession(db->url());
    EXPECT_EQ(s->execute("SELECT @@Identity").rows.cells.at(0).toString(), "0");
    s->execute("INSERT INTO EspeciesDeAnimais (Nome, Situacao) VALUES ('Equina', 1)");
    const std::string made = s->execute("SELECT @@Identity").rows.cells.at(0).toString();
    EXPECT_EQ(made, db->query("SELECT max(Codigo) FROM EspeciesDeAnimais").at(0).at(0).second);
    EXPECT_EQ(made, "6");
    try {
        s->execute("DELETE * FROM Exames WHERE Numero = 55");
        FAIL() << "deleted a referred exam request";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::err::DbGeneralFailure);
        EXPECT_EQ(e.helpContext(), platform::err::DbRelationshipHelpContext);
        EXPECT_EQ(e.description(),
                  "The record cannot be deleted or changed because table 'ResultadosDeExames' includes related records.");
    }
}

TEST_F(ServerTest, AWriterWaitsForTheOtherWritersTransaction) {
    auto first = openSession(db->url());
    auto second = openSession(db->url());
    first->begin();
    first->execute("UPDATE Produtos SET SaldoEmEstoque = SaldoEmEstoque - 1 WHERE CodigoInterno = 5");
    std::atomic<bool> began{false};
    std::thread other([&] {
        second->begin();
        began = true;
        second->execute("UPDATE Produtos SET SaldoEmEstoque = SaldoEmEstoque - 1 WHERE CodigoInterno = 5");
        second->commit();
    });
    // The second writer is seen waiting on the lock while the first holds it.
    bool waiting = false;
    for (int i = 0; i < 200 && !waiting; ++i) {
        waiting = admin(server,
                        "SELECT count(*) FROM pg_locks WHERE locktype = 'advisory' AND NOT granted") == "1";
        if (!waiting) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(waiting);
    EXPECT_FALSE(began);
    first->commit();
    other.join();
    EXPECT_TRUE(began);
    EXPECT_EQ(db->query("SELECT SaldoEmEstoque FROM Produtos WHERE CodigoInterno = 5").at(0).at(0).second, "38");
}

TEST_F(ServerTest, ADroppedConnectionFailsOneCallAndTheNextOpensItAgain) {
    auto s = openSession(db->url());
    const std::string pid = s->execute("SELECT Count(*) FROM Clientes").rows.cells.at(0).toString();
    ASSERT_FALSE(pid.empty());
    admin(server, "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE application_name = 'zolk-fichas' "
                  "AND datname = current_database()",
          db->url().substr(std::string("postgresql:///").size(), db->url().find('?') - std::string("postgresql:///").size()));
    try {
        s->execute("SELECT Count(*) FROM Clientes");
        FAIL() << "ran on a dropped connection";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::err::DbGeneralFailure);
        EXPECT_NE(e.description().find("connection to the database server was lost"), std::string::npos)
            << e.description();
    }
    EXPECT_EQ(s->execute("SELECT Count(*) FROM Clientes").rows.cells.at(0).toString(), pid);
}

TEST_F(ServerTest, InitTakesADatabaseHoldingOtherTablesOnlyWhenForcedAndNeverTouchesThem) {
    const std::string name = "zolk_other_" + std::to_string(::getpid());
    admin(server, "DROP DATABASE IF EXISTS " + name);
    admin(server, "CREATE DATABASE " + name);
    admin(server, "CREATE TABLE contas (id integer); INSERT INTO contas VALUES (7)", name);
    const std::string url = "postgresql:///" + name + "?" + server;
    try {
        schema::createPracticeDatabase(url, true, false);
        FAIL() << "took a database holding another program's tables without --force";
    } catch (const platform::RuntimeError& e) {
        EXPECT_NE(e.description().find("holds a database that fichas init did not make"), std::string::npos)
            << e.description();
    }
    EXPECT_EQ(admin(server, "SELECT count(*) FROM pg_class WHERE relname = 'Clientes'", name), "0");
    // Forced: the practice beside the other tables; forced again, the practice replaced alone.
    for (int round = 0; round < 2; ++round) {
        schema::createPracticeDatabase(url, true, true);
        EXPECT_EQ(admin(server, "SELECT count(*) FROM \"Clientes\"", name), "6");
        EXPECT_EQ(admin(server, "SELECT id FROM contas", name), "7");
    }
    admin(server, "DROP DATABASE " + name + " WITH (FORCE)");
}

}  // namespace
}  // namespace zolk::jet
