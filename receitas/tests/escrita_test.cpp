#include "receitas/tests/fixture.h"

namespace zolk::receitas::test {
namespace {

TEST_F(ReceitasTest, InsertionIsWrittenToTheLetterOutsideAnyTransaction) {
    fillOmeprazol(*receita);
    ASSERT_EQ(receita->Adicionar(), 0) << receita->DescricaoDoErro();
    EXPECT_EQ(ops(), (std::vector<std::string>{"Execute", "Execute", "Execute"}));  // no BeginTrans
    EXPECT_EQ(db.traced("Execute"),
              (std::vector<std::string>{
                  corpus("receitas-relogio"),
                  corpus("receitas-insert", {{"'15/12/2026 10:30:00'", "'" + receita->DataHoraDaAtualizacao() + "'"},
                                             {"'15/12/2026'", "'" + receita->DataDeEmissao() + "'"}}),
                  "SELECT @@Identity"}));
    EXPECT_EQ(db.scalar("SELECT ReceitaControlada || '|' || UsuarioDaInclusao || '|' || NumeroDaFichaClinica FROM "
                        "Receitas WHERE Numero = " + number(receita->NumeroGerado())),
              "0|ana|812");
}

TEST_F(ReceitasTest, OnlyAnEmptyPrescriptionIsRefused) {
    platform::ObjectRef rs;
    for (std::int16_t operacao : {1, 2}) {
        EXPECT_EQ(receita->ValidarDados(operacao, nullptr, rs), 2);
        EXPECT_EQ(receita->DescricaoDaFalha() + "|" + receita->NomeDoCampoValidado(), "Informe a prescrição.|Prescricao");
    }
    EXPECT_EQ(receita->Adicionar(), 2);
    EXPECT_TRUE(db.traced("Execute").empty());  // no clock query, nothing written
}

TEST_F(ReceitasTest, UpdateIsWrittenToTheLetterAndKeepsTheIssueDate) {
    fillOmeprazol(*receita);
    ASSERT_EQ(receita->Adicionar(), 0);
    const std::string n = number(receita->NumeroGerado());
    db.native("UPDATE Receitas SET Data = '2026-12-01 00:00:00' WHERE Numero = " + n);
    db.clearTrace();
    receita->Numero(receita->NumeroGerado());  // Adicionar leaves Numero as it was
    receita->ReceitaControlada(true);
    receita->Prescricao("Omeprazol 10 mg: 3 cápsulas ao dia, em jejum, por 14 dias.");
    ASSERT_EQ(receita->Alterar(), 0) << receita->DescricaoDoErro();
    EXPECT_EQ(db.traced("Execute").at(1), corpus("receitas-update", {{"WHERE Numero=65;", "WHERE Numero=" + n + ";"},
                                                                  {"15/12/2026 11:10:00", receita->DataHoraDaAtualizacao()}}));
    EXPECT_EQ(db.scalar("SELECT Data || '|' || ReceitaControlada || '|' || UsuarioDaAlteracao FROM Receitas WHERE "
                        "Numero = " + n),
              "2026-12-01 00:00:00|-1|ana");
}

TEST_F(ReceitasTest, DeletionIsWrittenToTheLetterAndARefusalNamesTheRelatedRows) {
    receita->Numero(63);
    ASSERT_EQ(receita->Excluir(), 0) << receita->DescricaoDoErro();
    EXPECT_EQ(db.traced("Execute"), (std::vector<std::string>{"DELETE * FROM Receitas WHERE Numero=63;"}));
    // 62 was dispensed by a pharmacy: the database refuses, the error fields stay as they were.
    receita->Numero(62);
    EXPECT_EQ(receita->Excluir(), 3);
    EXPECT_EQ(receita->DescricaoDaFalha(),
              "A receita não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ele");
    EXPECT_EQ(receita->NumeroDoErro(), 0);
    EXPECT_EQ(count("Receitas", "Numero = 62"), "1");
}

}  // namespace
}  // namespace zolk::receitas::test
