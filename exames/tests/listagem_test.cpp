// Selecionar and SelecionarParaImpressaoCabecalho: the statement of each mode, what they list,
// the call that names no request, and broken or empty searches.
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

std::vector<std::string> numbers(ado::Recordset& rs) {
    std::vector<std::string> out;
    if (rs.RecordCount() > 0)
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) out.push_back(platform::CStr(rs.value(0)));
    return out;
}

TEST_F(ExamesTest, ListingOfEachModeIsWrittenToTheLetter) {
    struct Case {
        Variant filtro;
        std::int16_t modo;
        double ficha;
        const char* corpusCase;
        std::vector<std::string> listed;
    };
    const Case cases[] = {
        {Variant(), 1, 812, "exames-lista-ficha-atual", {"58", "57"}},
        {Variant(""), 2, 812, "exames-lista-fichas-anteriores", {"55", "52"}},  // earlier records, or none
        {Variant(57.0), 1, 812, "exames-lista-numero", {"57"}},                 // the number wins
        {Variant("57"), 0, 0, "exames-lista-numero", {"57"}},
        {Variant(4242.0), 1, 0, "exames-lista-nada", {}},
    };
    for (const Case& c : cases) {
        db.clearTrace();
        ASSERT_EQ(exame->Selecionar(1, 25, c.filtro, c.modo, c.ficha, 95, 140), 0) << c.corpusCase;
        EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpus(c.corpusCase)}) << c.corpusCase;
        EXPECT_EQ(numbers(*exame->ResultadoDaSelecaoEmRecordset()), c.listed) << c.corpusCase;
    }
    EXPECT_EQ(exame->ResultadoDaSelecaoEmRecordset()->PageSize(), 25);
    EXPECT_EQ(exame->DescricaoDaFalha(), "Nenhum exame encontrado com as especificações informadas.");

    ASSERT_EQ(exame->Selecionar(2, 25, Variant(57.0), 1), 0);
    auto& rs = *exame->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(rs.fieldCount(), 17 + 183 + 8);
    EXPECT_EQ(platform::CStr(rs.value("HemogramaCompleto")) + platform::CStr(rs.value("Biopsia")), "SimNão");
    db.native("UPDATE Funcionarios SET Nome = NULL WHERE Codigo = 3");
    ASSERT_EQ(exame->Selecionar(2, 25, Variant(57.0), 1), 0);
    EXPECT_EQ(platform::CStr(exame->ResultadoDaSelecaoEmRecordset()->value("NomeDoVeterinario")), "0");
}

TEST_F(ExamesTest, CallThatNamesNoRequestListsThemAllWithoutWhere) {
    const auto all = db.column(
        "SELECT e.Numero FROM Exames e JOIN Animais a ON a.Codigo = e.CodigoDoAnimal JOIN Funcionarios f ON "
        "f.Codigo = e.CodigoDoVeterinario JOIN Laboratorios l ON l.Codigo = e.CodigoDoLaboratorio JOIN Clientes c "
        "ON c.Codigo = e.CodigoDoCliente AND c.Codigo = a.CodigoDoCliente ORDER BY e.Numero DESC");
    ASSERT_GE(all.size(), 5u);
    // No filter and no record (the optional arguments left out), or a filter that is no number.
    for (const Variant& filtro : {Variant(), Variant(0.0), Variant("Thor"), Variant::null()}) {
        db.clearTrace();
        ASSERT_EQ(exame->Selecionar(2, 10, filtro, 1), 0) << exame->DescricaoDoErro();
        EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpus("exames-lista-sem-condicao", {{"WHERE ORDER", "ORDER"}})});
        EXPECT_EQ(numbers(*exame->ResultadoDaSelecaoEmRecordset()), all);
    }
    db.clearTrace();
    ASSERT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant("Thor")), 0) << exame->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpus("exames-cabecalho-sem-condicao", {{"WHERE ORDER", "ORDER"}})});
}

TEST_F(ExamesTest, BrokenNumericFilterKeepsTheEarlierResultAndChangesNothing) {
    ASSERT_EQ(exame->Selecionar(2, 10, Variant(57.0), 1), 0);
    const auto earlier = exame->ResultadoDaSelecaoEmRecordset();
    const std::string rows = db.scalar("SELECT group_concat(Numero) FROM Exames");
    for (const Variant& filtro : {Variant("1,5"), Variant(1.5)}) {  // a number to the platform, not to the statement
        EXPECT_EQ(exame->Selecionar(2, 10, filtro, 1), 1);
        EXPECT_EQ(exame->NumeroDoErro(), platform::err::DbErrorsInCommand);
        EXPECT_EQ(exame->LocalDoErro(), location("Selecionar", 4));
        EXPECT_EQ(exame->ResultadoDaSelecaoEmRecordset(), earlier);
    }
    EXPECT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant("1,5")), 1);
    EXPECT_EQ(exame->LocalDoErro(), location("SelecionarParaImpressaoCabecalho", 4));
    EXPECT_EQ(db.scalar("SELECT group_concat(Numero) FROM Exames"), rows);
}

TEST_F(ExamesTest, PrintHeaderCarriesAnimalClientVeterinarianAndLaboratory) {
    ASSERT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant(57.0)), 0) << exame->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpus("exames-cabecalho")});
    EXPECT_EQ(exame->ResultadoDaSelecaoEmRecordset(), nullptr);  // the listing's recordset is another
    auto& rs = *exame->ResultadoDaSelecaoParaImpressaoEmRecordset();
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.fieldCount(), 36 + 182 + 4);
    EXPECT_EQ(platform::CStr(rs.value("NomeDoLaboratorio")), "VetLab-VetLab Análises Clínicas Veterinárias Ltda");
    EXPECT_EQ(platform::CStr(rs.value("SexoDoAnimal")) + platform::CStr(rs.value("Ureia")), "MachoSim");

    // The practice's own laboratory has no company name: the printed name is empty.
    ASSERT_EQ(exame->SelecionarParaImpressaoCabecalho(1, 5, Variant("54")), 0);
    EXPECT_EQ(db.traced("Open").back(), corpus("exames-cabecalho-laboratorio-sem-razao-social"));
    EXPECT_EQ(platform::CStr(exame->ResultadoDaSelecaoParaImpressaoEmRecordset()->value("NomeDoLaboratorio")), "");

    ASSERT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant(4242.0)), 0);
    EXPECT_EQ(exame->ResultadoDaSelecaoParaImpressaoEmRecordset()->RecordCount(), 0);
    EXPECT_EQ(exame->DescricaoDaFalha(), "Nenhum exame encontrado com as especificações informadas.");
}

}  // namespace
}  // namespace zolk::exames::test
