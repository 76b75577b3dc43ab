// The subcommands init, sql and members, the command line, and the statement trace.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/tests/cli_test_support.h"
#include "platform/dispatch.h"
#include "testsupport/outside_files.h"

namespace zolk::cli::testing {
namespace {

using InitCommand = CliTest;

TEST_F(InitCommand, CreatesANewDatabaseAndReplacesAPracticeDatabaseOnlyWithForce) {
    ASSERT_EQ(fichas({"init"}).status, ExitOk);
    for (const std::vector<std::string>& command : {std::vector<std::string>{"init", "--demo"}, {"demo"}}) {
        const Outcome again = fichas(command);
        EXPECT_EQ(again.status, ExitFailed) << command[0];
        EXPECT_TRUE(mentions(again.err, "already holds a practice database (schema version 1); use --force"))
            << again.err;
    }
    ASSERT_EQ(fichas({"init", "--demo", "--force"}).status, ExitOk);
    EXPECT_EQ(fichas({"sql", "SELECT COUNT(*) AS N FROM Animais WHERE Codigo = 140"}).out, "N\n-\n1\n(1 row)\n");
}

TEST_F(InitCommand, WithoutDatabaseUsesTheDataFolderAndCreatesIt) {
    const std::string data = (dir_ / "data home").string();
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    const Outcome o = fichasRaw({"init"});
    unsetenv("XDG_DATA_HOME");
    ASSERT_EQ(o.status, ExitOk) << o.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(data) / "zolk" / "practice.db"));
}

class SqlCommand : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        createDatabase();
    }
};

TEST_F(SqlCommand, WritesReportTheRowsAffectedAndReadsPrintATable) {
    EXPECT_EQ(fichas({"sql", "INSERT INTO Medicamentos (Nome, Controlado, DataEHoraDaInclusao) VALUES ('Dipirona', True, #05/15/2024#)"}).out,
              "1 row affected\n");
    fichas({"sql", "INSERT INTO Medicamentos (Nome, Controlado) VALUES ('Cloridrato de tramadol', False)"});
    EXPECT_EQ(fichas({"sql", "UPDATE Medicamentos SET Situacao = 2"}).out, "2 rows affected\n");
    EXPECT_EQ(fichas({"sql", "--json", "DELETE * FROM Medicamentos WHERE Codigo = 7"}).out, "{\"rowsAffected\":0}\n");

    const Outcome table = fichas({"sql", "SELECT Codigo, Nome, Controlado, DataEHoraDaInclusao FROM Medicamentos ORDER BY Codigo"});
    ASSERT_EQ(table.status, ExitOk) << table.err;
    EXPECT_EQ(table.out,
              "Codigo | Nome                   | Controlado | DataEHoraDaInclusao\n"
              "-------+------------------------+------------+--------------------\n"
              "1      | Dipirona               | True       | 2024-05-15 00:00:00\n"
              "2      | Cloridrato de tramadol | False      | Null\n"
              "(2 rows)\n");
}

// Dates as ISO text, Yes/No as -1/0, amounts as plain decimals, the way outside tools write them.
TEST_F(SqlCommand, ReadsRowsSeededThroughSqlite) {
    testsupport::sqliteFile(database_, "INSERT INTO Medicamentos (Codigo, Nome, Controlado, DataEHoraDaInclusao) "
                                       "VALUES (7, 'Dipirona', -1, '2024-05-15 10:30:00');"
                                       "INSERT INTO Servicos (Codigo, Nome, Valor) VALUES (3, 'Banho', 45.5);");
    const Outcome o = fichas({"sql", "--json", "SELECT M.Controlado, M.DataEHoraDaInclusao, S.Valor FROM Medicamentos "
                                               "AS M, Servicos AS S WHERE S.Nome = 'banho'"});
    EXPECT_EQ(o.lines().at(0)["rows"], Json::parse(R"([[true, {"date": "2024-05-15 10:30:00"}, {"currency": "45.5000"}]])"))
        << o.out << o.err;
}

TEST_F(SqlCommand, RefusedStatementsAndMissingDatabasesAreAMessageAndStatusOne) {
    const Outcome unknown = fichas({"sql", "SELECT Nada FROM Lugar Nenhum"});
    EXPECT_EQ(unknown.status, ExitFailed);
    EXPECT_EQ(unknown.out, "");
    EXPECT_TRUE(mentions(unknown.err, "-2147217900")) << unknown.err;

    const Outcome missing = fichasRaw({"sql", "--database", (dir_ / "none.db").string(), "SELECT 1 AS Um"});
    EXPECT_EQ(missing.status, ExitFailed);
    EXPECT_TRUE(mentions(missing.err, "fichas init")) << missing.err;
}

