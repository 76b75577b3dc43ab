// clsAnaliseDiagn: the ranking, a caller-closed statement, broken fragments, memory running out.
#include <sqlite3.h>

#include "consultas/tests/fixture.h"

namespace zolk::consultas::test {
namespace {

class AnaliseTest : public ConsultasTest {
protected:
    Rows counted(const std::string& where = "") const {  // straight on the database file
        return db.column("SELECT Diagnostico || '|' || COUNT(*) FROM FichasClinicas WHERE Diagnostico <> '' " + where +
                         " GROUP BY Diagnostico ORDER BY COUNT(*) DESC, Diagnostico");
    }
    Rows ranking() const { return rows(analise.ResultadoDaSelecaoEmRecordset(), {"Diagnostico", "NumeroDeDiagnosticos"}); }
    std::string local() const { return analise.LocalDoErro(); }

    clsAnaliseDiagn analise;
};

TEST_F(AnaliseTest, RanksTheDiagnosesMostFrequentFirst) {
    db.native("INSERT INTO FichasClinicas (Numero, DataDeEmissao, CodigoDoCliente, CodigoDoAnimal, Diagnostico) VALUES "
              "(900, '2026-01-05 00:00:00', 95, 140, ''), (901, '2026-01-06 00:00:00', 95, 140, NULL), "
              "(902, '2026-01-07 00:00:00', 12, 120, 'Otite externa')");
    ASSERT_EQ(analise.Gerar("", true), 0) << analise.DescricaoDoErro();
    EXPECT_EQ(opened(), corpus("analise-todas"));
    EXPECT_EQ(ranking(), counted());
    EXPECT_EQ(ranking().size(), 6u);

    ASSERT_EQ(analise.Gerar("AND FichasClinicas.CodigoDoVeterinario = 3 ", true), 0);
    EXPECT_EQ(opened(), corpus("analise-veterinario"));
    EXPECT_EQ(ranking(), counted("AND CodigoDoVeterinario = 3"));

    ASSERT_EQ(analise.Gerar("AND FichasClinicas.CodigoDoVeterinario = 99 ", true), 0);
    EXPECT_EQ(analise.ResultadoDaSelecaoEmRecordset()->RecordCount(), 0);
    EXPECT_EQ(analise.DescricaoDaFalha(), "");
}

TEST_F(AnaliseTest, TheCallerMayCloseTheStatementItself) {
    const std::string own = "AND FichasClinicas.CodigoDoCliente = 95 AND FichasClinicas.CodigoDoAnimal = 140 "
                            "GROUP BY FichasClinicas.Diagnostico ORDER BY FichasClinicas.Diagnostico;";
    ASSERT_EQ(analise.Gerar(own, false), 0) << analise.DescricaoDoErro();
    EXPECT_EQ(opened(), corpus("analise-montada-pelo-chamador"));
    EXPECT_EQ(ranking(), (Rows{"Gastrite (em investigação)|1", "Gastroenterite aguda|2"}));
}

TEST_F(AnaliseTest, AFragmentThatBreaksTheStatementOrHidesAnotherRunsNothing) {
    ASSERT_EQ(analise.Gerar("", true), 0);
    const auto before = analise.ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(analise.Gerar("AND AND ", true), 1);
    EXPECT_EQ(opened(), corpus("analise-fragmento-invalido"));
    EXPECT_EQ(analise.NumeroDoErro(), platform::err::DbErrorsInCommand);
    EXPECT_EQ(local(), "ZOLK_N_FichasClinicas, clsAnaliseDiagn, Gerar, Ponto: 3");
    EXPECT_EQ(analise.ResultadoDaSelecaoEmRecordset(), before);
    // A second statement hidden in the fragment is refused, and nothing ran.
    const std::string records = db.scalar("SELECT COUNT(*) FROM FichasClinicas");
    db.clearTrace();
    EXPECT_EQ(analise.Gerar("AND 1=1 GROUP BY FichasClinicas.Diagnostico; DELETE * FROM FichasClinicas;", false), 1);
    EXPECT_EQ(analise.NumeroDoErro(), platform::err::DbErrorsInCommand);
    EXPECT_TRUE(db.traced("Execute").empty());
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FichasClinicas"), records);
}

TEST_F(AnaliseTest, RunningOutOfMemoryTellsTheUserWhatToDo) {
    // Thirty thousand diagnoses to group on an engine given little memory.
    if (db.onServer()) GTEST_SKIP() << "the memory limit is SQLite's own (sqlite3_hard_heap_limit64)";
    db.native("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30000) "
              "INSERT INTO FichasClinicas (Numero, DataDeEmissao, CodigoDoCliente, CodigoDoAnimal, Diagnostico) "
              "SELECT 10000 + i, '2026-01-01 00:00:00', 95, 140, 'Diagnóstico ' || i || ' ' || "
              "substr(hex(randomblob(100)), 1, 200) FROM n");
    const sqlite3_int64 previous = sqlite3_hard_heap_limit64(-1);
    sqlite3_hard_heap_limit64(sqlite3_memory_used() + 1536 * 1024);
    const std::int16_t code = analise.Gerar("", true);
    sqlite3_hard_heap_limit64(previous);

    ASSERT_EQ(code, 1) << analise.DescricaoDoErro();
    EXPECT_EQ(analise.NumeroDoErro(), platform::err::OutOfMemory);
    EXPECT_EQ(analise.DescricaoDoErro(),
              "Seu computador não tem memória suficiente para exibir todos os registros selecionados.\r\n"
              "Utilize o campo de pesquisa para encontrar o(s) registro(s).\r\n"
              "Observação: Para evitar esta situação aumente na medida do possível a quantidade de memória deste "
              "computador.");
    EXPECT_EQ(local(), "ZOLK_N_FichasClinicas, clsAnaliseDiagn, Gerar, Ponto: 3");
    EXPECT_EQ(analise.Gerar("", true), 0);
}

}  // namespace
}  // namespace zolk::consultas::test
