// Adicionar, Alterar and Excluir: their statement texts, what lands in Exames, and failures.
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

TEST_F(ExamesTest, InsertionWithOneExamIsWrittenToTheLetterOutsideAnyTransaction) {
    fillValid(*exame);
    exame->Relato("Vômitos há dois dias; controle da função renal.");
    exame->Amostra("Sangue total com EDTA e soro");
    exame->ReceberResultadoPor("Email");
    exame->HemogramaCompleto(true);
    ASSERT_EQ(exame->Adicionar(), 0) << exame->DescricaoDoErro();

    ASSERT_EQ(db.trace().size(), 3u);  // no BeginTrans
    EXPECT_EQ(db.traced("Execute")[0], " SELECT NOW AS DataHoraDoServidor ");
    EXPECT_EQ(db.traced("Execute")[2], "SELECT @@Identity");
    EXPECT_EQ(db.traced("Execute")[1],
              corpus("exames-insert-so-hemograma", {{"'15/12/2026 10:30:00'", "'" + exame->DataHoraDaAtualizacao() + "'"},
                                                    {"'15/12/2026'", "'" + exame->DataDeEmissao() + "'"}}));
    EXPECT_EQ(storedFlags(exame->NumeroGerado()), flagsWhere([](auto& c) { return c == "HemogramaCompleto"; }));
}

// The request of the corpus's updates: record 813, paid, exams on both sides of the split.
const Exame corpusUpdateExams[] = {Exame::HemogramaCompleto, Exame::ParasitologicosDeFezes, Exame::ALTTGP,
                                   Exame::Creatinina, Exame::Ureia, Exame::Biopsia, Exame::HerpesvirusFelinoSN,
                                   Exame::RaioX, Exame::Ultrassom};
void fillCorpusUpdate(clsExames& e, double numero) {
    e.Numero(numero);
    e.NumeroDaFichaClinica(813);
    e.Relato("Vômitos há dois dias; controle da função renal.");
    e.Amostra("Sangue total com EDTA e soro");
    e.ReceberResultadoPor("Email");
    e.ExamePago(true);
    for (Exame x : corpusUpdateExams) e.letField(x, true);
    e.ImagemObservacao("Abdome total");
    e.OutrosExames("Lipase pancreática específica");
    e.ResultadosDeExames("Creatinina 1,2 mg/dl");
    e.Observacao("Jejum de 8 horas (D'Ávila)");
}

TEST_F(ExamesTest, BothUpdatesAreWrittenToTheLetterInOneTransaction) {
    fillValid(*exame);
    ASSERT_EQ(exame->Adicionar(), 0);
    const double n = exame->NumeroGerado();
    db.clearTrace();
    fillCorpusUpdate(*exame, n);
    ASSERT_EQ(exame->Alterar(), 0) << exame->DescricaoDoErro();

    EXPECT_EQ(ops(), (std::vector<std::string>{"Execute", "BeginTrans", "Execute", "Execute", "CommitTrans"}));
    const std::pair<std::string, std::string> row{"Numero=59;", "Numero=" + number(n) + ";"};
    EXPECT_EQ(db.traced("Execute")[1], corpus("exames-update-primeira-parte", {row}));
    EXPECT_EQ(db.traced("Execute")[2],
              corpus("exames-update-segunda-parte", {row, {"15/12/2026 11:15:00", exame->DataHoraDaAtualizacao()}}));
    EXPECT_EQ(storedFlags(n), flagsWhere([](auto& c) {
                  for (Exame x : corpusUpdateExams)
                      if (c == catalogo[x].column()) return true;
                  return false;
              }));
}

TEST_F(ExamesTest, AFailingSecondUpdateLeavesTheFirstUndone) {
    fillValid(*exame);
    ASSERT_EQ(exame->Adicionar(), 0);
    const double n = exame->NumeroGerado();
    const std::string before = db.scalar("SELECT NumeroDaFichaClinica || ExamePago || Relato FROM Exames WHERE Numero = " + number(n));
    const std::string flags = storedFlags(n);

    // The database refuses only the second statement (the one that stamps the change); without a
    // user the second cannot even be built. The first has run each time.
    db.refuse("Exames", "UPDATE OF UsuarioDaAlteracao");
    for (auto user : {ana, std::shared_ptr<components::DadosDoUsuario>()}) {
        fillCorpusUpdate(*exame, n);
        exame->DadosDoUsuario(user);
        db.clearTrace();
        EXPECT_EQ(exame->Alterar(), 1);
        EXPECT_EQ(exame->LocalDoErro(), location("Alterar", user ? 7 : 6));
        EXPECT_EQ(db.traced("Execute").size(), user ? 3u : 2u);
        EXPECT_EQ(db.trace().back().op, "RollbackTrans");
        EXPECT_EQ(db.scalar("SELECT NumeroDaFichaClinica || ExamePago || Relato FROM Exames WHERE Numero = " + number(n)), before);
        EXPECT_EQ(storedFlags(n), flags);
    }
}

TEST_F(ExamesTest, DeletionAndItsRefusals) {
    exame->Numero(58);  // nothing refers to it
    EXPECT_EQ(exame->Excluir(), 0) << exame->DescricaoDoErro();
    EXPECT_EQ(db.traced("Execute"), std::vector<std::string>{corpus("exames-delete")});
    exame->Numero(55);  // the demo's results refer to it
    EXPECT_EQ(exame->Excluir(), 3);
    EXPECT_EQ(exame->DescricaoDaFalha(),
              "O exames não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ele\r\n\r\n"
              "Se não deseja mais utilizar, altere a 'Situação' do exame para 'Inativo'.");
    EXPECT_EQ(exame->NumeroDoErro(), 0);

    // Any other error: 1 with the error state.
    db.native("DROP TABLE ResultadosDeExames");
    db.native("ALTER TABLE Exames RENAME TO ExamesAntigos");
    EXPECT_EQ(exame->Excluir(), 1);
    EXPECT_EQ(exame->NumeroDoErro(), platform::err::DbErrorsInCommand);
    EXPECT_EQ(exame->LocalDoErro(), location("Excluir", 5));
}

}  // namespace
}  // namespace zolk::exames::test
