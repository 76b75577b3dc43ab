// Alterar: the two updates split after Biopsia, in one transaction, and their roll-back.
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

class AlteracaoTest : public ExamesTest {
protected:
    // The request of the statement corpus: record 813, paid, the exams around the split ticked.
    void fillCorpusRequest(clsExames& e, double numero) {
        fillValid(e);
        e.Numero(numero);
        e.NumeroDaFichaClinica(813);
        e.Relato("Vômitos há dois dias; controle da função renal.");
        e.Amostra("Sangue total com EDTA e soro");
        e.ReceberResultadoPor("Email");
        e.ExamePago(true);
        for (Exame x : {Exame::HemogramaCompleto, Exame::ParasitologicosDeFezes, Exame::ALTTGP, Exame::Creatinina,
                        Exame::Ureia, Exame::Biopsia, Exame::HerpesvirusFelinoSN, Exame::RaioX, Exame::Ultrassom})
            e.exame(x, true);
        e.ImagemObservacao("Abdome total");
        e.OutrosExames("Lipase pancreática específica");
        e.ResultadosDeExames("Creatinina 1,2 mg/dl");
        e.Observacao("Jejum de 8 horas (D'Ávila)");
    }

    std::string rowSummary(double n) const {
        return db.scalar("SELECT NumeroDaFichaClinica || '|' || ExamePago || '|' || Relato || '|' || Observacao || '|' || "
                         "IFNULL(UsuarioDaAlteracao, 'null') FROM Exames WHERE Numero = " + number(n));
    }
};

TEST_F(AlteracaoTest, BothUpdatesAreWrittenToTheLetterInOneTransaction) {
    const double n = addRequest();
    const std::string issued = db.scalar("SELECT DataDeEmissao FROM Exames WHERE Numero = " + number(n));
    db.clearTrace();
    fillCorpusRequest(*exame, n);
    ASSERT_EQ(exame->Alterar(), 0) << exame->DescricaoDoErro();

    std::vector<std::string> ops;
    for (const auto& line : db.trace()) ops.push_back(line.op);
    EXPECT_EQ(ops, (std::vector<std::string>{"Execute", "BeginTrans", "Execute", "Execute", "CommitTrans"}));
    const auto executed = db.traced("Execute");
    ASSERT_EQ(executed.size(), 3u);
    const std::string stamp = "'" + exame->DataHoraDaAtualizacao() + "'";
    EXPECT_EQ(executed[1], replaced(corpusStatement("exames-update-primeira-parte"), "Numero=59;",
                                    "Numero=" + number(n) + ";"));
    EXPECT_EQ(executed[2], replaced(replaced(corpusStatement("exames-update-segunda-parte"), "'15/12/2026 11:15:00'",
                                             stamp),
                                    "Numero=59;", "Numero=" + number(n) + ";"));
    EXPECT_EQ(exame->DataHoraDaAtualizacao().size(), 19u);  // whole seconds: dd/mm/yyyy hh:mm:ss

    EXPECT_EQ(rowSummary(n), "813|-1|Vômitos há dois dias; controle da função renal.|Jejum de 8 horas (D'Ávila)|ana");
    const auto columns = schemaExamColumns();
    const auto stored = storedFlags(n);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const bool ticked = exame->solicitacao().exames[i];
        EXPECT_EQ(stored[i], ticked ? "-1" : "0") << columns[i];
    }
    // The insertion's date and user are not rewritten.
    EXPECT_EQ(db.scalar("SELECT DataDeEmissao || '|' || UsuarioDaInclusao FROM Exames WHERE Numero = " + number(n)),
              issued + "|ana");
    EXPECT_EQ(exame->DataDeEmissao(), "");  // only Adicionar sets it
}

TEST_F(AlteracaoTest, AFailingSecondUpdateUndoesTheFirst) {
    const double n = addRequest({Exame::HemogramaCompleto});
    const std::string before = rowSummary(n);
    const auto flagsBefore = storedFlags(n);

    // The user's name is written untreated: a quote in it breaks only the second statement.
    exame->DadosDoUsuario(makeUser("d'Ávila"));
    fillCorpusRequest(*exame, n);
    db.clearTrace();
    EXPECT_EQ(exame->Alterar(), 1);
    EXPECT_EQ(exame->NumeroDoErro(), platform::err::DbErrorsInCommand);
    EXPECT_EQ(exame->LocalDoErro(), "ZOLK_N_FichasClinicas, clsExames, Alterar, Ponto: 7");
    ASSERT_EQ(db.traced("Execute").size(), 3u);  // clock, first, second
    EXPECT_EQ(db.trace().back().op, "RollbackTrans");
    EXPECT_EQ(rowSummary(n), before);
    EXPECT_EQ(storedFlags(n), flagsBefore);
}

TEST_F(AlteracaoTest, WithoutAUserTheFirstUpdateRunsAndIsRolledBack) {
    const double n = addRequest();
    const std::string before = rowSummary(n);
    auto e = std::make_shared<clsExames>();
    fillCorpusRequest(*e, n);
    db.clearTrace();
    EXPECT_EQ(e->Alterar(), 1);
    EXPECT_EQ(e->NumeroDoErro(), platform::err::ObjectNotSet);
    EXPECT_EQ(e->LocalDoErro(), "ZOLK_N_FichasClinicas, clsExames, Alterar, Ponto: 6");
    EXPECT_EQ(db.traced("Execute").size(), 2u);  // clock and the first update
    EXPECT_EQ(db.traced("RollbackTrans").size(), 1u);
    EXPECT_EQ(rowSummary(n), before);
}

TEST_F(AlteracaoTest, UnchangedRequestIsStampedAnewAndAMissingNumberChangesNothing) {
    fillValid(*exame);
    exame->Observacao("primeira");
    ASSERT_EQ(exame->Adicionar(), 0);
    const std::string issued = exame->DataDeEmissao();
    exame->Numero(exame->NumeroGerado());
    ASSERT_EQ(exame->Alterar(), 0) << exame->DescricaoDoErro();
    EXPECT_EQ(exame->DataDeEmissao(), issued);
    EXPECT_EQ(db.scalar("SELECT strftime('%d/%m/%Y %H:%M:%S', DataEHoraDaAlteracao) || '|' || UsuarioDaAlteracao "
                        "FROM Exames WHERE Numero = " + number(exame->NumeroGerado())),
              exame->DataHoraDaAtualizacao() + "|ana");

    const std::string all = db.scalar("SELECT group_concat(Numero || Observacao) FROM Exames");
    exame->Numero(4242);
    EXPECT_EQ(exame->Alterar(), 0);
    EXPECT_EQ(db.scalar("SELECT group_concat(Numero || Observacao) FROM Exames"), all);
}

TEST_F(AlteracaoTest, ValidationRefusalBeginsNoTransaction) {
    const double n = addRequest();
    fillCorpusRequest(*exame, n);
    exame->CodigoDoLaboratorio(0);
    db.clearTrace();
    EXPECT_EQ(exame->Alterar(), 2);
    EXPECT_EQ(exame->NomeDoCampoValidado(), "CodigoDoLaboratorio");
    EXPECT_TRUE(db.trace().empty());
}

}  // namespace
}  // namespace zolk::exames::test
