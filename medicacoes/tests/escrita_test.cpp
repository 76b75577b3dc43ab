// Adicionar, Alterar and Excluir: their statement texts, what lands, a checked entry refused.
#include "medicacoes/tests/fixture.h"

namespace zolk::medicacoes::test {
namespace {

TEST_F(MedicacoesTest, InsertionsAreWrittenToTheLetterWithNoGeneratedNumber) {
    fillMetronidazol(*medicacao);
    ASSERT_EQ(medicacao->Adicionar(), 0) << medicacao->DescricaoDoErro();
    EXPECT_EQ(ops(), (std::vector<std::string>{"Execute", "Execute"}));  // no transaction, no @@Identity
    EXPECT_EQ(db.traced("Execute").at(0), corpus("medicacoes-relogio"));
    EXPECT_EQ(db.traced("Execute").at(1),
              corpus("medicacoes-insert", {{"15/12/2026 10:31:02", medicacao->DataHoraDaAtualizacao()}}));

    // No record; quotes stored as typed; 05/01 is the fifth of January.
    db.clearTrace();
    medicacao->DadosDoUsuario(userNamed("Sant'Anna"));
    medicacao->CodigoDoMedicamento(7);
    medicacao->Quantidade("1");
    medicacao->Unidade("cápsula");
    medicacao->Via("Oral");
    medicacao->Data(at(2027, 1, 5));
    medicacao->Hora(timeOfDay(8, 0));
    medicacao->Observacao("Dar com pouca água ('em jejum')");
    medicacao->NumeroDaFichaClinica(0);
    medicacao->CodigoDoAnimal(141);
    ASSERT_EQ(medicacao->Adicionar(), 0);
    EXPECT_EQ(db.traced("Execute").at(1),
              corpus("medicacoes-insert-sem-ficha", {{"15/12/2026 10:40:19", medicacao->DataHoraDaAtualizacao()},
                                                     {"'ana'", "'Sant''Anna'"}}));
}

TEST_F(MedicacoesTest, UpdateIsWrittenToTheLetterAndLeavesDayRecordAndPeopleAlone) {
    key(*medicacao, 4, at(2026, 11, 20, 20, 5, 33));
    medicacao->Quantidade("0,8");
    medicacao->Unidade("ml");
    medicacao->Via("Intramuscular");
    medicacao->Hora(timeOfDay(20, 30));
    medicacao->Observacao("Controlado: registrar no livro.");
    medicacao->Data(at(2026, 12, 24));  // none of these are written
    medicacao->CodigoDoVeterinario(2);
    ASSERT_EQ(medicacao->Alterar(), 0) << medicacao->DescricaoDoErro();
    EXPECT_EQ(db.traced("Execute").at(1),
              corpus("medicacoes-update-demo", {{"#20/11/2026 20:05:33#", "#11/20/2026 20:05:33#"}, {"15/12/2026 11:22:00", medicacao->DataHoraDaAtualizacao()}}));
    EXPECT_EQ(db.scalar("SELECT Quantidade || '|' || Data || '|' || Hora || '|' || CodigoDoVeterinario || '|' || "
                        "UsuarioDaAlteracao FROM Medicacoes WHERE Numero = 3"),
              "0,8|2026-11-20 00:00:00|1899-12-30 20:30:00|3|ana");
}

TEST_F(MedicacoesTest, DeletionIsWrittenToTheLetterAndACheckedEntryIsRefused) {
    key(*medicacao, 5, at(2026, 11, 20, 14, 3, 51));
    ASSERT_EQ(medicacao->Excluir(), 0) << medicacao->DescricaoDoErro();
    EXPECT_EQ(db.traced("Execute"),
              std::vector<std::string>{corpus("medicacoes-delete-demo", {{"#20/11/2026 14:03:51#", "#11/20/2026 14:03:51#"}})});
    // Entry 1 was checked by the nursing team.
    key(*medicacao, 1, at(2026, 11, 20, 10, 42, 15));
    EXPECT_EQ(medicacao->Excluir(), 3);
    EXPECT_EQ(medicacao->DescricaoDaFalha(),
              "A medicação não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ela");
    EXPECT_EQ(medicacao->NumeroDoErro(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Medicacoes WHERE Numero = 1"), "1");
}

}  // namespace
}  // namespace zolk::medicacoes::test
