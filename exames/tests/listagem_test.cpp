// Selecionar and SelecionarParaImpressaoCabecalho: the statement of each mode and what they list.
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

std::vector<std::string> numbers(ado::Recordset& rs) { return testsupport::columnValues(rs, "Numero"); }

TEST_F(ExamesTest, ListingOfEachModeIsWrittenToTheLetter) {
    struct Case { Variant filtro; std::int16_t modo; double ficha; const char* corpusCase; std::vector<std::string> listed; };
    const Case cases[] = {
        {Variant(), 1, 812, "exames-lista-ficha-atual", {"58", "57"}},
        {Variant(""), 2, 812, "exames-lista-fichas-anteriores", {"55", "52"}},  // earlier records, or none
        {Variant(57.0), 1, 812, "exames-lista-numero", {"57"}},                 // the number wins
        {Variant(4242.0), 1, 0, "exames-lista-nada", {}},
    };
    for (const Case& c : cases) {
        db.clearTrace();
        ASSERT_EQ(exame->Selecionar(1, 25, c.filtro, c.modo, c.ficha, 95, 140), 0) << c.corpusCase;
        EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpus(c.corpusCase)}) << c.corpusCase;
        EXPECT_EQ(numbers(*exame->ResultadoDaSelecaoEmRecordset()), c.listed) << c.corpusCase;
    }
    EXPECT_EQ(exame->DescricaoDaFalha(), "Nenhum exame encontrado com as especificações informadas.");

    ASSERT_EQ(exame->Selecionar(2, 25, Variant(57.0), 1), 0);
    auto& rs = *exame->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(rs.fieldCount(), 17 + 183 + 8);
    EXPECT_EQ(platform::CStr(rs.value("HemogramaCompleto")) + platform::CStr(rs.value("Biopsia")), "SimNão");
}

TEST_F(ExamesTest, CallThatNamesNoRequestListsThemAllWithoutWhere) {
    // No record (the optional arguments left out) and a filter that is no number.
    ASSERT_EQ(exame->Selecionar(2, 10, Variant("Thor"), 1), 0) << exame->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpus("exames-lista-sem-condicao", {{"WHERE ORDER", "ORDER"}})});
    EXPECT_EQ(numbers(*exame->ResultadoDaSelecaoEmRecordset()), (std::vector<std::string>{"58", "57", "56", "55", "54", "52"}));
    db.clearTrace();
    ASSERT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant("Thor")), 0) << exame->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpus("exames-cabecalho-sem-condicao", {{"WHERE ORDER", "ORDER"}})});
}

TEST_F(ExamesTest, BrokenNumericFilterKeepsTheEarlierResultAndChangesNothing) {
    ASSERT_EQ(exame->Selecionar(2, 10, Variant(57.0), 1), 0);
    const auto earlier = exame->ResultadoDaSelecaoEmRecordset();
    const std::string rows = db.scalar("SELECT group_concat(Numero) FROM Exames");
    EXPECT_EQ(exame->Selecionar(2, 10, Variant("1,5"), 1), 1);  // a number to the platform, not to the statement
    EXPECT_EQ(exame->NumeroDoErro(), platform::err::DbErrorsInCommand);
    EXPECT_EQ(exame->LocalDoErro(), location("Selecionar", 4));
    EXPECT_EQ(exame->ResultadoDaSelecaoEmRecordset(), earlier);
    EXPECT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant("1,5")), 1);
    EXPECT_EQ(exame->LocalDoErro(), location("SelecionarParaImpressaoCabecalho", 4));
    EXPECT_EQ(db.scalar("SELECT group_concat(Numero) FROM Exames"), rows);
}

TEST_F(ExamesTest, PrintHeaderCarriesAnimalClientVeterinarianAndLaboratory) {
    ASSERT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant(57.0)), 0) << exame->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpus("exames-cabecalho")});
    auto& rs = *exame->ResultadoDaSelecaoParaImpressaoEmRecordset();
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.fieldCount(), 36 + 182 + 4);
    EXPECT_EQ(platform::CStr(rs.value("NomeDoLaboratorio")), "VetLab-VetLab Análises Clínicas Veterinárias Ltda");
}

}  // namespace
}  // namespace zolk::exames::test
