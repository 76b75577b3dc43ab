// Adicionar: the insertion text, what lands in Exames, which texts are treated, and what is refused.
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

// The row the schema expects when exactly the exams named by `ticked` are set.
std::vector<std::string> expectedFlags(const std::vector<std::string>& columns,
                                       const std::function<bool(const std::string&)>& ticked) {
    std::vector<std::string> out;
    for (const std::string& c : columns) out.push_back(ticked(c) ? "-1" : "0");
    return out;
}

TEST_F(ExamesTest, InsertionWithOneExamIsWrittenToTheLetter) {
    EXPECT_EQ(exame->DataDeEmissao(), "");  // nothing issued yet
    fillValid(*exame);
    exame->Relato("Vômitos há dois dias; controle da função renal.");
    exame->Amostra("Sangue total com EDTA e soro");
    exame->ReceberResultadoPor("Email");
    exame->HemogramaCompleto(true);
    ASSERT_EQ(exame->Adicionar(), 0) << exame->DescricaoDoErro();

    const auto executed = db.traced("Execute");
    ASSERT_EQ(executed.size(), 3u);
    EXPECT_EQ(executed[0], " SELECT NOW AS DataHoraDoServidor ");
    std::string expected = corpusStatement("exames-insert-so-hemograma");
    expected = replaced(expected, "'15/12/2026 10:30:00'", "'" + exame->DataHoraDaAtualizacao() + "'");
    expected = replaced(expected, "'15/12/2026'", "'" + exame->DataDeEmissao() + "'");
    EXPECT_EQ(executed[1], expected);
    EXPECT_EQ(executed[2], "SELECT @@Identity");
    // One statement on its own: no transaction.
    EXPECT_TRUE(db.traced("BeginTrans").empty());
    EXPECT_TRUE(db.traced("CommitTrans").empty());

    EXPECT_EQ(number(exame->NumeroGerado()), db.scalar("SELECT MAX(Numero) FROM Exames"));
    const std::string n = number(exame->NumeroGerado());
    // The issue date is the day of the server clock the stamp was read from.
    EXPECT_EQ(exame->DataDeEmissao(), exame->DataHoraDaAtualizacao().substr(0, 10));
    EXPECT_EQ(db.scalar("SELECT strftime('%d/%m/%Y', DataDeEmissao) FROM Exames WHERE Numero = " + n),
              exame->DataDeEmissao());
    EXPECT_EQ(db.scalar("SELECT NumeroDaFichaClinica || '|' || CodigoDoVeterinario || '|' || CodigoDoCliente || '|' || "
                        "CodigoDoAnimal || '|' || CodigoDoLaboratorio || '|' || ExamePago || '|' || UsuarioDaInclusao || "
                        "'|' || IFNULL(DataEHoraDaAlteracao, 'null') FROM Exames WHERE Numero = " + n),
              "812|3|95|140|2|0|ana|null");
    EXPECT_EQ(storedFlags(exame->NumeroGerado()),
              expectedFlags(schemaExamColumns(), [](const std::string& c) { return c == "HemogramaCompleto"; }));
}

TEST_F(ExamesTest, EachFlagAtARunBoundaryLandsInItsOwnColumn) {
    // The first and last exam of every run, and the one property spelled apart from its column.
    std::vector<Exame> boundaries{Exame::HerpesvirusFelinoSN};
    for (std::size_t i = 0; i < exameCount; ++i)
        if (i == 0 || i + 1 == exameCount || catalogo[i - 1].run != catalogo[i].run ||
            catalogo[i + 1].run != catalogo[i].run)
            boundaries.push_back(exameAt(i));
    ASSERT_EQ(boundaries.size(), 24u);  // 11 runs of two ends, the biopsy alone, and Herpesvirus

    const auto columns = schemaExamColumns();
    for (Exame e : boundaries) {
        // Ticked by name, as a front end does.
        platform::ObjectRef request = platform::CreateObject(ProgId);
        request->set("DadosDoUsuario", ana);
        fillValid(static_cast<clsExames&>(*request));
        request->let(std::string(info(e).name), Variant(true));
        ASSERT_EQ(platform::CInt(request->call("Adicionar")), 0) << info(e).name;
        const double n = platform::CDbl(request->get("NumeroGerado"));
        EXPECT_EQ(storedFlags(n), expectedFlags(columns, [&](const std::string& c) {
                      return platform::equalsNoCase(c, info(e).name);
                  })) << info(e).name;
    }
}

TEST_F(ExamesTest, EveryOtherExamOfTheCatalogueLandsWhereTheSchemaPutsIt) {
    fillValid(*exame);
    for (std::size_t i = 0; i < exameCount; i += 2) exame->let(std::string(catalogo[i].name), Variant(true));
    ASSERT_EQ(exame->Adicionar(), 0) << exame->DescricaoDoErro();
    const auto columns = schemaExamColumns();
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < columns.size(); ++i) expected.push_back(i % 2 == 0 ? "-1" : "0");
    EXPECT_EQ(storedFlags(exame->NumeroGerado()), expected);
}

