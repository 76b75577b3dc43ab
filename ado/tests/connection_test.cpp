// Connection over an engine session: Execute, Open, transactions, the trace hook, disconnecting.
// The session here is scripted, so what Connection asks of the engine can be checked exactly.
#include <gtest/gtest.h>

#include "ado_test_support.h"
#include "platform/dispatch.h"

namespace zolk::ado::test {
namespace {

namespace err = platform::err;
using platform::ObjectRef;
using Log = std::vector<std::string>;

struct Scripted {
    std::shared_ptr<Log> log;
    std::vector<std::string> traced;
    std::shared_ptr<Connection> connection;

    Scripted() {
        auto session = std::make_unique<ScriptedSession>();
        log = session->log;
        session->rows.columns = {{"Nome", adtype::VarWChar, 50, Nullable}, {"Codigo", adtype::Integer, 4, 0}};
        session->rows.cells = {Variant("Rex"), Variant(1), Variant("Mia"), Variant(2), Variant("Tom"), Variant(3)};
        session->affected = 4;
        connection = std::make_shared<Connection>(std::move(session));
        connection->setTraceHook([this](const TraceEvent& e) {
            std::string line = std::string(e.op) + "|" + std::string(e.sql) + "|";
            line += e.native ? *e.native : "<none>";
            traced.push_back(line);
        });
    }
};

TEST(Connection, ExecuteReturnsRowsOrAClosedRecordset) {
    Scripted s;
    std::int64_t affected = 99;
    auto rows = s.connection->Execute("SELECT Nome FROM Animais", &affected);
    EXPECT_EQ(rows->State(), 1);
    EXPECT_EQ(rows->RecordCount(), 3);
    EXPECT_EQ(rows->value("nome"), Variant("Rex"));
    EXPECT_EQ(rows->ActiveConnection(), s.connection);
    EXPECT_EQ(affected, -1);
    EXPECT_EQ(errorOf([&] { rows->AddNew(); }), err::AdoNotUpdatable) << "Execute's rows are read-only";

    auto none = s.connection->Execute("DELETE * FROM Animais", &affected);
    EXPECT_EQ(none->State(), 0);
    EXPECT_EQ(affected, 4);
    EXPECT_EQ(errorOf([&] { none->RecordCount(); }), err::AdoObjectClosed);
    EXPECT_EQ(*s.log, (Log{"translate SELECT Nome FROM Animais", "execute SELECT Nome FROM Animais",
                           "translate DELETE * FROM Animais", "execute DELETE * FROM Animais"}));
}

TEST(Connection, TraceComesBeforeTheEngineRuns) {
    Scripted s;
    s.connection->Execute("UPDATE A SET B=1");
    EXPECT_EQ(errorOf([&] { s.connection->Execute("SELECT BAD"); }), err::DbErrorsInCommand);
    EXPECT_EQ(s.connection->BeginTrans(), 1);
    s.connection->CommitTrans();
    s.connection->BeginTrans();
    s.connection->RollbackTrans();
    EXPECT_EQ(s.traced, (Log{"Execute|UPDATE A SET B=1|native(UPDATE A SET B=1)",
                             "Execute|SELECT BAD|<none>", "BeginTrans||<none>",
                             "CommitTrans||<none>", "BeginTrans||<none>", "RollbackTrans||<none>"}));
    EXPECT_EQ(std::count(s.log->begin(), s.log->end(), "execute SELECT BAD"), 0);
}

TEST(Connection, RecordsetOpenReadsOnly) {
    Scripted s;
    auto rs = std::make_shared<Recordset>();
    rs->Source("INSERT INTO Animais (Nome) VALUES ('x')");
    rs->ActiveConnection(s.connection);
    EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoNotAllowed);
    EXPECT_EQ(rs->State(), 0);
    EXPECT_EQ(*s.log, (Log{"translate INSERT INTO Animais (Nome) VALUES ('x')"})) << "never run";
    EXPECT_EQ(s.traced, (Log{"Open|INSERT INTO Animais (Nome) VALUES ('x')|"
                             "native(INSERT INTO Animais (Nome) VALUES ('x'))"}));

    rs->Source("SELECT Nome, Codigo FROM Animais");
    rs->PageSize(2);
    rs->Open();
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->PageCount(), 2);
    EXPECT_EQ(s.traced.back(), "Open|SELECT Nome, Codigo FROM Animais|native(SELECT Nome, Codigo FROM Animais)");
    rs->AddNew();  // an opened recordset takes new rows in memory
    rs->setValue("Codigo", Variant(9.0));
    rs->Update();
    EXPECT_EQ(rs->RecordCount(), 4);
}

