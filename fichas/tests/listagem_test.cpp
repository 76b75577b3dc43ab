// Selecionar and paging: the statement texts, every search form against the demo records.
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

const Variant none;

std::vector<int> numbers(ado::Recordset& rs) {
    std::vector<int> out;
    if (rs.RecordCount() == 0) return out;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) out.push_back(platform::CInt(rs.value("Numero")));
    return out;
}

std::string whereOf(const std::string& sql) {
    const auto from = sql.find("WHERE ") + 6;
    return sql.substr(from, sql.find("ORDER BY ") - from);
}

const std::string bothTypes = "   (FichasClinicas.TipoDeAtendimento=1 OR FichasClinicas.TipoDeAtendimento=2) ";
const std::vector<int> allDemo = {812, 810, 809, 805, 801, 798, 790};
const std::vector<int> ofClient95 = {812, 809, 805, 798};

TEST_F(FichasTest, ListingIsWrittenToTheLetter) {
    ASSERT_EQ(ficha->Selecionar(2, 20, 0, none, none, none), 0) << ficha->DescricaoDoErro();
    ASSERT_EQ(db.traced("Open").size(), 1u);
    EXPECT_EQ(db.traced("Open")[0], corpus("fichas-lista-todas"));
    auto rs = ficha->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(numbers(*rs), allDemo);
    rs->MoveFirst();  // 812
    EXPECT_EQ(platform::CStr(rs->value("SGIEmese")) + "|" + platform::CStr(rs->value("EFPeso")), "Sim|31,80");
}

TEST_F(FichasTest, EverySearchFormFiltersTheDemoRecords) {
    struct Case { std::int16_t situacao; Variant record, client, animal; std::string where; std::vector<int> listed; };
    const std::vector<Case> cases = {
        {2, none, none, none, "   FichasClinicas.TipoDeAtendimento=2 ", {805}},
        {0, Variant(812.0), none, none, bothTypes + " AND (FichasClinicas.Numero = 812) ", {812}},
        {0, Variant("02/2026"), none, none,
         bothTypes + "AND (((Month(FichasClinicas.DataDeEmissao))=2) AND ((Year(FichasClinicas.DataDeEmissao))=2026)) ",
         {805}},
        {0, Variant("18/12/2026"), none, none,  // 812 is due back that day
         bothTypes + " AND (FichasClinicas.DataDeEmissao = #12/18/2026# OR FichasClinicas.DataDeRetorno = #12/18/2026#) ",
         {812}},
        {0, Variant("DRA. ANA"), none, none,
         bothTypes + " AND (Funcionarios.Apelido LIKE '%DRA. ANA%'  OR Funcionarios.Nome LIKE '%DRA. ANA%') ",
         ofClient95},
        {0, none, Variant(95.0), none, bothTypes + " AND (Clientes.Codigo = 95) ", ofClient95},
        {0, none, Variant("barão"), none,
         bothTypes + " AND (Clientes.ApelidoOuNomeFantasia LIKE '%barão%'  OR Clientes.NomeOuRazaoSocial LIKE "
                     "'%barão%'  OR Clientes.Logradouro LIKE '%barão%') ",
         ofClient95},
        {0, none, none, Variant("985112003456790"),
         bothTypes + " AND (Animais.Codigo = 985112003456790  OR Animais.Microchip LIKE '%985112003456790%') ", {809}},
        {1, none, Variant(95.0), Variant("thor"),
         "   FichasClinicas.TipoDeAtendimento=1  AND (Clientes.Codigo = 95)  AND (Animais.Nome LIKE '%thor%'  OR "
         "Animais.Microchip LIKE '%thor%') ",
         {812, 798}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        db.clearTrace();
        ASSERT_EQ(ficha->Selecionar(2, 10, c.situacao, c.record, c.client, c.animal), 0) << ficha->DescricaoDoErro();
        EXPECT_EQ(whereOf(db.traced("Open").at(0)), c.where);
        EXPECT_EQ(numbers(*ficha->ResultadoDaSelecaoEmRecordset()), c.listed);
    }
}

TEST_F(FichasTest, RecentRecordsAreTheHighestNumbersSortedDescending) {
    ASSERT_EQ(ficha->Selecionar(1, 3, 3, none, none, none), 0) << ficha->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open").at(0), corpus("fichas-lista-recentes"));
    auto rs = ficha->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(rs->Sort(), "Numero DESC");
    EXPECT_EQ(numbers(*rs), (std::vector<int>{812, 810, 809}));
}

TEST_F(FichasTest, NothingFoundIsDoneAndASearchThatBreaksTheStatementIsAnError) {
    ASSERT_EQ(ficha->Selecionar(2, 10, 0, none, Variant("ninguém"), none), 0);  // nothing found: done, with the message
    const auto previous = ficha->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(previous->RecordCount(), 0);
    EXPECT_EQ(ficha->Selecionar(2, 10, 0, none, Variant("12,5"), none), 1);
    EXPECT_EQ(ficha->NumeroDoErro(), platform::err::DbErrorsInCommand) << ficha->DescricaoDoErro();
    EXPECT_EQ(ficha->LocalDoErro(), location("Selecionar", 4));
    EXPECT_EQ(ficha->ResultadoDaSelecaoEmRecordset(), previous);
    EXPECT_EQ(ficha->DescricaoDaFalha(), "Nenhuma ficha clínica encontrada com as especificações informadas.");
}

}  // namespace
}  // namespace zolk::fichas::test
