// Adicionar, Alterar and Excluir: their statement texts, the entry key on every day of the month,
// what lands in Medicacoes, and the refusal of a checked entry.
#include "medicacoes/tests/fixture.h"

namespace zolk::medicacoes::test {
namespace {

// The key's stamp as the corpus writes it (day first) and as it is written here (month first).
const std::pair<std::string, std::string> demoStamp3{"#20/11/2026 20:05:33#", "#11/20/2026 20:05:33#"};

TEST_F(MedicacoesTest, InsertionsAreWrittenToTheLetterWithNoGeneratedNumber) {
    fillMetronidazol(*medicacao);
    ASSERT_EQ(medicacao->Adicionar(), 0) << medicacao->DescricaoDoErro();
    EXPECT_EQ(ops(), (std::vector<std::string>{"Execute", "Execute"}));  // no transaction, no @@Identity
    EXPECT_EQ(db.traced("Execute")[0], corpus("medicacoes-relogio"));
    EXPECT_EQ(db.traced("Execute")[1],
              corpus("medicacoes-insert", {{"15/12/2026 10:31:02", medicacao->DataHoraDaAtualizacao()}}));

    // A time of day carrying its date is written with it; an empty remark as ''.
    db.clearTrace();
    medicacao->CodigoDoMedicamento(5);
    medicacao->Quantidade("1");
    medicacao->Via("Subcutânea");
    medicacao->Data(at(2026, 12, 14));
    medicacao->Hora(at(2026, 12, 14, 22, 0));
    medicacao->Observacao("");
    ASSERT_EQ(medicacao->Adicionar(), 0);
    EXPECT_EQ(db.traced("Execute")[1],
              corpus("medicacoes-insert-data-e-hora", {{"15/12/2026 10:32:47", medicacao->DataHoraDaAtualizacao()}}));

    // No clinical record; a remark and a user name with quotes are stored as typed; 05/01 is the
    // fifth of January.
    db.clearTrace();
    medicacao->DadosDoUsuario(userNamed("Sant'Anna"));
    medicacao->CodigoDoMedicamento(7);
    medicacao->Unidade("cápsula");
    medicacao->Via("Oral");
    medicacao->Data(at(2027, 1, 5));
    medicacao->Hora(timeOfDay(8, 0));
    medicacao->Observacao("Dar com pouca água ('em jejum')");
    medicacao->NumeroDaFichaClinica(0);
    medicacao->CodigoDoAnimal(141);
    ASSERT_EQ(medicacao->Adicionar(), 0);
    EXPECT_EQ(db.traced("Execute")[1],
              corpus("medicacoes-insert-sem-ficha", {{"15/12/2026 10:40:19", medicacao->DataHoraDaAtualizacao()},
                                                     {"'ana'", "'Sant''Anna'"}}));
    EXPECT_EQ(db.scalar("SELECT Data || '|' || Hora || '|' || Observacao || '|' || UsuarioDaInclusao FROM Medicacoes "
                        "WHERE CodigoDoMedicamento = 7"),
              "2027-01-05 00:00:00|1899-12-30 08:00:00|Dar com pouca água ('em jejum')|Sant'Anna");
}

TEST_F(MedicacoesTest, TheKeySelectsTheEntryItNamesOnEveryDayOfTheMonth) {
    // Each stamp beside its day-month mirror image, with the same medicine, record, client and animal.
    for (const auto& [stamp, mirror] : {std::pair{at(2026, 3, 5, 10, 31, 2), at(2026, 5, 3, 10, 31, 2)},
                                        std::pair{at(2026, 12, 1, 7, 0, 0), at(2026, 1, 12, 7, 0, 0)},
                                        std::pair{at(2026, 3, 20, 9, 15, 0), at(2026, 3, 21, 9, 15, 0)},
                                        std::pair{at(2024, 2, 29, 23, 59, 59), at(2024, 2, 28, 23, 59, 59)},
                                        std::pair{at(2026, 12, 31, 0, 0, 0), at(2026, 12, 30, 0, 0, 0)}}) {
        db.native("DELETE FROM Medicacoes WHERE CodigoDoMedicamento = 10");
        for (auto s : {stamp, mirror})
            db.native("INSERT INTO Medicacoes (CodigoDoMedicamento, Quantidade, Unidade, Via, Hora, NumeroDaFichaClinica, "
                      "CodigoDoCliente, CodigoDoAnimal, DataEHoraDaInclusao) VALUES (10, '1', 'ml', 'Oral', "
                      "'1899-12-30 08:00:00', 812, 95, 140, '" + s.iso() + "')");
        key(*medicacao, 10, stamp);
        medicacao->Quantidade("3");
        medicacao->Unidade("ml");
        medicacao->Via("Oral");
        medicacao->Hora(timeOfDay(9, 0));
        ASSERT_EQ(medicacao->Alterar(), 0) << medicacao->DescricaoDoErro();
        EXPECT_NE(db.traced("Execute").back().find("   AND DataEHoraDaInclusao = #" +
                                                   platform::CStr(platform::Format(Variant(stamp), "mm/dd/yyyy")) + " " +
                                                   platform::CStr(platform::Format(Variant(stamp), "hh:nn:ss")) + "#;"),
                  std::string::npos);
        EXPECT_EQ(db.column("SELECT DataEHoraDaInclusao FROM Medicacoes WHERE CodigoDoMedicamento = 10 AND Quantidade = '3'"),
                  std::vector<std::string>{stamp.iso()});
        ASSERT_EQ(medicacao->Excluir(), 0) << medicacao->DescricaoDoErro();
        EXPECT_EQ(db.column("SELECT DataEHoraDaInclusao FROM Medicacoes WHERE CodigoDoMedicamento = 10"),
                  std::vector<std::string>{mirror.iso()});
    }
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
    ASSERT_EQ(db.traced("Execute").size(), 2u);
    EXPECT_EQ(db.traced("Execute")[1],
              corpus("medicacoes-update-demo", {demoStamp3, {"15/12/2026 11:22:00", medicacao->DataHoraDaAtualizacao()}}));
    EXPECT_EQ(db.scalar("SELECT Quantidade || '|' || Data || '|' || Hora || '|' || CodigoDoVeterinario || '|' || "
                        "UsuarioDaAlteracao FROM Medicacoes WHERE Numero = 3"),
              "0,8|2026-11-20 00:00:00|1899-12-30 20:30:00|3|ana");

    // One second away from the stored stamp: nothing changes, and that is no error.
    const std::string before = db.scalar("SELECT Quantidade || Observacao || DataEHoraDaAlteracao FROM Medicacoes");
    medicacao->DataHoraDeInclusao(at(2026, 11, 20, 20, 5, 34));
    medicacao->Quantidade("9");
    EXPECT_EQ(medicacao->Alterar(), 0);
    EXPECT_EQ(medicacao->Excluir(), 0);
    EXPECT_EQ(db.scalar("SELECT Quantidade || Observacao || DataEHoraDaAlteracao FROM Medicacoes"), before);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Medicacoes"), "5");
}

TEST_F(MedicacoesTest, DeletionIsWrittenToTheLetterAndACheckedEntryIsRefused) {
    key(*medicacao, 5, at(2026, 11, 20, 14, 3, 51));
    ASSERT_EQ(medicacao->Excluir(), 0) << medicacao->DescricaoDoErro();
    EXPECT_EQ(db.traced("Execute"),
              std::vector<std::string>{corpus("medicacoes-delete-demo", {{"#20/11/2026 14:03:51#", "#11/20/2026 14:03:51#"}})});
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Medicacoes WHERE Numero = 2"), "0");

    // Entry 1 was checked by the nursing team.
    key(*medicacao, 1, at(2026, 11, 20, 10, 42, 15));
    EXPECT_EQ(medicacao->Excluir(), 3);
    EXPECT_EQ(medicacao->DescricaoDaFalha(),
              "A medicação não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ela");
    EXPECT_EQ(medicacao->NumeroDoErro(), 0);
    EXPECT_EQ(medicacao->LocalDoErro(), "");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Medicacoes WHERE Numero = 1"), "1");
}

}  // namespace
}  // namespace zolk::medicacoes::test
