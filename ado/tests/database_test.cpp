// Connection and Recordset on a real practice database of each test's own (SQLite, or the server).
#include <gtest/gtest.h>

#include "ado_test_support.h"
#include "platform/dispatch.h"
#include "schema/practice_database.h"
#include "jet/tests/jet_test_support.h"

namespace zolk::ado::test {
namespace {

using platform::VarType;

class Database : public ::testing::Test {
protected:
    void SetUp() override { schema::createPracticeDatabase(url_, false, false); }
    std::shared_ptr<Connection> connect() { return Connection::open(url_); }

    jet::testing::TempDatabase db_;
    const std::string url_ = db_.url();
};

TEST_F(Database, ExecuteGivesRowsOrCountsAndTracesFirst) {
    auto cn = connect();
    std::vector<std::string> traced;
    cn->setTraceHook([&](const TraceEvent& e) {
        traced.push_back(std::string(e.op) + "|" + (e.native ? *e.native : "-"));
    });
    std::int64_t affected = 0;
    for (const char* name : {"'Canina'", "'Felina'", "\"Ave\""})
        cn->Execute(std::string("INSERT INTO EspeciesDeAnimais (Nome) VALUES (") + name + ");", &affected);
    EXPECT_EQ(affected, 1);
    EXPECT_EQ(cn->Execute("UPDATE EspeciesDeAnimais SET Situacao = 2 WHERE Nome LIKE '%INA'", &affected)->State(), 0);
    EXPECT_EQ(affected, 2);

    auto rs = cn->Execute("SELECT Codigo, Nome FROM EspeciesDeAnimais ORDER BY Nome");
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->value("nome"), Variant("Ave"));
    EXPECT_EQ(rs->value("Codigo").type(), VarType::Long);
    EXPECT_EQ(cn->Execute(" SELECT NOW AS DataHoraDoServidor ")->value(0).type(), VarType::Date);
    EXPECT_EQ(errorOf([&] { cn->Execute("SELECT * FROM TabelaQueNaoExiste"); }), err::DbErrorsInCommand);
    EXPECT_EQ(errorOf([&] { cn->Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES (Null)"); }),
              err::DbGeneralFailure) << "Nome is NOT NULL";
    ASSERT_EQ(traced.size(), 8u);
    EXPECT_EQ(traced[4], "Execute|" + cn->session().translate("SELECT Codigo, Nome FROM EspeciesDeAnimais ORDER BY Nome").native);
    EXPECT_EQ(traced[6], "Execute|-") << "an untranslatable statement is traced without native text";
    EXPECT_NE(traced[7], "Execute|-") << "a statement refused while running was translated";
}

// A selection as the library makes one (by name), sorted, disconnected and paged.
TEST_F(Database, DisconnectedSortedSelectionKeepsItsRowsAndPages) {
    auto cn = connect();
    cn->BeginTrans();
    for (int i = 1; i <= 23; ++i)
        cn->Execute("INSERT INTO Animais (CodigoDoCliente, Nome, Castrado) VALUES (95, 'Animal " +
                    std::to_string(100 + i) + "', " + (i % 2 ? "True" : "False") + ")");
    cn->CommitTrans();
    auto list = std::make_shared<Recordset>();
    list->PageSize(10);
    list->let("Source", Variant("SELECT Codigo, Nome, Castrado, DataDeNascimento FROM Animais ORDER BY Codigo;"));
    list->set("ActiveConnection", cn);
    list->call("Open");
    list->Sort("Codigo DESC");
    list->set("ActiveConnection", nullptr);
    cn->Close();
    cn.reset();
    EXPECT_EQ(list->RecordCount(), 23);
    EXPECT_EQ(list->PageCount(), 3);
    EXPECT_EQ(list->value("Nome"), Variant("Animal 123")) << "Sort wins over ORDER BY";
    list->AbsolutePage(3);
    EXPECT_EQ(list->AbsolutePosition(), 21);
    EXPECT_EQ(list->value("Nome"), Variant("Animal 103"));
    EXPECT_EQ(list->column(3).attributes & Nullable, Nullable) << "the engine marks the column nullable";
}

}  // namespace
}  // namespace zolk::ado::test
