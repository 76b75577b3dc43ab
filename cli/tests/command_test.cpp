// The subcommands init, sql and members, and where the command line takes the database from.
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
    const Outcome again = fichas({"demo"});
    EXPECT_EQ(again.status, ExitFailed);
    EXPECT_TRUE(mentions(again.err, "already holds a practice database (schema version 1); use --force")) << again.err;
    ASSERT_EQ(fichas({"init", "--demo", "--force"}).status, ExitOk);
    EXPECT_EQ(fichas({"sql", "SELECT COUNT(*) AS N FROM Animais WHERE Codigo = 140"}).out, "N\n-\n1\n(1 row)\n");
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

TEST_F(SqlCommand, RefusedStatementsAndMissingDatabasesAreAMessageAndStatusOne) {
    const Outcome unknown = fichas({"sql", "SELECT Nada FROM Lugar Nenhum"});
    EXPECT_EQ(unknown.status, ExitFailed);
    EXPECT_EQ(unknown.out, "");
    EXPECT_TRUE(mentions(unknown.err, "-2147217900")) << unknown.err;

    const Outcome missing = fichasRaw({"sql", "--database", (dir_ / "none.db").string(), "SELECT 1 AS Um"});
    EXPECT_EQ(missing.status, ExitFailed);
    EXPECT_TRUE(mentions(missing.err, "fichas init")) << missing.err;
}

TEST(MembersCommand, PrintsTheInterfaceInSlotOrderOrFailsForClassesItCannotCreate) {
    std::istringstream in;
    std::ostringstream out, err;
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
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{}, {"sql"}, {"run", "--database"}}) {
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