TEST(Connection, ReopeningTakesTheNewFields) {
    auto session = std::make_unique<ScriptedSession>();
    ScriptedSession& engine = *session;
    engine.rows.columns = {{"A"}, {"B"}};
    engine.rows.cells = {Variant("a1"), Variant("b1")};
    auto connection = std::make_shared<Connection>(std::move(session));
    auto rs = std::make_shared<Recordset>();
    rs->Source("SELECT A, B FROM T");
    rs->ActiveConnection(connection);
    rs->Open();
    EXPECT_EQ(rs->value("b"), Variant("b1"));
    rs->Close();
    EXPECT_EQ(rs->fieldCount(), 0);
    engine.rows.columns = {{"C"}, {"A"}};
    engine.rows.cells = {Variant("c2"), Variant("a2")};
    rs->Open();
    EXPECT_EQ(rs->value("A"), Variant("a2"));
    EXPECT_EQ(rs->value("c"), Variant("c2"));
    EXPECT_EQ(errorOf([&] { rs->value("B"); }), err::AdoItemNotFound);
}

TEST(Connection, DisconnectedRowsOutliveTheConnection) {
    auto rs = std::make_shared<Recordset>();
    {
        Scripted s;
        rs->Source("SELECT Nome, Codigo FROM Animais");
        rs->ActiveConnection(s.connection);
        rs->Open();
        rs->ActiveConnection(nullptr);
        s.connection->Close();
    }
    rs->Sort("Codigo DESC");
    EXPECT_EQ(rs->value("Nome"), Variant("Tom"));
    rs->MoveLast();
    EXPECT_EQ(rs->value(1), Variant(std::int32_t{1}));
    rs->Close();
    EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoConnectionInvalid) << "Source without a connection";
}

TEST(Connection, TransactionRules) {
    Scripted s;
    EXPECT_EQ(errorOf([&] { s.connection->CommitTrans(); }), err::NoTransaction);
    EXPECT_EQ(errorOf([&] { s.connection->RollbackTrans(); }), err::NoTransaction);
    EXPECT_EQ(s.connection->BeginTrans(), 1);
    EXPECT_NE(errorOf([&] { s.connection->BeginTrans(); }), 0) << "no nested transactions";
    EXPECT_EQ(errorOf([&] { s.connection->Close(); }), err::AdoCloseInTransaction);
    EXPECT_EQ(s.connection->State(), 1);
    s.connection->CommitTrans();
    s.connection->Close();
    EXPECT_EQ(s.connection->State(), 0);
    EXPECT_EQ(errorOf([&] { s.connection->Close(); }), err::AdoObjectClosed);
    EXPECT_EQ(errorOf([&] { s.connection->Execute("SELECT 1"); }), err::AdoObjectClosed);
    EXPECT_EQ(errorOf([&] { s.connection->BeginTrans(); }), err::AdoObjectClosed);

    auto rs = std::make_shared<Recordset>();
    rs->Source("SELECT 1");
    rs->ActiveConnection(s.connection);
    EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoConnectionInvalid);
}

TEST(Connection, ReleasingRollsBackAnOpenTransaction) {
    Scripted s;
    std::shared_ptr<Log> log = s.log;
    s.connection->BeginTrans();
    s.connection->Execute("INSERT INTO A VALUES (1)");
    s.connection.reset();
    EXPECT_EQ(log->back(), "rollback");

    Scripted committed;
    log = committed.log;
    committed.connection->BeginTrans();
    committed.connection->CommitTrans();
    committed.connection.reset();
    EXPECT_EQ(log->back(), "commit") << "nothing to roll back";
}

TEST(Connection, ByName) {
    Scripted s;
    std::vector<Variant> args{Variant("UPDATE A SET B=2"), Variant()};
    Variant closed = s.connection->invoke("Execute", platform::MemberKind::Operation, args);
    ASSERT_TRUE(closed.isObject());
    EXPECT_EQ(closed.asObject()->get("State"), Variant(std::int32_t{0}));
    EXPECT_EQ(args[1], Variant(std::int32_t{4})) << "RecordsAffected comes back by reference";

    Variant open = s.connection->call("Execute", {Variant("SELECT Nome FROM Animais")});
    std::vector<Variant> nome{Variant("Nome")};
    EXPECT_EQ(open.asObject()->defaultValue(nome), Variant("Rex"));

    Variant nothing = s.connection->call(
        "Execute", {Variant("DELETE FROM A"), Variant(), Variant(std::int32_t{adExecuteNoRecords})});
    EXPECT_TRUE(nothing.isObject());
    EXPECT_EQ(nothing.asObject(), nullptr);

    EXPECT_EQ(s.connection->call("BeginTrans"), Variant(std::int32_t{1}));
    s.connection->call("RollbackTrans");
    EXPECT_EQ(s.log->back(), "rollback");
    EXPECT_EQ(s.connection->get("State"), Variant(std::int32_t{1}));
    s.connection->call("Close");
    EXPECT_EQ(s.connection->get("State"), Variant(std::int32_t{0}));
}

}  // namespace
}  // namespace zolk::ado::test
