// Connection over a scripted session: what it asks of the engine, in which order, and the trace.
#include <gtest/gtest.h>

#include "ado/errors.h"
#include "ado_test_support.h"
#include "platform/dispatch.h"

namespace zolk::ado::test {
namespace {

using Log = std::vector<std::string>;

struct Scripted {
    ScriptedSession* engine;
    std::shared_ptr<Log> log;
    Log traced;
    std::shared_ptr<Connection> connection;

    Scripted() {
        auto session = std::make_unique<ScriptedSession>();
        engine = session.get();
        log = session->log;
        session->rows.columns = {{"Nome"}, {"Codigo", adtype::Integer}};
        session->rows.cells = {Variant("Rex"), Variant(1), Variant("Mia"), Variant(2)};
        session->affected = 4;
        connection = std::make_shared<Connection>(std::move(session));
        connection->setTraceHook([this](const TraceEvent& e) {
            traced.push_back(std::string(e.op) + "|" + std::string(e.sql) + "|" + (e.native ? *e.native : "-"));
        });
    }
};

TEST(Connection, TraceComesBeforeTheEngineRuns) {
    Scripted s;
    std::int64_t affected = 0;
    EXPECT_EQ(s.connection->Execute("UPDATE A SET B=1", &affected)->State(), 0);
    EXPECT_EQ(affected, 4);
    auto rows = s.connection->Execute("SELECT Nome", &affected);
    EXPECT_EQ(affected, -1) << "a statement with rows reports no count";
    EXPECT_EQ(errorOf([&] { rows->AddNew(); }), err::AdoNotUpdatable) << "Execute's rows are read-only";
    EXPECT_EQ(errorOf([&] { s.connection->Execute("SELECT BAD"); }), err::DbErrorsInCommand);
    EXPECT_EQ(s.connection->BeginTrans(), 1);
    s.connection->CommitTrans();
    EXPECT_EQ(s.traced, (Log{"Execute|UPDATE A SET B=1|native(UPDATE A SET B=1)",
                             "Execute|SELECT Nome|native(SELECT Nome)", "Execute|SELECT BAD|-",
                             "BeginTrans||-", "CommitTrans||-"}));
    EXPECT_EQ(*s.log, (Log{"translate UPDATE A SET B=1", "execute UPDATE A SET B=1", "translate SELECT Nome",
                           "execute SELECT Nome", "translate SELECT BAD", "begin", "commit"}));
}

TEST(Connection, RecordsetOpenReadsOnlyAndTakesNewFieldsOnReopen) {
    Scripted s;
    auto rs = std::make_shared<Recordset>();
    rs->Source("INSERT INTO A VALUES (1)");
    rs->ActiveConnection(s.connection);
    EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoNotAllowed);
    EXPECT_EQ(s.log->back(), "translate INSERT INTO A VALUES (1)") << "never run";
    EXPECT_EQ(s.traced.back(), "Open|INSERT INTO A VALUES (1)|native(INSERT INTO A VALUES (1))");

    rs->Source("SELECT Nome, Codigo");
    rs->Open();
    EXPECT_EQ(rs->value("codigo"), Variant(1));
    rs->Close();
    s.engine->rows.columns = {{"C"}, {"A"}};
    s.engine->rows.cells = {Variant("c2"), Variant("a2")};
    rs->Open();
    EXPECT_EQ(errorOf([&] { rs->value("Nome"); }), err::AdoItemNotFound) << "the new fields only";
}

TEST(Connection, TransactionRulesAndRelease) {
    Scripted s;
    EXPECT_EQ(errorOf([&] { s.connection->CommitTrans(); }), err::NoTransaction);
    s.connection->BeginTrans();
    EXPECT_EQ(errorOf([&] { s.connection->BeginTrans(); }), TransactionExists);
    EXPECT_EQ(errorOf([&] { s.connection->Close(); }), err::AdoCloseInTransaction);
    s.connection->RollbackTrans();
    s.connection->Close();
    EXPECT_EQ(errorOf([&] { s.connection->Execute("SELECT 1"); }), err::AdoObjectClosed);
    Scripted released;
    released.connection->BeginTrans();
    released.connection.reset();
    EXPECT_EQ(released.log->back(), "rollback");
}

}  // namespace
}  // namespace zolk::ado::test
