// Connection and Recordset on a real practice database (SQLite), each test with its own file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "ado_test_support.h"
#include "platform/dispatch.h"
#include "schema/practice_database.h"

namespace zolk::ado::test {
namespace {

namespace err = platform::err;
using platform::VarType;

class Database : public ::testing::Test {
protected:
    void SetUp() override {
        std::string dir = (std::filesystem::temp_directory_path() / "zolk-ado-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        dir_ = dir;
        url_ = "sqlite:" + (dir_ / "practice.db").string();
        schema::createPracticeDatabase(url_, false, false);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    std::shared_ptr<Connection> connect() { return Connection::open(url_); }

    // Counts rows through a connection of its own, so only committed rows are seen.
    std::int32_t countSpecies() {
        auto rs = connect()->Execute("SELECT COUNT(*) AS N FROM EspeciesDeAnimais");
        return rs->value(0).toLong();
    }

    std::filesystem::path dir_;
    std::string url_;
};

TEST_F(Database, ExecuteGivesRowsOrAffectedCounts) {
    auto cn = connect();
    std::int64_t affected = 0;
    for (const char* name : {"'Canina'", "'Felina'", "\"Ave\""}) {
        auto closed = cn->Execute(std::string("INSERT INTO EspeciesDeAnimais (Nome) VALUES (") + name + ");", &affected);
        EXPECT_EQ(closed->State(), 0);
        EXPECT_EQ(affected, 1);
    }
    cn->Execute("UPDATE EspeciesDeAnimais SET Situacao = 2 WHERE Nome LIKE '%INA'", &affected);
    EXPECT_EQ(affected, 2) << "LIKE ignores case";

    auto rs = cn->Execute("SELECT Codigo, Nome, Situacao FROM EspeciesDeAnimais ORDER BY Nome", &affected);
    ASSERT_EQ(rs->State(), 1);
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->value("Nome"), Variant("Ave"));
    EXPECT_EQ(rs->value("Codigo").type(), VarType::Long);
    EXPECT_EQ(rs->column(1).type, adtype::VarWChar);
    EXPECT_EQ(rs->column(1).definedSize, 50);
    EXPECT_EQ(rs->column(0).type, adtype::Integer);

    auto clock = cn->Execute(" SELECT NOW AS DataHoraDoServidor ");
    EXPECT_EQ(clock->value(0).type(), VarType::Date);

    cn->Execute("DELETE * FROM EspeciesDeAnimais WHERE Situacao = 2", &affected);
    EXPECT_EQ(affected, 2);
    EXPECT_EQ(countSpecies(), 1);
}

TEST_F(Database, EngineErrorsKeepTheirNumbersAndAreTraced) {
    auto cn = connect();
    std::vector<std::string> traced;
    cn->setTraceHook([&](const TraceEvent& e) {
        traced.push_back(std::string(e.op) + "|" + std::string(e.sql) + "|" + (e.native ? "native" : "none"));
    });
    EXPECT_EQ(errorOf([&] { cn->Execute("SELECT * FROM TabelaQueNaoExiste"); }), err::DbErrorsInCommand);
    cn->Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Canina')");
    // Nome is NOT NULL: the statement translates, runs and fails in the engine.
    EXPECT_EQ(errorOf([&] { cn->Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES (Null)"); }),
              err::DbGeneralFailure);
    EXPECT_EQ(traced, (std::vector<std::string>{
                          "Execute|SELECT * FROM TabelaQueNaoExiste|none",
                          "Execute|INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Canina')|native",
                          "Execute|INSERT INTO EspeciesDeAnimais (Nome) VALUES (Null)|native"}));
}

TEST_F(Database, TraceCarriesTheNativeText) {
    auto cn = connect();
    std::vector<std::string> natives;
    cn->setTraceHook([&](const TraceEvent& e) {
        if (e.native) natives.push_back(*e.native);
    });
    const std::string jetText = "SELECT IIF(Situacao = 1, 'Sim', 'Não') AS Ativa FROM EspeciesDeAnimais";
    cn->Execute(jetText);
    ASSERT_EQ(natives.size(), 1u);
    EXPECT_EQ(natives[0], cn->session().translate(jetText).native);
    EXPECT_EQ(natives[0].find("IIF"), std::string::npos) << natives[0];
}

TEST_F(Database, TransactionsCommitRollBackAndRollBackOnRelease) {
    {
        auto cn = connect();
        EXPECT_EQ(cn->BeginTrans(), 1);
        cn->Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Canina')");
        cn->RollbackTrans();
        EXPECT_EQ(countSpecies(), 0);
        cn->BeginTrans();
        cn->Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Felina')");
        cn->CommitTrans();
        EXPECT_EQ(countSpecies(), 1);
        EXPECT_EQ(errorOf([&] { cn->CommitTrans(); }), err::NoTransaction);
    }
    {
        auto cn = connect();
        cn->BeginTrans();
        cn->Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Ave')");
        EXPECT_EQ(errorOf([&] { cn->Close(); }), err::AdoCloseInTransaction);
    }  // released with the transaction open
    EXPECT_EQ(countSpecies(), 1);
}

TEST_F(Database, RecordsetOpenRefusesStatementsThatWrite) {
    auto cn = connect();
    cn->Execute("INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Canina')");
    for (const char* text : {"DELETE * FROM EspeciesDeAnimais",
                             "UPDATE EspeciesDeAnimais SET Nome = 'x'",
                             "INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Felina')"}) {
        auto rs = std::make_shared<Recordset>();
        rs->Source(text);
        rs->ActiveConnection(cn);
        EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoNotAllowed) << text;
        EXPECT_EQ(rs->State(), 0);
    }
    auto rs = cn->Execute("SELECT Nome FROM EspeciesDeAnimais");
    EXPECT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->value(0), Variant("Canina"));
}

// A selection as the library makes one: PageSize, Source, ActiveConnection, Open, Sort, then
// disconnected and the connection closed; then one page copied into a fabricated recordset.
TEST_F(Database, DisconnectedSelectionAndPageCopy) {
    auto cn = connect();
    cn->BeginTrans();
    for (int i = 1; i <= 23; ++i)
        cn->Execute("INSERT INTO Animais (CodigoDoCliente, Nome, Castrado) VALUES (95, 'Animal " +
                    std::to_string(100 + i) + "', " + (i % 2 ? "True" : "False") + ")");
    cn->Execute("INSERT INTO Animais (CodigoDoCliente, Nome) VALUES (96, Null)");
    cn->CommitTrans();

    auto list = std::make_shared<Recordset>();
    list->PageSize(10);
    list->Source("SELECT Codigo, Nome, Castrado, DataDeNascimento FROM Animais WHERE CodigoDoCliente = 95 ORDER BY Codigo;");
    list->ActiveConnection(cn);
    list->Open();
    list->Sort("Codigo DESC");
    list->ActiveConnection(nullptr);
    cn->Close();
    cn.reset();

    EXPECT_EQ(list->RecordCount(), 23);
    EXPECT_EQ(list->PageCount(), 3);
    EXPECT_EQ(list->value("Nome"), Variant("Animal 123")) << "Sort wins over ORDER BY";
    EXPECT_EQ(list->value("Castrado"), Variant(true));
    EXPECT_TRUE(list->value("DataDeNascimento").isNull());

    list->AbsolutePage(3);
    auto page = std::make_shared<Recordset>();
    auto source = list->FieldsCollection();
    for (std::int32_t i = 0; i < source->Count(); ++i) {
        auto f = source->Item(Variant(i));
        page->appendField(f->Name(), f->Type(), f->DefinedSize(), f->Attributes());
    }
    page->Open();
    while (!list->EOF_()) {
        page->AddNew();
        for (std::int32_t i = 0; i < source->Count(); ++i) {
            auto f = source->Item(Variant(i));
            page->setValue(f->Name(), f->Value());
        }
        page->Update();
        list->MoveNext();
    }
    page->MoveFirst();
    EXPECT_EQ(page->RecordCount(), 3);
    EXPECT_EQ(page->value("Nome"), Variant("Animal 103"));
    EXPECT_EQ(page->value("Castrado"), Variant(true));
    EXPECT_TRUE(page->value("DataDeNascimento").isNull()) << "the engine marks the column nullable";
}

TEST_F(Database, ByNameAsAScriptDrivesIt) {
    auto cn = connect();
    std::vector<Variant> args{Variant("INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Canina')"), Variant()};
    Variant closed = cn->invoke("Execute", platform::MemberKind::Operation, args);
    EXPECT_EQ(closed.asObject()->get("State"), Variant(std::int32_t{0}));
    EXPECT_EQ(args[1], Variant(std::int32_t{1}));

    auto rs = std::make_shared<Recordset>();
    rs->let("Source", Variant("SELECT Codigo, Nome FROM EspeciesDeAnimais"));
    rs->set("ActiveConnection", cn);
    rs->call("Open");
    std::vector<Variant> nome{Variant("NOME")};
    EXPECT_EQ(rs->defaultValue(nome), Variant("Canina"));
    rs->set("ActiveConnection", nullptr);
    rs->call("MoveNext");
    EXPECT_EQ(rs->get("EOF"), Variant(true));
    rs->call("Close");
    EXPECT_EQ(errorOf([&] { rs->get("RecordCount"); }), err::AdoObjectClosed);
}

}  // namespace
}  // namespace zolk::ado::test