TEST_F(SqlCommand, TheTraceHasOneLinePerStatementAsSent) {
    const std::string trace = traceToFile();
    fichas({"sql", "INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Canina');"});
    fichas({"sql", "SELECT  Nome FROM EspeciesDeAnimais WHERE Nome LIKE 'can%'"});
    fichas({"sql", "SELECT FROM"});
    const std::vector<Json> lines = traceLines(trace);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["op"], "Execute");
    EXPECT_TRUE(lines[0]["native"].is_string());
    EXPECT_EQ(lines[1]["sql"], "SELECT  Nome FROM EspeciesDeAnimais WHERE Nome LIKE 'can%'");
    EXPECT_EQ(lines[2]["sql"], "SELECT FROM");
    EXPECT_FALSE(lines[2].contains("native")) << "a statement that cannot be translated has no native text";
}

TEST(MembersCommand, PrintsTheInterfaceInSlotOrderOrFailsForClassesItCannotCreate) {
    std::istringstream in;
    std::ostringstream out, err;
    ASSERT_EQ(runCommand({"members", "ZOLK_I_ADO.clsObjetosDeDados"}, in, out, err), ExitOk) << err.str();
    EXPECT_EQ(out.str().substr(0, out.str().find("2\t")),
              "0\tAbrirConexao\toperation\t() As Integer\n1\tReferenciaDeConexao\tGet\t() As Object\n");
    out.str("");
    ASSERT_EQ(runCommand({"members", "zolk_n_tratadados.clstratamento"}, in, out, err), ExitOk) << err.str();
    EXPECT_EQ(out.str(), "0\tTratarString\toperation\t(ByRef lstrTexto As String) As String\n");
    out.str("");
    EXPECT_EQ(runCommand({"members", "ZOLK_N_Nada.clsNada"}, in, out, err), ExitFailed);
    EXPECT_TRUE(mentions(err.str(), "unknown ProgID ZOLK_N_Nada.clsNada")) << err.str();
    platform::Factory::instance().declareClass("ZolkTests.clsDeclaredOnly");
    EXPECT_EQ(runCommand({"members", "ZolkTests.clsDeclaredOnly"}, in, out, err), ExitFailed);
    EXPECT_TRUE(mentions(err.str(), "not registered")) << err.str();
    EXPECT_EQ(out.str(), "");
}

using CommandLine = CliTest;

TEST_F(CommandLine, UnreadableCommandLinesExitTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"sql"}, {"members"}, {"run", "--database"}}) {
        const Outcome o = fichasRaw(args);
        EXPECT_EQ(o.status, ExitUnreadable) << o.err;
        EXPECT_TRUE(mentions(o.err, "fichas: ")) << o.err;
    }
}

TEST_F(CommandLine, DatabaseGoesBeforeOrAfterTheSubcommandOrComesFromTheEnvironment) {
    createDatabase();
    const std::string other = (dir_ / "other.db").string();
    ASSERT_EQ(fichasRaw({"init", "--database", "sqlite:" + other}).status, ExitOk);
    ASSERT_EQ(fichasRaw({"sql", "--database", other, "INSERT INTO EspeciesDeAnimais (Nome) VALUES ('A')"}).status, ExitOk);
    EXPECT_EQ(fichasRaw({"--database", other, "sql", "SELECT Nome FROM EspeciesDeAnimais"}).out, "Nome\n----\nA\n(1 row)\n");
    const Outcome run = fichasRaw({"run", "-", "--database", other}, R"([{"sql": "SELECT Nome FROM EspeciesDeAnimais"}])");
    EXPECT_EQ(run.lines().at(0)["recordset"]["rows"], Json::parse(R"([["A"]])"));

    setenv("ZOLK_DATABASE", other.c_str(), 1);
    const Outcome fromEnvironment = fichasRaw({"sql", "SELECT Nome FROM EspeciesDeAnimais"});
    unsetenv("ZOLK_DATABASE");
    EXPECT_EQ(fromEnvironment.out, "Nome\n----\nA\n(1 row)\n") << fromEnvironment.err;
}

}  // namespace
}  // namespace zolk::cli::testing