TEST_F(ExamesTest, TreatedTextsKeepQuotesAccentsAndLength) {
    fillValid(*exame);
    const std::string longText(3000, 'x');
    const std::string accents = "Ação, coração, pâncreas, fígado, úlcera, ñ";
    exame->Relato(accents + " " + longText);  // untreated, but nothing in it breaks the statement
    exame->Amostra(accents);
    exame->ReceberResultadoPor("Retirar na clínica");
    exame->ImagemObservacao("Tórax d'água");
    exame->OutrosExames("'" + longText + "'");
    exame->ResultadosDeExames("Leucócitos 18.600/µl; 'normal'\r\nsegunda linha");
    exame->Observacao("Jejum de 8 horas (D'Ávila)");
    ASSERT_EQ(exame->Adicionar(), 0) << exame->DescricaoDoErro();
    EXPECT_NE(db.traced("Execute")[1].find(",'Tórax d''água','''"), std::string::npos);

    const std::string where = " FROM Exames WHERE Numero = " + number(exame->NumeroGerado());
    EXPECT_EQ(db.scalar("SELECT Relato" + where), accents + " " + longText);
    EXPECT_EQ(db.scalar("SELECT Amostra" + where), accents);
    EXPECT_EQ(db.scalar("SELECT ImagemObservacao" + where), "Tórax d'água");
    EXPECT_EQ(db.scalar("SELECT OutrosExames" + where), "'" + longText + "'");
    EXPECT_EQ(db.scalar("SELECT ResultadosDeExames" + where), "Leucócitos 18.600/µl; 'normal'\r\nsegunda linha");
    EXPECT_EQ(db.scalar("SELECT Observacao" + where), "Jejum de 8 horas (D'Ávila)");
}

TEST_F(ExamesTest, AQuoteInAnUntreatedTextFailsTheInsertionAndWritesNothing) {
    const std::string before = count();
    for (void (clsExames::*setter)(std::string_view) :
         {&clsExames::Relato, &clsExames::Amostra, &clsExames::ReceberResultadoPor}) {
        auto e = std::make_shared<clsExames>();
        e->DadosDoUsuario(ana);
        fillValid(*e);
        ((*e).*setter)("Retirar com D'Ávila");
        EXPECT_EQ(e->Adicionar(), 1);
        EXPECT_EQ(e->NumeroDoErro(), platform::err::DbErrorsInCommand);
        EXPECT_EQ(e->LocalDoErro(), "ZOLK_N_FichasClinicas, clsExames, Adicionar, Ponto: 6");
        EXPECT_EQ(e->NumeroGerado(), 0);
        EXPECT_NE(e->DataDeEmissao(), "");  // the clock ran before the insertion
    }
    EXPECT_EQ(count(), before);
}

TEST_F(ExamesTest, NothingIsWrittenWithoutAUserOrPastAFailedRule) {
    const std::string before = count();
    auto e = std::make_shared<clsExames>();
    fillValid(*e);
    EXPECT_EQ(e->Adicionar(), 1);  // no DadosDoUsuario: the insertion is never built
    EXPECT_EQ(e->NumeroDoErro(), platform::err::ObjectNotSet);
    EXPECT_EQ(e->LocalDoErro(), "ZOLK_N_FichasClinicas, clsExames, Adicionar, Ponto: 6");

    db.clearTrace();
    exame->CodigoDoLaboratorio(2);
    for (std::size_t i = 0; i < exameCount; ++i) exame->exame(exameAt(i), true);
    EXPECT_EQ(exame->Adicionar(), 2);  // ExameSelecionado never set
    EXPECT_EQ(exame->DescricaoDaFalha(), "Selecione um exame.");
    EXPECT_TRUE(db.traced("Execute").empty());
    EXPECT_EQ(exame->DataDeEmissao(), "");
    EXPECT_EQ(count(), before);
}

TEST_F(ExamesTest, NoFlagStillWritesOneRowPerAdicionar) {
    fillValid(*exame);
    ASSERT_EQ(exame->Adicionar(), 0);
    const double first = exame->NumeroGerado();
    const std::string insertion = db.traced("Execute")[1];
    std::size_t falses = 0;
    for (std::size_t at = 0; (at = insertion.find("False,", at)) != std::string::npos; ++at) ++falses;
    EXPECT_EQ(falses, exameCount + 1);  // ExamePago and every exam
    EXPECT_EQ(insertion.find("True"), std::string::npos);

    ASSERT_EQ(exame->Adicionar(), 0);
    EXPECT_EQ(exame->NumeroGerado(), first + 1);
    EXPECT_EQ(count("NumeroDaFichaClinica = 812 AND Numero >= " + number(first)), "2");
}

}  // namespace
}  // namespace zolk::exames::test
